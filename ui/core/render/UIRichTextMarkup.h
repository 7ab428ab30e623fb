#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"

// Reading the HTML-like markup of rich text: tags such as <b>...</b> or
// {c #FF0000}...{/c}, the escapes for literal brackets, and the arguments of
// the tags that take any.
namespace SkinUI {
namespace RichText {

enum class TokenKind {
    Text,      // a bracket that starts nothing: an ordinary character
    Escape,    // one literal bracket character
    OpenTag,   // a letter tag, possibly with arguments
    CloseTag,  // a slash and a letter
};

struct MarkupToken {
    TokenKind kind = TokenKind::Text;
    WCHAR letter = 0;   // the tag letter, or the literal character of an escape
    int argsStart = 0;  // arguments of an opening tag: [argsStart, argsEnd)
    int argsEnd = 0;
    int end = 0;  // index just after the token
};

inline bool IsMarkupStart(WCHAR ch) {
    return ch == L'<' || ch == L'{';
}

// Reads what starts at `pos`, which must hold '<' or '{', in the first
// `length` characters of `text`. An opening tag whose closing bracket is
// missing takes the rest of the text as its arguments.
MarkupToken ReadMarkup(LPCWSTR text, int length, int pos);

// A decimal number, limited to [minimum, maximum]; `fallback` when the text
// holds none.
int ParseNumber(LPCWSTR text, int minimum, int maximum, int fallback);

// "#RRGGBB" or "RRGGBB" (a leading alpha byte is accepted and ignored) to an
// opaque 0xFFRRGGBB.
DWORD ParseTagColor(LPCWSTR text);

enum class VerticalAlign { Bottom, Center, Top };

// "center" or "top" in any letter case; anything else is the bottom.
VerticalAlign ParseVerticalAlign(LPCWSTR text);

// Arguments of the font tag: a font id, or a face name (which may hold
// blanks) followed by an optional size and the words "bold", "underline" and
// "italic" in any order and letter case.
struct FontArguments {
    bool byId = false;
    int id = 0;
    CUIString faceName;
    int size = 10;
    bool bold = false;
    bool underline = false;
    bool italic = false;
};
FontArguments ParseFontArguments(LPCWSTR text);

// Arguments of the image tag: "name [count [index]]", or image attribute
// items ("file='a.png'", "res='7' restype='PNG'") followed by count and index.
// The image is cut into `count` equal cells side by side; `index` picks one.
struct ImageArguments {
    CUIString name;
    CUIString type;
    bool typeGiven = false;  // a resource; otherwise the name is a file
    DWORD mask = 0;
    int count = 1;  // at least 1
    int index = 0;  // within [0, count)

    LPCWSTR LoadType() const { return typeGiven ? type.GetData() : nullptr; }
};
ImageArguments ParseImageArguments(LPCWSTR text);

}  // namespace RichText
}  // namespace SkinUI
