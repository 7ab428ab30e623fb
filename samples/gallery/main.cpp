// A tab layout of four pages: a tile layout of cards; a slider that drives a
// progress bar beside an animated GIF; an edit box, a combo box and a
// date-time picker; a tree of font families whose folders open and close and
// whose check boxes check whole families. The options above switch pages.
// Escape closes it.

#include <windows.h>

#include <cwchar>

#include "ui/controls/UIButton.h"
#include "ui/controls/UIListLabelElement.h"
#include "ui/controls/UIOption.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/window/UIWindowImplBase.h"
#include "ui/extra/UICombo.h"
#include "ui/extra/UIProgress.h"
#include "ui/extra/UISlider.h"
#include "ui/extra/UITabLayout.h"
#include "ui/extra/UITileLayout.h"
#include "ui/extra/UITreeView.h"

namespace {

// The parts of a tree row: an attribute list of an attribute list cannot be
// written in a skin's attribute, so the rows get them here.
constexpr wchar_t kFolderAttributes[] =
    L"normalimage=\"res='2' restype='PNG'\" selectedimage=\"res='3' restype='PNG'\"";
constexpr wchar_t kCheckAttributes[] = L"normalimage=\"res='4' restype='PNG'\" selectedimage=\"res='5' restype='PNG'\"";
constexpr wchar_t kItemAttributes[] = L"font=\"1\" textpadding=\"4,0,0,0\"";

constexpr LPCWSTR kFaces[] = {L"Arial",  L"Georgia", L"Verdana",   L"Tahoma",   L"Courier New", L"Times New Roman",
                              L"Impact", L"Symbol",  L"Wingdings", L"Segoe UI", L"Consolas",    L"Calibri"};

// Controls made in code take no defaults of the skin: a card says how it looks.
constexpr wchar_t kCardAttributes[] =
    L"font=\"1\" textcolor=\"#FF2A9CC0\" bordersize=\"1\" bordercolor=\"#FFDDEFF6\" borderround=\"6,6\" "
    L"normalimage=\"color='#FFF4F8FA'\" hotimage=\"color='#FFE3F3FA'\" pushedimage=\"color='#FFBFE5F3'\"";

template <typename Control>
Control* Find(SkinUI::CUIManager& manager, LPCWSTR name, LPCWSTR interfaceName) {
    SkinUI::CControlUI* control = manager.FindControlByName(name);
    return control != nullptr ? static_cast<Control*>(control->GetInterface(interfaceName)) : nullptr;
}

class GalleryWindow : public SkinUI::WindowImplBase {
protected:
    LPCWSTR GetWindowClassName() const override { return L"SkinUIGallery"; }
    SkinUI::CUIString GetSkinFolder() override { return L""; }
    SkinUI::CUIString GetSkinFile() override { return L"1"; }
    int GetResourceType() const override { return SkinUI::UISKIN_RESOURCE; }
    void OnFinalMessage(HWND hwnd) override {
        WindowImplBase::OnFinalMessage(hwnd);
        ::PostQuitMessage(0);
        delete this;
    }

    void InitWindow() override {
        if (auto* faces = Find<SkinUI::CComboUI>(m_manager, L"face", L"Combo")) {
            for (LPCWSTR face : kFaces) {
                auto* row = new SkinUI::CListLabelElementUI;
                faces->Add(row);
                row->SetText(face);
            }
            faces->SelectItem(0, false, false);
        }
        if (auto* families = Find<SkinUI::CTreeViewUI>(m_manager, L"families", L"TreeView")) {
            for (int row = 0; row < families->GetCount(); ++row) {
                auto* node = static_cast<SkinUI::CTreeNodeUI*>(families->GetItemAt(row)->GetInterface(L"TreeNode"));
                // A leaf keeps its folder button's room, without a glyph.
                if (node->GetChildCount() > 0) {
                    node->SetAttribute(L"folderattr", kFolderAttributes);
                }
                node->SetAttribute(L"checkboxattr", kCheckAttributes);
                node->SetAttribute(L"itemattr", kItemAttributes);
            }
        }
        if (auto* cards = Find<SkinUI::CTileLayoutUI>(m_manager, L"cards", L"TileLayout")) {
            for (LPCWSTR face : kFaces) {
                auto* card = new SkinUI::CButtonUI;
                cards->Add(card);
                card->SetAttributeList(kCardAttributes);
                card->SetText(face);
            }
        }
    }

    void Notify(SkinUI::NotifyMsg& msg) override {
        const SkinUI::CUIString name = msg.sender != nullptr ? msg.sender->GetName() : SkinUI::CUIString();
        if (msg.type == L"selectchanged") {
            // The option that was left reports too: only the chosen one turns
            // the page. The tree's boxes are options of no group.
            auto* option = static_cast<SkinUI::COptionUI*>(msg.sender->GetInterface(L"Option"));
            auto* pages = Find<SkinUI::CTabLayoutUI>(m_manager, L"pages", L"TabLayout");
            if (option != nullptr && option->IsSelected() && pages != nullptr &&
                std::wcscmp(option->GetGroup(), L"pages") == 0) {
                pages->SelectItem(name == L"meters" ? 1 : name == L"forms" ? 2 : name == L"tree" ? 3 : 0);
            }
            CountChecked();
        } else if (msg.type == L"valuechanged") {
            ShowValue();
        } else if (msg.type == L"textchanged" || msg.type == L"itemselect") {
            Echo();
        } else {
            WindowImplBase::Notify(msg);
        }
    }

private:
    void CountChecked() {
        auto* families = Find<SkinUI::CTreeViewUI>(m_manager, L"families", L"TreeView");
        SkinUI::CControlUI* label = m_manager.FindControlByName(L"checked");
        if (families == nullptr || label == nullptr) {
            return;
        }
        int checked = 0;
        for (int row = 0; row < families->GetCount(); ++row) {
            auto* node = static_cast<SkinUI::CTreeNodeUI*>(families->GetItemAt(row)->GetInterface(L"TreeNode"));
            checked += node->IsChecked() && node->GetChildCount() == 0 ? 1 : 0;
        }
        wchar_t text[48];
        swprintf(text, 48, L"Faces checked: %d", checked);
        label->SetText(text);
    }

    // What the form holds, shown below it as the user edits.
    void Echo() {
        SkinUI::CControlUI* name = m_manager.FindControlByName(L"name");
        SkinUI::CControlUI* face = m_manager.FindControlByName(L"face");
        SkinUI::CControlUI* echo = m_manager.FindControlByName(L"echo");
        if (name == nullptr || face == nullptr || echo == nullptr) {
            return;
        }
        echo->SetText(name->GetText() + L" in " + face->GetText());
    }

    void ShowValue() {
        auto* slider = Find<SkinUI::CSliderUI>(m_manager, L"slider", L"Slider");
        auto* progress = Find<SkinUI::CProgressUI>(m_manager, L"progress", L"Progress");
        SkinUI::CControlUI* label = m_manager.FindControlByName(L"value");
        if (slider == nullptr || progress == nullptr || label == nullptr) {
            return;
        }
        progress->SetValue(slider->GetValue());
        wchar_t text[32];
        swprintf(text, 32, L"Value: %d", slider->GetValue());
        label->SetText(text);
    }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    SkinUI::CUIManager::SetInstance(instance);
    auto* window = new GalleryWindow;
    if (window->Create(nullptr, L"SkinUI Gallery", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, 0) == nullptr) {
        return 1;
    }
    window->CenterWindow();
    window->ShowWindow();
    SkinUI::CUIManager::MessageLoop();
    return 0;
}
