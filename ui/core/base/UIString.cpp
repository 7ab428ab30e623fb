#include "ui/core/base/UIString.h"

#include <shlwapi.h>

#include <cstdarg>
#include <cstdlib>
#include <cwchar>

namespace SkinUI {

namespace {

constexpr int kFormatBufferSize = 64;

WCHAR* AllocateCharacters(size_t count) {
    void* block = std::malloc(count * sizeof(WCHAR));
    if (block == nullptr) {
        std::abort();
    }
    return static_cast<WCHAR*>(block);
}

}  // namespace

CUIString::CUIString() : m_data(m_inlineBuffer), m_length(0), m_heapCapacity(0) {
    m_inlineBuffer[0] = L'\0';
}

CUIString::CUIString(WCHAR ch) : CUIString() {
    const WCHAR text[2] = {ch, L'\0'};
    Assign(text, 1);
}

CUIString::CUIString(LPCWSTR text, int length) : CUIString() {
    Assign(text, length);
}

CUIString::CUIString(const CUIString& other) : CUIString() {
    Assign(other.m_data, other.GetLength());
}

CUIString::~CUIString() {
    if (IsOnHeap()) {
        std::free(m_data);
    }
}

void CUIString::Assign(LPCWSTR text, int length) {
    if (text == nullptr) {
        text = L"";
    }
    // A length that runs past the terminator is cut there, so the copy never
    // reads beyond the caller's text.
    const size_t count = length < 0 ? std::wcslen(text) : wcsnlen(text, static_cast<size_t>(length));

    if (count > kMaxInlineLength) {
        if (!IsOnHeap() || m_heapCapacity < count) {
            // The text cannot lie inside a block too small for it, so the old
            // block is only released after the copy for the inline case.
            WCHAR* block = AllocateCharacters(count + 1);
            std::wmemcpy(block, text, count);
            if (IsOnHeap()) {
                std::free(m_data);
            }
            m_data = block;
            m_heapCapacity = count;
        } else {
            std::wmemmove(m_data, text, count);
        }
    } else if (IsOnHeap()) {
        std::wmemmove(m_inlineBuffer, text, count);
        std::free(m_data);
        m_data = m_inlineBuffer;
        m_heapCapacity = 0;
    } else {
        std::wmemmove(m_inlineBuffer, text, count);
    }
    m_data[count] = L'\0';
    m_length = count;
}

void CUIString::Append(LPCWSTR text) {
    if (text != nullptr) {
        AppendRange(text, std::wcslen(text));
    }
}

void CUIString::AppendRange(LPCWSTR text, size_t count) {
    if (count == 0) {
        return;
    }
    const size_t total = m_length + count;
    if (total > kMaxInlineLength && (!IsOnHeap() || m_heapCapacity < total)) {
        // The old block stays alive until both parts are copied, so appending
        // the string to itself reads valid memory.
        WCHAR* block = AllocateCharacters(total + 1);
        std::wmemcpy(block, m_data, m_length);
        std::wmemcpy(block + m_length, text, count);
        if (IsOnHeap()) {
            std::free(m_data);
        }
        m_data = block;
        m_heapCapacity = total;
    } else {
        std::wmemmove(m_data + m_length, text, count);
    }
    m_length = total;
    m_data[m_length] = L'\0';
}

void CUIString::Empty() {
    if (IsOnHeap()) {
        std::free(m_data);
        m_data = m_inlineBuffer;
        m_heapCapacity = 0;
    }
    m_length = 0;
    m_inlineBuffer[0] = L'\0';
}

int CUIString::Compare(LPCWSTR text) const {
    return std::wcscmp(m_data, text != nullptr ? text : L"");
}

int CUIString::CompareNoCase(LPCWSTR text) const {
    return _wcsicmp(m_data, text != nullptr ? text : L"");
}

CUIString CUIString::Left(int count) const {
    if (count < 0) {
        count = 0;
    }
    if (count > GetLength()) {
        count = GetLength();
    }
    return CUIString(m_data, count);
}

CUIString CUIString::Mid(int start, int count) const {
    const int length = GetLength();
    if (start < 0 || start > length) {
        return CUIString();
    }
    if (count < 0 || count > length - start) {
        count = length - start;
    }
    if (count <= 0) {
        return CUIString();
    }
    return CUIString(m_data + start, count);
}

int CUIString::Find(LPCWSTR text, int start) const {
    if (text == nullptr || start < 0 || start > GetLength()) {
        return -1;
    }
    // C runtimes disagree on an empty needle; it is found where the search starts.
    if (*text == L'\0') {
        return start;
    }
    LPCWSTR found = std::wcsstr(m_data + start, text);
    return found == nullptr ? -1 : static_cast<int>(found - m_data);
}

int CUIString::Find(WCHAR ch, int start) const {
    if (start < 0 || start >= GetLength()) {
        return -1;
    }
    LPCWSTR found = std::wmemchr(m_data + start, ch, m_length - static_cast<size_t>(start));
    return found == nullptr ? -1 : static_cast<int>(found - m_data);
}

int CUIString::ReverseFind(WCHAR ch) const {
    for (size_t index = m_length; index > 0; --index) {
        if (m_data[index - 1] == ch) {
            return static_cast<int>(index - 1);
        }
    }
    return -1;
}

int CUIString::Replace(LPCWSTR from, LPCWSTR to) {
    // An empty search text would match everywhere without ever advancing.
    if (from == nullptr || *from == L'\0') {
        return 0;
    }
    if (to == nullptr) {
        to = L"";
    }
    const size_t fromLength = std::wcslen(from);
    const size_t toLength = std::wcslen(to);

    // Matches never overlap a replacement, so one pass over the original
    // gives the same result as searching the rebuilt string again each time.
    CUIString result;
    int replacements = 0;
    LPCWSTR rest = m_data;
    for (LPCWSTR match = std::wcsstr(rest, from); match != nullptr; match = std::wcsstr(rest, from)) {
        result.AppendRange(rest, static_cast<size_t>(match - rest));
        result.AppendRange(to, toLength);
        rest = match + fromLength;
        ++replacements;
    }
    if (replacements > 0) {
        result.Append(rest);
        Assign(result.m_data, result.GetLength());
    }
    return replacements;
}

int CUIString::Format(LPCWSTR format, ...) {
    // The formatter may stop without terminating when it runs out of room.
    WCHAR buffer[kFormatBufferSize] = {};
    va_list arguments;
    va_start(arguments, format);
    wvnsprintfW(buffer, kFormatBufferSize, format != nullptr ? format : L"", arguments);
    va_end(arguments);
    buffer[kFormatBufferSize - 1] = L'\0';
    Assign(buffer);
    return GetLength();
}

CUIString& CUIString::operator=(const CUIString& other) {
    if (this != &other) {
        Assign(other.m_data, other.GetLength());
    }
    return *this;
}

CUIString& CUIString::operator=(LPCWSTR text) {
    Assign(text);
    return *this;
}

CUIString& CUIString::operator=(WCHAR ch) {
    const WCHAR text[2] = {ch, L'\0'};
    Assign(text, 1);
    return *this;
}

CUIString& CUIString::operator+=(const CUIString& other) {
    AppendRange(other.m_data, other.m_length);
    return *this;
}

CUIString& CUIString::operator+=(LPCWSTR text) {
    Append(text);
    return *this;
}

CUIString& CUIString::operator+=(WCHAR ch) {
    AppendRange(&ch, 1);
    return *this;
}

CUIString operator+(const CUIString& left, const CUIString& right) {
    CUIString result(left);
    result += right;
    return result;
}

CUIString operator+(const CUIString& left, LPCWSTR right) {
    CUIString result(left);
    result += right;
    return result;
}

CUIString operator+(LPCWSTR left, const CUIString& right) {
    CUIString result(left);
    result += right;
    return result;
}

bool operator==(const CUIString& left, const CUIString& right) {
    return left.Compare(right) == 0;
}
bool operator==(const CUIString& left, LPCWSTR right) {
    return left.Compare(right) == 0;
}
bool operator==(LPCWSTR left, const CUIString& right) {
    return right.Compare(left) == 0;
}
bool operator!=(const CUIString& left, const CUIString& right) {
    return left.Compare(right) != 0;
}
bool operator!=(const CUIString& left, LPCWSTR right) {
    return left.Compare(right) != 0;
}
bool operator!=(LPCWSTR left, const CUIString& right) {
    return right.Compare(left) != 0;
}

}  // namespace SkinUI
