#include "ui/core/resources/UILanguageStrings.h"

#include <climits>

#include "ui/core/base/UIStringMapValues.h"

namespace SkinUI {

namespace {

constexpr int kBucketCount = 83;

CUIString StringKey(int id) {
    CUIString key;
    key.Format(L"%d", id);
    return key;
}

// Reads a token "%{digits}" starting at `text[percent]`. False when there is
// none there or its number does not fit an id.
bool ReadToken(const CUIString& text, int percent, int* id, int* tokenLength) {
    LPCWSTR start = text.GetData() + percent;
    if (start[1] != L'{') {
        return false;
    }
    long long value = 0;
    LPCWSTR cursor = start + 2;
    for (; *cursor >= L'0' && *cursor <= L'9'; ++cursor) {
        value = value * 10 + (*cursor - L'0');
        if (value > INT_MAX) {
            return false;
        }
    }
    if (*cursor != L'}') {
        return false;
    }
    *id = static_cast<int>(value);
    *tokenLength = static_cast<int>(cursor - start) + 1;
    return true;
}

int CountOccurrences(const CUIString& text, const CUIString& token) {
    int count = 0;
    for (int at = text.Find(token); at >= 0; at = text.Find(token, at + token.GetLength())) {
        ++count;
    }
    return count;
}

bool StaysWithinLimit(const CUIString& text, const CUIString& token, int replacementLength) {
    const long long growth = static_cast<long long>(replacementLength) - token.GetLength();
    if (growth <= 0) {
        return true;
    }
    const long long length = text.GetLength() + growth * CountOccurrences(text, token);
    return length <= CLanguageStrings::kMaxExpandedLength;
}

}  // namespace

CLanguageStrings::CLanguageStrings() : m_strings(kBucketCount) {}

CLanguageStrings::~CLanguageStrings() {
    DestroyMapValues<CUIString>(m_strings, kBucketCount, [](CUIString* text) { delete text; });
}

void CLanguageStrings::AddLanguageString(int id, LPCWSTR text) {
    delete static_cast<CUIString*>(m_strings.Set(StringKey(id), new CUIString(text)));
}

LPCWSTR CLanguageStrings::GetLanguageString(int id) {
    auto* text = static_cast<CUIString*>(m_strings.Find(StringKey(id)));
    return text != nullptr ? text->GetData() : nullptr;
}

void CLanguageStrings::ProcessLanguageTokens(CUIString& text) {
    int replacements = 0;
    for (int percent = text.Find(L'%'); percent >= 0 && replacements < kMaxTokenReplacements;
         percent = text.Find(L'%', percent + 1)) {
        int id = 0;
        int tokenLength = 0;
        if (!ReadToken(text, percent, &id, &tokenLength)) {
            continue;
        }
        const CUIString* replacement = static_cast<CUIString*>(m_strings.Find(StringKey(id)));
        if (replacement == nullptr) {
            continue;
        }
        const CUIString token = text.Mid(percent, tokenLength);
        if (!StaysWithinLimit(text, token, replacement->GetLength())) {
            return;
        }
        text.Replace(token, *replacement);
        ++replacements;
    }
}

CLanguageStrings& ProcessLanguageStrings() {
    static CLanguageStrings strings;
    return strings;
}

}  // namespace SkinUI
