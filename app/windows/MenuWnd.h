#pragma once
// The row menu: a borderless popup that the main window shows at the mouse
// point on a right click and that sends its five commands back as notifications.
#include "app/windows/AppWindow.h"

class CMenuWnd : public CAppWindow {
public:
    // The control in whose manager the commands are sent.
    void SetTarget(SkinUI::CControlUI* target) { m_target = target; }
    void Notify(SkinUI::NotifyMsg& msg) override;
    // Hides the menu with no entry left highlighted. The menu is never closed
    // while the main window lives: it shows the same object all run long.
    void Hide();

protected:
    LPCWSTR GetWindowClassName() const override { return L"MenuWnd"; }
    void InitWindow() override;
    SkinUI::CUIString GetSkinFile() override { return L"120"; }
    LRESULT OnKillFocus(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    SkinUI::CControlUI* m_target = nullptr;
};
