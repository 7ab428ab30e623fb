#include "ui/core/render/UIRichTextLayout.h"

#include <algorithm>

#include "ui/core/gdi/UIColorRef.h"
#include "ui/core/gdi/UINineGrid.h"

namespace SkinUI {
namespace RichText {

namespace {

// Word breaks may follow any character that is not an ASCII letter.
bool IsWordLetter(WCHAR ch) {
    return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z');
}

bool IsHighSurrogate(WCHAR ch) {
    return ch >= 0xD800 && ch <= 0xDBFF;
}

bool IsBlankText(const CUIString& text) {
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text.GetAt(i) > L' ')
            return false;
    }
    return true;
}

// Never ends a cut between the two halves of a surrogate pair: backs off one
// character, or keeps the whole pair when it is all there is.
int KeepPairsWhole(LPCWSTR chars, int count, int kept) {
    if (kept < count && IsHighSurrogate(chars[kept - 1]))
        return kept > 1 ? kept - 1 : kept + 1;
    return kept;
}

// The length up to and including the last character of chars[0, kept) after
// which a word may break; 0 when there is none.
int LastWordBreak(LPCWSTR chars, int kept) {
    for (int i = kept - 1; i >= 0; --i) {
        if (!IsWordLetter(chars[i]))
            return i + 1;
    }
    return 0;
}

}  // namespace

int NextVariantFontId() {
    static int nextId = 30000;
    return nextId++;
}

CRichTextLayout::CRichTextLayout(HDC dc, IRichTextHost& host, const CUIString& text, FontEntry* baseFont, DWORD color,
                                 UINT style)
    : m_dc(dc),
      m_host(host),
      m_text(text.GetData()),
      m_length(text.GetLength()),
      m_baseFont(baseFont),
      m_baseColor(color),
      m_style(style) {}

RECT CRichTextLayout::Run(const RECT& rect, LinkOutput& links) {
    m_rect = rect;
    m_links = &links;
    const bool measureOnly = (m_style & DT_CALCRECT) != 0;
    RECT bounds = {rect.left, rect.top, rect.left, rect.top};
    MarkupState state;
    int top = rect.top;
    while (state.position < m_length) {
        if (!measureOnly && top >= rect.bottom)
            break;
        const MarkupState lineStart = state;
        const int firstLink = links.count;
        Line measured;
        measured.top = top;
        LayOutLine(state, measured, Pass::Measure);

        const int offset = AlignmentOffset(measured);
        for (int i = firstLink; i < links.count; ++i) {
            RECT& piece = links.rects[i];
            piece.left += offset;
            piece.right += offset;
            piece.top = top;
            piece.bottom = top + measured.height;
        }
        if (!measureOnly) {
            MarkupState drawState = lineStart;
            Line drawn;
            drawn.top = top;
            drawn.drawOffset = offset;
            drawn.drawHeight = measured.height;
            LayOutLine(drawState, drawn, Pass::Draw);
        }

        bounds.bottom = std::max(static_cast<int>(bounds.bottom), Lowest(measured));
        bounds.right = std::max(static_cast<int>(bounds.right), measured.widest);
        top += measured.height;
        // Every line consumes something; the check only guards against looping forever.
        if (SingleLine() || state.position == lineStart.position)
            break;
    }
    return bounds;
}

int CRichTextLayout::AlignmentOffset(const Line& measured) const {
    const int spare = m_rect.right - measured.widest;
    if (SingleLine() || spare <= 0)
        return 0;
    if ((m_style & DT_CENTER) != 0)
        return spare / 2;
    return (m_style & DT_RIGHT) != 0 ? spare : 0;
}

int CRichTextLayout::Lowest(const Line& measured) const {
    int lowest = measured.top + measured.height;
    if (measured.centerImage > 0)
        lowest = std::max(lowest, measured.top + (measured.height - measured.centerImage) / 2 + measured.centerImage);
    if (measured.topImage > 0)
        lowest = std::max(lowest, measured.top + measured.topImage);
    return lowest;
}

void CRichTextLayout::LayOutLine(MarkupState& state, Line& line, Pass pass) {
    m_pass = pass;
    line.x = m_rect.left;
    line.widest = m_rect.left;
    SelectFont(CurrentFont(state));
    FitCurrentFont(state, line);
    if (Drawing()) {
        SetTextColor(m_dc, Render::ToColorRef(CurrentColor(state)));
        SetBkMode(m_dc, state.selected ? OPAQUE : TRANSPARENT);
    }
    if (state.linkOpen)
        BeginLink(state, line);
    while (state.position < m_length && Step(state, line) == Flow::Continue) {
    }
    if (state.linkOpen)
        RecordLink(line);
}

