#pragma once

#include <windows.h>

#include "ui/core/manager/UIManager.h"
#include "ui/core/window/UIWindowWnd.h"

namespace SkinUI {

class CComboBodyUI;
class CComboUI;

// The borderless popup that lists a combo box's rows while it is open. The
// rows stay the combo's: they are shown in the popup's body and handed back
// to the combo's window, once, however the popup ends. It closes when it
// loses the focus, on Return and Escape, and on a click on a row; it deletes
// itself when its window is gone.
class CComboWnd : public CWindowWnd {
public:
    // Creates and shows the popup of `combo` and makes it the combo's drop
    // window; false, with nothing left behind, when no window could be made.
    static bool Open(CComboUI& combo);

    // True until the rows went back to the combo.
    bool HoldsRows() const { return m_body != nullptr && !m_rowsReturned; }
    // The combo's rows changed: the popup follows. A row leaves the popup
    // before the combo may destroy it.
    void ShowRow(CControlUI* row, int index);
    void ReleaseRow(CControlUI* row);
    void ReleaseAllRows();
    void MoveRows(CControlUI* first, int count, int index);
    // Fits the window to the combo's rows and lays them out again.
    void Refit();
    void ScrollIntoView(int index);
    // Hands the rows back and destroys the window now; the combo is not
    // touched afterwards. For a combo that is going away.
    void CloseFor(CComboUI& combo);

protected:
    LPCWSTR GetWindowClassName() const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hwnd) override;

private:
    explicit CComboWnd(CComboUI& combo);

    // Where the popup goes on the screen: below the combo, or above it when
    // the work area ends first; its height fits the rows.
    RECT ScreenPlace() const;
    void OnCreate();
    void OnKeyDown(WPARAM key);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnWheel(WPARAM wParam, LPARAM lParam);
    // Selects again the row that was selected when the popup opened.
    void RestoreSelection();
    // Gives the rows back to the combo's window without initialising them
    // again; only the first call does anything.
    void ReturnRows();
    // The popup's manager drops every reference to `row` and its parts.
    void Forget(CControlUI* row);
    bool IsScrollBarAt(LPARAM lParam);

    CUIManager m_manager;
    CComboUI* m_combo;  // null once the combo no longer waits for this popup
    CComboBodyUI* m_body = nullptr;
    // The row selected at the opening; null when there was none or it left.
    CControlUI* m_openedRow = nullptr;
    bool m_openedWithSelection = false;
    bool m_pressOnScrollBar = false;
    bool m_rowsReturned = false;
    // Messages of this window being handled: the object outlives them all.
    int m_depth = 0;
    bool m_finished = false;
};

}  // namespace SkinUI
