#pragma once
// What a "RichEdit" element makes: a read-only text area that paints its
// background, border and text, word-wrapped and clipped to the control. It
// hosts no native window and takes no input; it keeps any children a skin
// gives it.
#include "ui/core/control/UIContainer.h"

namespace SkinUI {

class CRichEditUI : public CContainerUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    void PaintText(HDC dc) override;

    void SetFont(int fontId);
    void SetTextColor(DWORD color);
    void SetTextPadding(RECT padding);

private:
    int m_font = -1;
    DWORD m_textColor = 0;
    RECT m_textPadding = {0, 0, 0, 0};
};

}  // namespace SkinUI
