#include "ui/controls/UICheckBox.h"

#include <cwchar>

namespace SkinUI {

CCheckBoxUI::CCheckBoxUI() = default;

CCheckBoxUI::~CCheckBoxUI() = default;

LPCWSTR CCheckBoxUI::GetClass() const {
    return L"CheckBox";
}

LPVOID CCheckBoxUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"CheckBox") == 0) {
        return static_cast<CCheckBoxUI*>(this);
    }
    return COptionUI::GetInterface(name);
}

}  // namespace SkinUI
