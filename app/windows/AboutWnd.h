#pragma once
// The modal About window with the usage tip.
#include "app/windows/AppWindow.h"

class CAboutWnd : public CAppWindow {
public:
    void Notify(SkinUI::NotifyMsg& msg) override;

protected:
    LPCWSTR GetWindowClassName() const override { return L"AboutWnd"; }
    SkinUI::CUIString GetSkinFile() override { return L"122"; }
    LRESULT OnSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
};
