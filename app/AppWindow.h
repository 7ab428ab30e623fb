#pragma once
// What the program's four windows share: a skin compiled into the program,
// and an object that ends with its window.
#include "ui/core/window/UIWindowImplBase.h"

class CAppWindow : public SkinUI::WindowImplBase {
protected:
    // Created with new; deletes itself on its window's last message.
    void OnFinalMessage(HWND hwnd) override {
        WindowImplBase::OnFinalMessage(hwnd);
        delete this;
    }
    SkinUI::CUIString GetSkinFolder() override { return L""; }
    int GetResourceType() const override { return SkinUI::UISKIN_RESOURCE; }
};
