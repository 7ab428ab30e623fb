#pragma once

#include "ui/core/control/UIBoxLayout.h"

namespace SkinUI {

// Places its children from top to bottom; "sepheight" makes the top
// (negative) or bottom (positive) edge a drag handle.
class CVerticalLayoutUI : public CBoxLayoutUI {
public:
    CVerticalLayoutUI() : CBoxLayoutUI(true) {}

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;

    int GetSepHeight() const { return GetSepSize(); }
    void SetSepHeight(int height) { SetSepSize(height); }
};

}  // namespace SkinUI
