#include "app/windows/AboutWnd.h"

#include "ui/core/control/UIControl.h"

void CAboutWnd::Notify(SkinUI::NotifyMsg& msg) {
    if (msg.type == L"click" && msg.sender != nullptr && msg.sender->GetName() == L"closebtn") {
        Close(1);
    }
}

LRESULT CAboutWnd::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
    // A fixed-size box: no window region, no new layout.
    handled = true;
    return 1;
}
