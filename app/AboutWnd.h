#pragma once
// The modal About window with the usage tip.
#include "ui/core/window/UIWindowImplBase.h"

class CAboutWnd : public SkinUI::WindowImplBase {
public:
    void Notify(SkinUI::NotifyMsg& msg) override;

protected:
    LPCWSTR GetWindowClassName() const override { return L"AboutWnd"; }
    void OnFinalMessage(HWND hwnd) override;
    SkinUI::CUIString GetSkinFolder() override { return L""; }
    SkinUI::CUIString GetSkinFile() override { return L"122"; }
    int GetResourceType() const override { return SkinUI::UISKIN_RESOURCE; }
    LRESULT OnSize(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
};
