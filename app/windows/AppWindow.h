#pragma once
// What the program's four windows share: a skin compiled into the program,
// and an object that ends with its window.
#include "ui/core/window/UIWindowImplBase.h"

class CAppWindow : public SkinUI::WindowImplBase {
public:
    // Creates the native window of `window`, an object made with new. On
    // failure the object is deleted exactly once, whether creation failed
    // before the window existed or after (the failed window's last message
    // then arrives inside CreateWindowExW), and null is returned.
    template <typename Window>
    static Window* CreateOwned(Window* window, HWND parent, LPCWSTR title, DWORD style, DWORD exStyle, int x, int y,
                               int width, int height) {
        window->m_creating = true;
        if (window->Create(parent, title, style, exStyle, x, y, width, height) == nullptr) {
            delete window;
            return nullptr;
        }
        window->m_creating = false;
        return window;
    }

protected:
    // Deletes itself on its window's last message, except inside CreateOwned,
    // which owns the object until the window exists.
    void OnFinalMessage(HWND hwnd) override {
        WindowImplBase::OnFinalMessage(hwnd);
        if (!m_creating) {
            delete this;
        }
    }
    SkinUI::CUIString GetSkinFolder() override { return L""; }
    int GetResourceType() const override { return SkinUI::UISKIN_RESOURCE; }

private:
    bool m_creating = false;
};