CRichTextLayout::Flow CRichTextLayout::Step(MarkupState& state, Line& line) {
    const int pos = state.position;
    const WCHAR ch = m_text[pos];
    if (ch == L'\n') {
        state.position = pos + 1;
        return Flow::EndLine;
    }
    if (IsMarkupStart(ch)) {
        const MarkupToken token = ReadMarkup(m_text, m_length, pos);
        if (state.raw) {
            if (token.kind == TokenKind::CloseTag && token.letter == L'r') {
                state.raw = false;
                state.position = token.end;
                return Flow::Continue;
            }
        } else if (token.kind == TokenKind::Escape) {
            int kept = 0;
            const Flow flow = PlaceText(state, line, &token.letter, 1, kept);
            if (kept > 0)
                state.position = token.end;
            return flow;
        } else if (token.kind == TokenKind::OpenTag) {
            return OpenTag(state, line, token);
        } else if (token.kind == TokenKind::CloseTag) {
            return CloseTag(state, line, token);
        }
    }
    // A run of plain text reaches to the next bracket or line end; a space
    // stands alone.
    int end = pos + 1;
    if (ch != L' ') {
        while (end < m_length && !IsMarkupStart(m_text[end]) && m_text[end] != L'\n')
            ++end;
    }
    int kept = 0;
    const Flow flow = PlaceText(state, line, m_text + pos, end - pos, kept);
    state.position = pos + kept;
    return flow;
}

CRichTextLayout::Flow CRichTextLayout::OpenTag(MarkupState& state, Line& line, const MarkupToken& token) {
    const CUIString arguments(m_text + token.argsStart, token.argsEnd - token.argsStart);
    FontEntry* font = CurrentFont(state);
    switch (token.letter) {
    case L'a':
        state.linkOpen = true;
        state.linkName = arguments;
        BeginLink(state, line);
        PushColor(state, m_hasHoveredLink && arguments == m_hoveredLink ? m_host.GetDefaultLinkHoverFontColor()
                                                                        : m_host.GetDefaultLinkFontColor());
        PushFont(state, line, Variant(font, font->bold, true, font->italic));
        break;
    case L'b':
        PushFont(state, line, Variant(font, true, font->underline, font->italic));
        break;
    case L'c':
        PushColor(state, ParseTagColor(arguments));
        break;
    case L'f':
        PushFont(state, line, FontFromArguments(arguments, font));
        break;
    case L'i':
        if (!IsBlankText(arguments))
            return PlaceImage(state, line, arguments, token.end);
        PushFont(state, line, Variant(font, font->bold, font->underline, true));
        break;
    case L'n':
        state.position = token.end;
        return SingleLine() ? Flow::Continue : Flow::EndLine;
    case L'p':
        state.spacings.push_back(m_host.ScaleLength(ParseNumber(arguments, 0, 32767, 0)));
        return BreakForParagraph(state, line, token.end);
    case L'r':
        state.raw = true;
        break;
    case L's':
        Select(state, true);
        break;
    case L'u':
        PushFont(state, line, Variant(font, font->bold, true, font->italic));
        break;
    case L'v':
        state.alignments.push_back(ParseVerticalAlign(arguments));
        break;
    case L'x':
        line.x += m_host.ScaleLength(ParseNumber(arguments, -32767, 32767, 0));
        line.widest = std::max(line.widest, line.x);
        break;
    case L'y':
        line.height = m_host.ScaleLength(ParseNumber(arguments, 0, 32767, 0));
        break;
    default:
        break;
    }
    state.position = token.end;
    return Flow::Continue;
}

CRichTextLayout::Flow CRichTextLayout::CloseTag(MarkupState& state, Line& line, const MarkupToken& token) {
    switch (token.letter) {
    case L'a':
        if (state.linkOpen) {
            RecordLink(line);
            state.linkOpen = false;
        }
        PopColor(state);
        PopFont(state, line);
        break;
    case L'b':
    case L'f':
    case L'i':
    case L'u':
        PopFont(state, line);
        break;
    case L'c':
        PopColor(state);
        break;
    case L'p':
        if (state.spacings.empty())
            break;
        state.spacings.pop_back();
        return BreakForParagraph(state, line, token.end);
    case L's':
        Select(state, false);
        break;
    case L'v':
        if (!state.alignments.empty())
            state.alignments.pop_back();
        break;
    default:
        break;
    }
    state.position = token.end;
    return Flow::Continue;
}

CRichTextLayout::Flow CRichTextLayout::BreakForParagraph(MarkupState& state, Line& line, int tagEnd) {
    state.position = tagEnd;
    if (line.x != m_rect.left)
        return Flow::EndLine;
    FitCurrentFont(state, line);
    return Flow::Continue;
}

