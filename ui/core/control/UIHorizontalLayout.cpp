#include "ui/core/control/UIHorizontalLayout.h"

#include <cwchar>

namespace SkinUI {

LPCWSTR CHorizontalLayoutUI::GetClass() const {
    return L"HorizontalLayout";
}

LPVOID CHorizontalLayoutUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"HorizontalLayout") == 0) {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

}  // namespace SkinUI
