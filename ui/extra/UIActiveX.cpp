#include "ui/extra/UIActiveX.h"

#include "ui/core/base/UIValueParse.h"

namespace SkinUI {

LPCWSTR CActiveXUI::GetClass() const {
    return L"ActiveX";
}

LPVOID CActiveXUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && IsName(name, L"ActiveX")) {
        return this;
    }
    return CContainerUI::GetInterface(name);
}

LPCWSTR CWebBrowserUI::GetClass() const {
    return L"WebBrowser";
}

LPVOID CWebBrowserUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && IsName(name, L"WebBrowser")) {
        return this;
    }
    return CActiveXUI::GetInterface(name);
}

}  // namespace SkinUI
