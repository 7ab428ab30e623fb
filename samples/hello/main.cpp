// The smallest skinned program: one window whose look comes entirely from
// the skin compiled into it. Drag it by its top band; Escape or its button closes it.

#include <windows.h>

#include "ui/core/manager/UIManager.h"
#include "ui/core/window/UIWindowImplBase.h"

namespace {

class HelloWindow : public SkinUI::WindowImplBase {
protected:
    LPCWSTR GetWindowClassName() const override { return L"SkinUIHello"; }
    SkinUI::CUIString GetSkinFolder() override { return L""; }
    SkinUI::CUIString GetSkinFile() override { return L"1"; }
    int GetResourceType() const override { return SkinUI::UISKIN_RESOURCE; }
    void OnFinalMessage(HWND hwnd) override {
        WindowImplBase::OnFinalMessage(hwnd);
        ::PostQuitMessage(0);
        delete this;
    }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    SkinUI::CUIManager::SetInstance(instance);
    auto* window = new HelloWindow;
    // The skin sets the size; a default position would be applied again at the first show.
    if (window->Create(nullptr, L"SkinUI", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, 0) == nullptr) {
        return 1;
    }
    window->CenterWindow();
    window->ShowWindow();
    SkinUI::CUIManager::MessageLoop();
    return 0;
}
