#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"
#include "ui/core/base/UIStringMap.h"

namespace SkinUI {

// Texts that skins refer to by number, written "%{12}" inside a tooltip.
class CLanguageStrings {
public:
    // A string that holds its own token would otherwise grow for ever.
    static constexpr int kMaxTokenReplacements = 64;
    // No expansion makes a text longer than this many characters.
    static constexpr int kMaxExpandedLength = 65536;

    CLanguageStrings();
    ~CLanguageStrings();
    CLanguageStrings(const CLanguageStrings&) = delete;
    CLanguageStrings& operator=(const CLanguageStrings&) = delete;

    // Stores a copy, replacing an older string of that id.
    void AddLanguageString(int id, LPCWSTR text);
    LPCWSTR GetLanguageString(int id);

    // Replaces every "%{digits}" token that names a known string by it.
    // Replacement texts are scanned too, up to the limits above; unknown
    // ids, a "%" without "{" and unclosed tokens stay as they are.
    void ProcessLanguageTokens(CUIString& text);

private:
    CStringMap m_strings;  // decimal id -> CUIString*
};

// The table of the whole process.
CLanguageStrings& ProcessLanguageStrings();

}  // namespace SkinUI
