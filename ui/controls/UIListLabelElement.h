#pragma once

#include <windows.h>

#include "ui/controls/UIListElement.h"
#include "ui/core/base/UIString.h"

namespace SkinUI {

// A list row showing one text with the list's font, colours and padding.
class CListLabelElementUI : public CListElementUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR name) override;
    void SetText(LPCWSTR text) override;
    void SetFixedWidth(int width) override;
    void SetFixedHeight(int height) override;
    void DoEvent(UIEvent& event) override;
    SIZE MeasureSize(SIZE available) override;
    bool DoPaint(HDC dc, const RECT& paintRect, CControlUI* stopControl) override;
    void SetOwner(CControlUI* owner) override;
    void DrawRowText(HDC dc, const RECT& rect) override;

protected:
    // The estimate of a row showing `text` whose width, unless fixed, is
    // `defaultWidth` (0: measured). Recomputed only when something it
    // depends on changed.
    SIZE EstimateRow(SIZE available, LPCWSTR text, int defaultWidth);
    void MarkEstimateStale() { m_needEstimate = true; }

private:
    // What the last estimate was made from. The font is known by its metrics
    // and face: a font replaced under the same id must be measured again.
    struct EstimateInputs {
        int itemHeight = 0;
        UINT textStyle = 0;
        RECT textPadding = {0, 0, 0, 0};
        CUIString fontFace;
        TEXTMETRICW fontMetrics = {};
        int defaultWidth = 0;
        CUIString text;
    };
    EstimateInputs CurrentInputs(const ListInfo& info, LPCWSTR text, int defaultWidth) const;
    static bool SameInputs(const EstimateInputs& first, const EstimateInputs& second);
    SIZE ComputeEstimate(SIZE available, const ListInfo& info, const EstimateInputs& inputs) const;

    bool m_needEstimate = true;
    SIZE m_lastEstimate = {0, 0};
    SIZE m_lastAvailable = {0, 0};
    EstimateInputs m_inputs;
};

}  // namespace SkinUI
