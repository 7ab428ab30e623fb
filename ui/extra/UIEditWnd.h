#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"
#include "ui/core/window/UIWindowWnd.h"
#include "ui/extra/UIEditBackground.h"

namespace SkinUI {

class CEditUI;
class CUIManager;

// The system's edit window placed over an edit box while it has the focus.
// It copies every change back into its owner and closes itself when it
// loses the focus; the object then deletes itself.
class CEditWnd final : public CWindowWnd {
public:
    CEditWnd() = default;

    // Opens the window over the owner's text area with the owner's text,
    // font and options, and gives it the focus. False when no window could
    // be made: the object is then the caller's to delete.
    bool Init(CEditUI* owner);
    // Ends the edit without calling back the owner, which is going away or
    // has already let go of the window. The object is deleted.
    void Abandon();

protected:
    LPCWSTR GetWindowClassName() const override;
    LPCWSTR GetSuperClassName() const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hwnd) override;

private:
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return CWindowWnd::HandleMessage(message, wParam, lParam);
    }
    LRESULT OnKillFocus(CUIManager& manager, WPARAM wParam, LPARAM lParam);
    LRESULT OnPrint(WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColor(CUIManager& manager, HDC dc);
    void CopyTextBack(CUIManager& manager);

    CEditUI* m_owner = nullptr;
    CEditBackground m_background;
    CUIString m_reported;  // the text as the owner last heard of it
    bool m_initialised = false;
    bool m_caretVisible = false;
    // Set once the window exists; the final message then deletes the object.
    bool m_selfOwned = false;
};

// The whole text of a window.
CUIString ReadWindowText(HWND hwnd);

}  // namespace SkinUI
