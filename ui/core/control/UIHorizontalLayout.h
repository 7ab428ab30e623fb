#pragma once

#include "ui/core/control/UIBoxLayout.h"

namespace SkinUI {

// Places its children from left to right; "sepwidth" makes the left
// (negative) or right (positive) edge a drag handle.
class CHorizontalLayoutUI : public CBoxLayoutUI {
public:
    CHorizontalLayoutUI() : CBoxLayoutUI(false) {}

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;

    int GetSepWidth() const { return GetSepSize(); }
    void SetSepWidth(int width) { SetSepSize(width); }
};

}  // namespace SkinUI
