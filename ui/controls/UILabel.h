#pragma once

#include <windows.h>

#include <memory>

#include "ui/core/control/UIControl.h"
#include "ui/core/gdi/UIGdiPlus.h"

namespace SkinUI {

// A string drawn inside the control's rectangle: a font of the manager's
// table, DrawText alignment and wrapping, padding, optional HTML-like markup
// and optional GDI+ effects (gradient, glow, outline, shadow). Without a
// fixed size it measures its text for the box layouts.
class CLabelUI : public CControlUI {
public:
    CLabelUI();
    ~CLabelUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetText(LPCWSTR text) override;
    void SetFixedWidth(int width) override;
    void SetFixedHeight(int height) override;
    void DoEvent(UIEvent& event) override;
    void SetAttribute(LPCWSTR name, LPCWSTR value) override;
    SIZE MeasureSize(SIZE available) override;
    void PaintText(HDC dc) override;

    // 0 stands for the manager's default (or disabled) font colour, which
    // replaces it at the first paint.
    DWORD GetTextColor() const { return m_textColor; }
    void SetTextColor(DWORD color);
    DWORD GetDisabledTextColor() const { return m_disabledTextColor; }
    void SetDisabledTextColor(DWORD color);
    // An index of the manager's font table; -1 is its default font.
    int GetFont() const { return m_font; }
    void SetFont(int font);
    // DrawText flags: alignment, wrapping, ellipsis.
    UINT GetTextStyle() const { return m_textStyle; }
    void SetTextStyle(UINT style);
    RECT GetTextPadding() const { return Scaled(m_textPadding); }
    void SetTextPadding(RECT padding);
    bool IsShowHtml() const { return m_showHtml; }
    void SetShowHtml(bool showHtml);
    bool IsEffectEnabled() const { return m_effectEnabled; }
    void SetEffectEnabled(bool enabled);

protected:
    // Whether the size this control asks for depends on its text, font and
    // padding; such a control asks its parent for a new layout when they change.
    virtual bool SizeFollowsContent() const;
    // Marks the estimate stale and asks for a new layout when the size
    // follows the content (or did before the change), else for a repaint.
    void ContentChanged(bool sizeFollowedBefore = false);
    // Fills in the manager's colours for the text colours that are 0; false without a manager.
    bool ResolveDefaultColors();
    // The item rectangle less the text padding.
    RECT GetTextRect() const;
    // Draws (or with DT_CALCRECT measures) the text with the HTML renderer,
    // without links, or with the plain one.
    void DrawTextIn(HDC dc, RECT& rect, DWORD color, UINT style);

    DWORD m_textColor = 0;
    DWORD m_disabledTextColor = 0;
    int m_font = -1;
    UINT m_textStyle = DT_SINGLELINE | DT_VCENTER;
    RECT m_textPadding = {0, 0, 0, 0};
    bool m_showHtml = false;

private:
    void SetShadowOffset(LPCWSTR value);
    // The GDI+ pass; false when the text must be drawn the plain way instead.
    bool PaintEffectText(HDC dc, const RECT& rect);

    SIZE m_availableSize = {0, 0};
    SIZE m_estimate = {0, 0};
    bool m_estimateStale = true;
    int m_estimateDpi = 0;
    float m_luminousFuzz = 3.0f;
    int m_gradientLength = 0;
    int m_gradientAngle = 0;
    bool m_effectEnabled = false;
    bool m_luminousEnabled = false;
    bool m_strokeEnabled = false;
    bool m_shadowEnabled = false;
    DWORD m_textColor1 = 0xFFFFFFFF;  // 0xFFFFFFFF: the text colour itself
    DWORD m_shadowColorA = 0xFF000000;
    DWORD m_shadowColorB = 0xFFFFFFFF;  // 0xFFFFFFFF: shadow colour A
    DWORD m_strokeColor = 0;
    float m_shadowX = 0.0f;
    float m_shadowY = 0.0f;
    // Taken when effects are first switched on, so that plain labels never start GDI+.
    std::unique_ptr<CGdiPlusUser> m_gdiPlus;
};

}  // namespace SkinUI