CRichTextLayout::Flow CRichTextLayout::PlaceText(const MarkupState& state, Line& line, LPCWSTR chars, int count,
                                                 int& kept) {
    if (static_cast<int>(m_extents.size()) < count)
        m_extents.resize(count);
    SIZE size = {0, 0};
    if (!GetTextExtentExPointW(m_dc, chars, count, 0, nullptr, m_extents.data(), &size))
        std::fill(m_extents.begin(), m_extents.begin() + count, 0);
    const int room = m_rect.right - line.x;
    int fit = 0;
    while (fit < count && m_extents[fit] <= room)
        ++fit;

    const bool cut = fit < count;
    const bool ellipsis = cut && (m_style & DT_END_ELLIPSIS) != 0;
    kept = count;
    if (cut) {
        // Something must go on an empty line, or nothing would ever move on.
        if (fit == 0 && line.hasContent && !SingleLine()) {
            kept = 0;
            return Flow::EndLine;
        }
        kept = KeepPairsWhole(chars, count, std::max(fit, 1));
        if ((m_style & DT_WORDBREAK) != 0) {
            const int wordEnd = LastWordBreak(chars, kept);
            if (wordEnd > 0) {
                kept = wordEnd;
            } else if (line.hasContent && line.endsAtBreak && !SingleLine()) {
                // The whole word fits better on the next line than split here.
                kept = 0;
                return Flow::EndLine;
            }
        }
        if (ellipsis) {
            kept = kept > 2 ? kept - 2 : (kept == 2 ? 1 : kept);
            kept = KeepPairsWhole(chars, count, kept);
        }
    }
    const int width = m_extents[kept - 1];
    if (Drawing()) {
        FontEntry* font = CurrentFont(state);
        const int top = AlignedTop(line, font->textMetrics.tmHeight, CurrentAlignment(state));
        TextOutW(m_dc, line.x + line.drawOffset, top, chars, kept);
        if (ellipsis)
            TextOutW(m_dc, line.x + line.drawOffset + width, top, L"...", 3);
    }
    line.x = ellipsis ? m_rect.right : line.x + width;
    line.widest = std::max(line.widest, line.x);
    line.hasContent = true;
    line.endsAtBreak = !IsWordLetter(chars[kept - 1]);
    return cut ? Flow::EndLine : Flow::Continue;
}

CRichTextLayout::Flow CRichTextLayout::PlaceImage(MarkupState& state, Line& line, const CUIString& arguments,
                                                  int tagEnd) {
    const ImageArguments image = ParseImageArguments(arguments);
    ImageEntry* entry =
        image.name.IsEmpty() ? nullptr : m_host.GetOrLoadImage(image.name, image.LoadType(), image.mask, false);
    if (entry == nullptr || entry->bitmap == nullptr || entry->width <= 0 || entry->height <= 0) {
        state.position = tagEnd;
        return Flow::Continue;
    }
    // Drawn at the window's scale, from the image's own pixels.
    const int sourceWidth = entry->width / image.count;
    const int cellWidth = m_host.ScaleLength(sourceWidth);
    const int height = m_host.ScaleLength(entry->height);
    if (line.x + cellWidth > m_rect.right && line.hasContent && !SingleLine())
        return Flow::EndLine;

    line.height = std::max(line.height, CurrentSpacing(state) + height);
    const VerticalAlign alignment = CurrentAlignment(state);
    if (alignment == VerticalAlign::Center)
        line.centerImage = std::max(line.centerImage, height);
    else if (alignment == VerticalAlign::Top)
        line.topImage = std::max(line.topImage, height);
    if (Drawing()) {
        const int left = line.x + line.drawOffset;
        const int top = AlignedTop(line, height, alignment);
        const RECT dest = {left, top, left + cellWidth, top + height};
        const RECT source = {sourceWidth * image.index, 0, sourceWidth * (image.index + 1), entry->height};
        Render::DrawImageRaw(m_dc, entry->bitmap, dest, m_paint, source, RECT{0, 0, 0, 0}, entry->hasAlpha, 255, false,
                             false, false);
    }
    line.x += cellWidth;
    line.widest = std::max(line.widest, line.x);
    line.hasContent = true;
    line.endsAtBreak = true;
    state.position = tagEnd;
    return Flow::Continue;
}

void CRichTextLayout::PushFont(MarkupState& state, Line& line, FontEntry* font) {
    // A font that cannot be had stands as the current one, so that the
    // closing tag still pops what its opening tag pushed.
    state.fonts.push_back(font != nullptr ? font : CurrentFont(state));
    SelectFont(CurrentFont(state));
    FitCurrentFont(state, line);
}

void CRichTextLayout::PopFont(MarkupState& state, Line& line) {
    if (state.fonts.empty())
        return;
    const FontEntry* leaving = CurrentFont(state);
    state.fonts.pop_back();
    FontEntry* font = CurrentFont(state);
    // Italic glyphs lean over their advance; leave the upright text some room.
    ABC space;
    if (leaving->italic && !font->italic && GetCharABCWidthsW(m_dc, L' ', L' ', &space))
        line.x += space.abcC / 2;
    SelectFont(font);
    FitCurrentFont(state, line);
}

