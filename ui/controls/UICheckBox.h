#pragma once

#include <windows.h>

#include "ui/controls/UIOption.h"

namespace SkinUI {

// An option under its own element and class name; without a group it
// toggles on each click.
class CCheckBoxUI : public COptionUI {
public:
    CCheckBoxUI();
    ~CCheckBoxUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;

    bool GetCheck() const { return IsSelected(); }
};

}  // namespace SkinUI
