#pragma once

#include <windows.h>

#include <vector>

#include "ui/core/render/UIRichTextHost.h"
#include "ui/core/render/UIRichTextMarkup.h"

namespace SkinUI {
namespace RichText {

// The caller's link arrays: the rectangle and name of each link piece laid
// out so far. A link broken over several lines has one piece per line.
struct LinkOutput {
    RECT* rects = nullptr;
    CUIString* names = nullptr;
    int capacity = 0;
    int count = 0;
};

// Everything the markup has opened up to some point of the text. Each line
// is laid out twice from the same state: once to measure it, once to draw it.
struct MarkupState {
    int position = 0;
    // Empty stacks stand for the defaults: the base font and colour, no
    // paragraph spacing, bottom alignment.
    std::vector<FontEntry*> fonts;
    std::vector<DWORD> colors;
    std::vector<int> spacings;
    std::vector<VerticalAlign> alignments;
    bool selected = false;
    bool raw = false;
    bool linkOpen = false;
    CUIString linkName;
};

// Lays rich text out line by line inside a rectangle and, unless it only
// measures (DT_CALCRECT), draws it there.
class CRichTextLayout {
public:
    CRichTextLayout(HDC dc, IRichTextHost& host, const CUIString& text, FontEntry* baseFont, DWORD color, UINT style);
    CRichTextLayout(const CRichTextLayout&) = delete;
    CRichTextLayout& operator=(const CRichTextLayout&) = delete;

    // Images are drawn only where they meet `paint`.
    void SetPaintRect(const RECT& paint) { m_paint = paint; }
    // Runs in this link's colours are drawn in the hover colour.
    void SetHoveredLink(const CUIString& name) {
        m_hoveredLink = name;
        m_hasHoveredLink = true;
    }

    // Lays out (and draws) the text in `rect`, recording link pieces into
    // `links`. Returns the bounds of what was laid out: `rect`'s left and
    // top, the end of the widest line and the lowest line or image bottom.
    RECT Run(const RECT& rect, LinkOutput& links);

private:
    enum class Pass { Measure, Draw };
    enum class Flow { Continue, EndLine };

    // Per-line values of one pass.
    struct Line {
        int top = 0;
        int height = 0;
        int x = 0;
        int widest = 0;  // the furthest the pen got
        int drawOffset = 0;
        int drawHeight = 0;  // the measured height, when drawing
        bool hasContent = false;
        bool endsAtBreak = false;  // the last character placed allows a word break after it
        int linkStart = 0;
        int centerImage = 0;  // the tallest image centred in the line
        int topImage = 0;     // the tallest image at the top of the line
    };

    // How far a measured line moves right to be centred or right-aligned.
    int AlignmentOffset(const Line& measured) const;
    // The bottom of a measured line or of an image that reaches below it.
    int Lowest(const Line& measured) const;

    void LayOutLine(MarkupState& state, Line& line, Pass pass);
    Flow Step(MarkupState& state, Line& line);
    Flow OpenTag(MarkupState& state, Line& line, const MarkupToken& token);
    Flow CloseTag(MarkupState& state, Line& line, const MarkupToken& token);
    // A paragraph starts or ends with its spacing in place: on a new line
    // unless the pen is still at the left edge.
    Flow BreakForParagraph(MarkupState& state, Line& line, int tagEnd);
    // Places as much of the run as the line takes; `kept` tells how much.
    Flow PlaceText(const MarkupState& state, Line& line, LPCWSTR chars, int count, int& kept);
    Flow PlaceImage(MarkupState& state, Line& line, const CUIString& arguments, int tagEnd);

    void PushFont(MarkupState& state, Line& line, FontEntry* font);
    void PopFont(MarkupState& state, Line& line);
    void PushColor(MarkupState& state, DWORD color);
    void PopColor(MarkupState& state);
    void Select(MarkupState& state, bool selected);
    // Null when the font can neither be found nor made.
    FontEntry* Variant(FontEntry* font, bool bold, bool underline, bool italic);
    FontEntry* FontFromArguments(const CUIString& arguments, FontEntry* current);
    FontEntry* FindOrAddFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic);
    // Link pieces are recorded only while measuring.
    void BeginLink(const MarkupState& state, Line& line);
    void RecordLink(const Line& line);

    FontEntry* CurrentFont(const MarkupState& state) const;
    DWORD CurrentColor(const MarkupState& state) const;
    int CurrentSpacing(const MarkupState& state) const;
    VerticalAlign CurrentAlignment(const MarkupState& state) const;
    // Makes the line at least as high as a row of the current font below
    // the current paragraph spacing.
    void FitCurrentFont(const MarkupState& state, Line& line);
    void SelectFont(FontEntry* font);
    int FontHeight(FontEntry* font);
    int AlignedTop(const Line& line, int itemHeight, VerticalAlign alignment) const;
    bool Drawing() const { return m_pass == Pass::Draw; }
    bool SingleLine() const { return (m_style & DT_SINGLELINE) != 0; }

    HDC m_dc;
    IRichTextHost& m_host;
    LPCWSTR m_text;
    int m_length;
    FontEntry* m_baseFont;
    DWORD m_baseColor;
    UINT m_style;
    RECT m_rect = {0, 0, 0, 0};
    RECT m_paint = {0, 0, 0, 0};
    CUIString m_hoveredLink;
    bool m_hasHoveredLink = false;
    LinkOutput* m_links = nullptr;
    Pass m_pass = Pass::Measure;
    HFONT m_selectedFont = nullptr;
    std::vector<int> m_extents;  // widths of the first 1, 2, ... characters of the last run measured
};

// Ids of the fonts that rich text adds for its variants, unique in the process.
int NextVariantFontId();

}  // namespace RichText
}  // namespace SkinUI
