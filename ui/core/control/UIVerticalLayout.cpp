#include "ui/core/control/UIVerticalLayout.h"

#include <cwchar>

namespace SkinUI {

LPCWSTR CVerticalLayoutUI::GetClass() const {
    return L"VerticalLayout";
}

LPVOID CVerticalLayoutUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"VerticalLayout") == 0) {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

}  // namespace SkinUI
