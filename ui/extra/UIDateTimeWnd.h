#pragma once
// The system date picker placed over a CDateTimeUI while it is edited. The
// picker writes its verdict back to the owner once (date taken, text
// cleared, or left alone), lets go of it at once and closes itself; the
// object ends with its window.
#include <windows.h>

#include "ui/core/window/UIWindowWnd.h"

namespace SkinUI {

class CDateTimeUI;

class CDateTimeWnd : public CWindowWnd {
public:
    explicit CDateTimeWnd(CDateTimeUI& owner) : m_owner(&owner) {}

    // Places the picker over the owner (creating the window the first
    // time), starts it from the owner's date and gives it the focus. False
    // when the window could not be made; it may then already be gone.
    bool Open();
    // Moves the picker to a rectangle of the manager's window; an empty
    // one hides it.
    void Place(const RECT& rect);
    // Ends the picker as a loss of focus would.
    void Finish();
    // The owner is being destroyed: nothing is written back.
    void Abandon();

protected:
    LPCWSTR GetWindowClassName() const override;
    LPCWSTR GetSuperClassName() const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hwnd) override;

private:
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyUp(WPARAM wParam, LPARAM lParam);
    void OnCalendarClosed();
    // Whether `focus` is in the calendar that the picker drops down.
    bool IsOwnCalendar(HWND focus);
    // Writes the picker's date to the owner when it reports a valid one.
    void TakeDate();
    // Leaves the owner, posts the close and hides the window. Callers touch
    // nothing of this object afterwards: what the hiding sets off may end it.
    void Close();
    // Leaves the owner; `hwnd` is the window, which may already have let go of its handle.
    void Detach(HWND hwnd);

    CDateTimeUI* m_owner;
    bool m_closing = false;
    WPARAM m_keyDown = 0;  // the last key pressed while the picker had the focus
};

}  // namespace SkinUI
