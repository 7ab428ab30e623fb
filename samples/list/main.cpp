// A list in a skinned window: drag the column separators, scroll with the
// wheel or the bars, select rows with the mouse or the arrow keys. Escape
// closes it.

#include <windows.h>

#include <cwchar>

#include "ui/controls/UIList.h"
#include "ui/controls/UIListTextElement.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/window/UIWindowImplBase.h"

namespace {

constexpr int kRowCount = 40;

class ListWindow : public SkinUI::WindowImplBase {
protected:
    LPCWSTR GetWindowClassName() const override { return L"SkinUIList"; }
    SkinUI::CUIString GetSkinFolder() override { return L""; }
    SkinUI::CUIString GetSkinFile() override { return L"1"; }
    int GetResourceType() const override { return SkinUI::UISKIN_RESOURCE; }
    void OnFinalMessage(HWND hwnd) override {
        WindowImplBase::OnFinalMessage(hwnd);
        ::PostQuitMessage(0);
        delete this;
    }

    void InitWindow() override {
        SkinUI::CControlUI* found = GetManager().FindControlByName(L"files");
        auto* list = found != nullptr ? static_cast<SkinUI::CListUI*>(found->GetInterface(L"List")) : nullptr;
        if (list == nullptr) {
            return;
        }
        for (int index = 0; index < kRowCount; ++index) {
            auto* row = new SkinUI::CListTextElementUI;
            list->Add(row);
            wchar_t text[64];
            swprintf(text, 64, L"Font %02d.ttf", index + 1);
            row->SetText(0, text);
            swprintf(text, 64, L"C:\\Fonts\\Collection %d", index / 5 + 1);
            row->SetText(1, text);
            row->SetText(2, index % 3 == 0 ? L"已加载" : L"—");
        }
    }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    SkinUI::CUIManager::SetInstance(instance);
    auto* window = new ListWindow;
    if (window->Create(nullptr, L"SkinUI List", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, 0) == nullptr) {
        return 1;
    }
    window->CenterWindow();
    window->ShowWindow();
    SkinUI::CUIManager::MessageLoop();
    return 0;
}