void CRichTextLayout::PushColor(MarkupState& state, DWORD color) {
    state.colors.push_back(color);
    if (Drawing())
        SetTextColor(m_dc, Render::ToColorRef(color));
}

void CRichTextLayout::PopColor(MarkupState& state) {
    if (state.colors.empty())
        return;
    state.colors.pop_back();
    if (Drawing())
        SetTextColor(m_dc, Render::ToColorRef(CurrentColor(state)));
}

void CRichTextLayout::Select(MarkupState& state, bool selected) {
    state.selected = selected;
    if (Drawing())
        SetBkMode(m_dc, state.selected ? OPAQUE : TRANSPARENT);
}

FontEntry* CRichTextLayout::Variant(FontEntry* font, bool bold, bool underline, bool italic) {
    if (font->bold == bold && font->underline == underline && font->italic == italic)
        return font;
    return FindOrAddFont(font->faceName, font->size, bold, underline, italic);
}

FontEntry* CRichTextLayout::FontFromArguments(const CUIString& arguments, FontEntry* current) {
    const FontArguments font = ParseFontArguments(arguments);
    if (font.byId)
        return m_host.GetFontInfo(font.id);
    if (font.faceName.IsEmpty())
        return current;
    return FindOrAddFont(font.faceName, font.size, font.bold, font.underline, font.italic);
}

FontEntry* CRichTextLayout::FindOrAddFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic) {
    HFONT handle = m_host.FindFont(faceName, size, bold, underline, italic);
    if (handle == nullptr) {
        // Adding under an id the window already uses would destroy that
        // font, which may be on the font stack right now.
        const FontEntry* fallback = m_host.GetFontInfo(-1);
        int id = NextVariantFontId();
        for (int tries = 0; tries < 1000 && m_host.GetFontInfo(id) != fallback; ++tries)
            id = NextVariantFontId();
        handle = m_host.AddFont(id, faceName, size, bold, underline, italic, false);
    }
    return handle != nullptr ? m_host.GetFontInfo(handle) : nullptr;
}

void CRichTextLayout::BeginLink(const MarkupState& state, Line& line) {
    line.linkStart = line.x;
    if (Drawing() || m_links->count >= m_links->capacity)
        return;
    m_links->names[m_links->count] = state.linkName;
}

void CRichTextLayout::RecordLink(const Line& line) {
    if (Drawing() || m_links->count >= m_links->capacity)
        return;
    const int right = std::min(line.x, static_cast<int>(m_rect.right));
    m_links->rects[m_links->count] = RECT{std::min(line.linkStart, right), 0, right, 0};
    ++m_links->count;
}

FontEntry* CRichTextLayout::CurrentFont(const MarkupState& state) const {
    return state.fonts.empty() ? m_baseFont : state.fonts.back();
}

DWORD CRichTextLayout::CurrentColor(const MarkupState& state) const {
    return state.colors.empty() ? m_baseColor : state.colors.back();
}

int CRichTextLayout::CurrentSpacing(const MarkupState& state) const {
    return state.spacings.empty() ? 0 : state.spacings.back();
}

VerticalAlign CRichTextLayout::CurrentAlignment(const MarkupState& state) const {
    return state.alignments.empty() ? VerticalAlign::Bottom : state.alignments.back();
}

void CRichTextLayout::FitCurrentFont(const MarkupState& state, Line& line) {
    line.height = std::max(line.height, CurrentSpacing(state) + FontHeight(CurrentFont(state)));
}

void CRichTextLayout::SelectFont(FontEntry* font) {
    if (font->font == nullptr || font->font == m_selectedFont)
        return;
    SelectObject(m_dc, font->font);
    m_selectedFont = font->font;
}

int CRichTextLayout::FontHeight(FontEntry* font) {
    TEXTMETRICW& metrics = font->textMetrics;
    if (metrics.tmHeight == 0 && font->font != nullptr) {
        HGDIOBJ previous = SelectObject(m_dc, font->font);
        GetTextMetricsW(m_dc, &metrics);
        SelectObject(m_dc, previous);
    }
    return metrics.tmHeight + metrics.tmExternalLeading;
}

int CRichTextLayout::AlignedTop(const Line& line, int itemHeight, VerticalAlign alignment) const {
    switch (alignment) {
    case VerticalAlign::Top:
        return line.top;
    case VerticalAlign::Center:
        return line.top + (line.drawHeight - itemHeight) / 2;
    case VerticalAlign::Bottom:
        break;
    }
    return line.top + line.drawHeight - itemHeight;
}

}  // namespace RichText
}  // namespace SkinUI
