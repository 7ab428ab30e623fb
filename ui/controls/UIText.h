#pragma once

#include <windows.h>

#include "ui/controls/UILabel.h"

namespace SkinUI {

// A label that wraps by default and whose HTML links can be clicked: a click
// on a link sends "link" with the link's index.
class CTextUI : public CLabelUI {
public:
    static constexpr int kMaxLinks = 8;

    CTextUI();
    ~CTextUI() override;

    LPCWSTR GetClass() const override;
    UINT GetControlFlags() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void DoEvent(UIEvent& event) override;
    void PaintText(HDC dc) override;

    // The link pieces of the last paint, in window coordinates; an index out
    // of range gives an empty rectangle.
    int GetLinkCount() const { return m_linkCount; }
    RECT GetLinkRect(int index) const;

private:
    // The index of the link piece under `point`, or -1.
    int LinkAt(POINT point) const;
    // False when the event was not about a link and goes on to the label.
    bool HandleLinkEvent(const UIEvent& event);

    int m_linkCount = 0;
    RECT m_linkRects[kMaxLinks] = {};
    CUIString m_linkNames[kMaxLinks];
    int m_hoverLink = -1;
};

}  // namespace SkinUI
