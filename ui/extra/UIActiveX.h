#pragma once
// What the "ActiveX" and "WebBrowser" elements make: places in a skin that
// paint their background and border. They create no COM object and no
// native window; they keep any children a skin gives them, so a skin written
// for a hosting framework still lays out.
#include "ui/core/control/UIContainer.h"

namespace SkinUI {

class CActiveXUI : public CContainerUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
};

class CWebBrowserUI : public CActiveXUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
};

}  // namespace SkinUI
