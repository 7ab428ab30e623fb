#include "ui/core/render/UIRichTextMarkup.h"

#include <cwchar>

#include "ui/core/resources/UIImageDrawInfo.h"

namespace SkinUI {
namespace RichText {

namespace {

bool IsTagLetter(WCHAR ch) {
    return ch >= L'a' && ch <= L'z';
}

bool IsTagEnd(WCHAR ch) {
    return ch == L'>' || ch == L'}';
}

bool IsBlank(WCHAR ch) {
    return ch != 0 && ch <= L' ';
}

bool IsDigit(WCHAR ch) {
    return ch >= L'0' && ch <= L'9';
}

LPCWSTR SkipBlanks(LPCWSTR text) {
    while (IsBlank(*text))
        ++text;
    return text;
}

// The blank-separated words of a text, one after another.
class CWordReader {
public:
    explicit CWordReader(LPCWSTR text) : m_next(text) {}

    bool Next(CUIString& word) {
        m_next = SkipBlanks(m_next);
        if (*m_next == 0)
            return false;
        LPCWSTR start = m_next;
        while (*m_next != 0 && !IsBlank(*m_next))
            ++m_next;
        word.Assign(start, static_cast<int>(m_next - start));
        return true;
    }

private:
    LPCWSTR m_next;
};

bool StartsNumber(LPCWSTR text) {
    return IsDigit(text[0]) || (text[0] == L'-' && IsDigit(text[1]));
}

// The text after the last quote of the image attribute items.
LPCWSTR AfterAttributeItems(LPCWSTR text) {
    LPCWSTR lastQuote = std::wcsrchr(text, L'\'');
    return lastQuote != nullptr ? lastQuote + 1 : text + std::wcslen(text);
}

}  // namespace

MarkupToken ReadMarkup(LPCWSTR text, int length, int pos) {
    MarkupToken token;
    token.end = pos + 1;
    const WCHAR opener = text[pos];
    const WCHAR second = pos + 1 < length ? text[pos + 1] : 0;
    const WCHAR third = pos + 2 < length ? text[pos + 2] : 0;
    if ((opener == L'<' && third == L'>' && (second == L'{' || second == L'}')) ||
        (opener == L'{' && third == L'}' && (second == L'<' || second == L'>'))) {
        token.kind = TokenKind::Escape;
        token.letter = second;
        token.end = pos + 3;
        return token;
    }
    if (second == L'/' && IsTagLetter(third) && pos + 3 < length && IsTagEnd(text[pos + 3])) {
        token.kind = TokenKind::CloseTag;
        token.letter = third;
        token.end = pos + 4;
        return token;
    }
    if (IsTagLetter(second) && (third == L' ' || IsTagEnd(third))) {
        token.kind = TokenKind::OpenTag;
        token.letter = second;
        int argsStart = pos + 2;
        while (argsStart < length && text[argsStart] == L' ')
            ++argsStart;
        int argsEnd = argsStart;
        while (argsEnd < length && !IsTagEnd(text[argsEnd]))
            ++argsEnd;
        token.argsStart = argsStart;
        token.argsEnd = argsEnd;
        token.end = argsEnd < length ? argsEnd + 1 : length;
    }
    return token;
}

int ParseNumber(LPCWSTR text, int minimum, int maximum, int fallback) {
    text = SkipBlanks(text);
    if (!StartsNumber(text))
        return fallback;
    const long value = std::wcstol(text, nullptr, 10);
    if (value < minimum)
        return minimum;
    if (value > maximum)
        return maximum;
    return static_cast<int>(value);
}

DWORD ParseTagColor(LPCWSTR text) {
    text = SkipBlanks(text);
    if (*text == L'#')
        ++text;
    // Unsigned, so that colours written with their alpha byte (FFRRGGBB) keep
    // their colour instead of saturating a signed number.
    const unsigned long value = std::wcstoul(text, nullptr, 16);
    return 0xFF000000 | (static_cast<DWORD>(value) & 0xFFFFFF);
}

VerticalAlign ParseVerticalAlign(LPCWSTR text) {
    CUIString word;
    CWordReader words(text);
    if (!words.Next(word))
        return VerticalAlign::Bottom;
    if (word.CompareNoCase(L"center") == 0)
        return VerticalAlign::Center;
    if (word.CompareNoCase(L"top") == 0)
        return VerticalAlign::Top;
    return VerticalAlign::Bottom;
}

FontArguments ParseFontArguments(LPCWSTR text) {
    FontArguments font;
    text = SkipBlanks(text);
    if (StartsNumber(text)) {
        font.byId = true;
        font.id = ParseNumber(text, -0x7FFFFFFF, 0x7FFFFFFF, 0);
        return font;
    }
    bool faceComplete = false;
    bool sizeGiven = false;
    CUIString word;
    CWordReader words(text);
    while (words.Next(word)) {
        if (word.CompareNoCase(L"bold") == 0) {
            font.bold = true;
        } else if (word.CompareNoCase(L"underline") == 0) {
            font.underline = true;
        } else if (word.CompareNoCase(L"italic") == 0) {
            font.italic = true;
        } else if (StartsNumber(word)) {
            if (!sizeGiven)
                font.size = ParseNumber(word, 1, 1000, 10);
            sizeGiven = true;
        } else if (!faceComplete) {
            if (!font.faceName.IsEmpty())
                font.faceName += L' ';
            font.faceName += word;
            continue;
        }
        faceComplete = true;
    }
    return font;
}

ImageArguments ParseImageArguments(LPCWSTR text) {
    ImageArguments image;
    text = SkipBlanks(text);
    LPCWSTR numbers = nullptr;
    if (std::wcsstr(text, L"file='") != nullptr || std::wcsstr(text, L"res='") != nullptr) {
        ImageDrawInfo unused;
        ImageSourceRequest request;
        ParseImageAttributes(text, &unused, &request);
        image.name = request.name;
        image.type = request.type;
        image.typeGiven = request.typeGiven;
        image.mask = request.mask;
        numbers = AfterAttributeItems(text);
    } else {
        LPCWSTR nameEnd = text;
        while (*nameEnd != 0 && !IsBlank(*nameEnd))
            ++nameEnd;
        image.name.Assign(text, static_cast<int>(nameEnd - text));
        numbers = nameEnd;
    }
    CUIString word;
    CWordReader words(numbers);
    if (words.Next(word)) {
        image.count = ParseNumber(word, 1, 0x7FFFFFFF, 1);
        if (words.Next(word))
            image.index = ParseNumber(word, -0x7FFFFFFF, 0x7FFFFFFF, 0);
    }
    if (image.index < 0 || image.index >= image.count)
        image.index = 0;
    return image;
}

}  // namespace RichText
}  // namespace SkinUI
