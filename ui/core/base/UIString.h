#pragma once

#include <windows.h>

#include <cstddef>

namespace SkinUI {

// Wide-character string that keeps short texts (nearly all names and attribute
// values) inside the object, so that most strings never touch the heap.
class CUIString {
public:
    // Texts of up to this many characters live in the inline buffer.
    static constexpr size_t kMaxInlineLength = 62;

    CUIString();
    explicit CUIString(WCHAR ch);
    CUIString(LPCWSTR text, int length = -1);
    CUIString(const CUIString& other);
    ~CUIString();

    // A null text counts as empty; a negative length takes the whole text.
    void Assign(LPCWSTR text, int length = -1);
    void Append(LPCWSTR text);
    void Empty();

    int GetLength() const { return static_cast<int>(m_length); }
    bool IsEmpty() const { return m_length == 0; }
    LPCWSTR GetData() const { return m_data; }
    WCHAR GetAt(int index) const { return m_data[index]; }
    operator LPCWSTR() const { return m_data; }

    int Compare(LPCWSTR text) const;
    int CompareNoCase(LPCWSTR text) const;

    CUIString Left(int count) const;
    CUIString Mid(int start, int count = -1) const;
    int Find(LPCWSTR text, int start = 0) const;
    int Find(WCHAR ch, int start = 0) const;
    int ReverseFind(WCHAR ch) const;
    int Replace(LPCWSTR from, LPCWSTR to);

    // The formatted text is cut at 63 characters. Returns the resulting length.
    int Format(LPCWSTR format, ...);

    CUIString& operator=(const CUIString& other);
    CUIString& operator=(LPCWSTR text);
    CUIString& operator=(WCHAR ch);
    CUIString& operator+=(const CUIString& other);
    CUIString& operator+=(LPCWSTR text);
    CUIString& operator+=(WCHAR ch);

private:
    void AppendRange(LPCWSTR text, size_t count);
    bool IsOnHeap() const { return m_data != m_inlineBuffer; }

    WCHAR* m_data;
    size_t m_length;
    size_t m_heapCapacity;  // characters the heap block holds before its terminator
    WCHAR m_inlineBuffer[kMaxInlineLength + 2];
};

CUIString operator+(const CUIString& left, const CUIString& right);
CUIString operator+(const CUIString& left, LPCWSTR right);
CUIString operator+(LPCWSTR left, const CUIString& right);

bool operator==(const CUIString& left, const CUIString& right);
bool operator==(const CUIString& left, LPCWSTR right);
bool operator==(LPCWSTR left, const CUIString& right);
bool operator!=(const CUIString& left, const CUIString& right);
bool operator!=(const CUIString& left, LPCWSTR right);
bool operator!=(LPCWSTR left, const CUIString& right);

}  // namespace SkinUI
