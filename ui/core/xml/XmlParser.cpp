// The in-place parser of CXmlDocument. Every scan stops at the NUL that ends
// the text (block scans may look into the spare block behind it), and the
// parser only writes at or behind its read position, so no document can make
// it read or write outside its buffer.

#include "ui/core/xml/XmlDocument.h"

#include <array>
#include <climits>
#include <cstdlib>
#include <cwchar>
#include <cwctype>

#include "ui/core/xml/XmlScan.h"

namespace SkinUI {

namespace {

// Deeper documents are refused so that the recursion stays within the stack.
constexpr UINT kMaxNestingDepth = 256;
constexpr UINT kTableGrowth = 500;

constexpr std::array<bool, 128> MakeAsciiNameTable() {
    std::array<bool, 128> table{};
    for (int c = 0; c < 128; ++c) {
        table[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ':';
    }
    return table;
}

constexpr std::array<bool, 128> kAsciiNameChars = MakeAsciiNameTable();

// Name characters are '_', ':' and alphanumerics.
inline WCHAR* SkipName(WCHAR* p) {
    for (;; ++p) {
        const WCHAR c = *p;
        if (c < 128 ? !kAsciiNameChars[c] : std::iswalnum(c) == 0) {
            return p;
        }
    }
}

// Whitespace is every character from 1 to 32.
inline WCHAR* SkipSpace(WCHAR* p) {
    while (static_cast<WCHAR>(*p - 1) < 32) {
        ++p;
    }
    return p;
}

// Whether the closing name at `p` starts with the opening name; stops at a NUL.
inline bool StartsWith(const WCHAR* p, const WCHAR* name, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (p[i] != name[i]) {
            return false;
        }
    }
    return true;
}

// `p` is on the '!' or '?' after '<'. Returns the position just after the
// first "->" (for '!') or "?>" (for '?'), or the end of the text.
WCHAR* SkipMarkup(WCHAR* p) {
    const WCHAR first = *p == L'!' ? L'-' : L'?';
    for (++p; *p != L'\0'; ++p) {
        if (p[0] == first && p[1] == L'>') {
            return p + 2;
        }
    }
    return p;
}

// `p` is just after '&'. An unknown reference stays a literal '&'.
WCHAR DecodeReference(WCHAR*& p) {
    switch (p[0]) {
    case L'a':
        if (p[1] == L'm' && p[2] == L'p' && p[3] == L';') {
            p += 4;
            return L'&';
        }
        if (p[1] == L'p' && p[2] == L'o' && p[3] == L's' && p[4] == L';') {
            p += 5;
            return L'\'';
        }
        break;
    case L'l':
        if (p[1] == L't' && p[2] == L';') {
            p += 3;
            return L'<';
        }
        break;
    case L'g':
        if (p[1] == L't' && p[2] == L';') {
            p += 3;
            return L'>';
        }
        break;
    case L'q':
        if (p[1] == L'u' && p[2] == L'o' && p[3] == L't' && p[4] == L';') {
            p += 5;
            return L'"';
        }
        break;
    default:
        break;
    }
    return L'&';
}

// Decodes the entities of the text at `p` in place, up to `End` or the end of
// the text, and returns where it stopped. When the text shrank, the decoded
// part is terminated and the gap behind it filled with spaces, so that later
// scans of the element step over it. `decodedEnd` receives the end of the
// decoded text.
template <WCHAR End>
WCHAR* DecodeInPlace(WCHAR* p, WCHAR** decodedEnd) {
    // Until the first reference nothing moves: just scan.
    p = FindXmlStop(p, End);
    WCHAR* dest = p;
    while (*p != End && *p != L'\0') {
        if (*p == L'&') {
            ++p;
            *dest++ = DecodeReference(p);
        } else {
            *dest++ = *p++;
        }
    }
    if (dest < p) {
        *dest = L'\0';
        for (WCHAR* gap = dest + 1; gap < p; ++gap) {
            *gap = L' ';
        }
    }
    *decodedEnd = dest;
    return p;
}

WCHAR* DecodeText(WCHAR* p, WCHAR** decodedEnd) {
    return DecodeInPlace<L'<'>(p, decodedEnd);
}

WCHAR* DecodeValue(WCHAR* p, WCHAR** decodedEnd) {
    return DecodeInPlace<L'"'>(p, decodedEnd);
}

}  // namespace

bool CXmlDocument::Fail(LPCWSTR message, LPCWSTR location) {
    wcsncpy(m_errorMessage, message, _countof(m_errorMessage) - 1);
    m_errorMessage[_countof(m_errorMessage) - 1] = L'\0';
    m_errorLocation[0] = L'\0';
    if (location != nullptr) {
        wcsncpy(m_errorLocation, location, _countof(m_errorLocation) - 1);
        m_errorLocation[_countof(m_errorLocation) - 1] = L'\0';
    }
    return false;
}

WCHAR* CXmlDocument::ParseError(LPCWSTR message, LPCWSTR location) {
    Fail(message, location);
    return nullptr;
}

bool CXmlDocument::GrowElementTable() {
    const unsigned long long grown =
        static_cast<unsigned long long>(m_elementCapacity) + m_elementCapacity / 2 + kTableGrowth;
    if (grown > UINT_MAX) {
        return Fail(L"Out of memory");
    }
    void* table = std::realloc(m_elements, static_cast<size_t>(grown) * sizeof(XmlElement));
    if (table == nullptr) {
        return Fail(L"Out of memory");
    }
    m_elements = static_cast<XmlElement*>(table);
    m_elementCapacity = static_cast<UINT>(grown);
    return true;
}

bool CXmlDocument::Parse() {
    m_errorMessage[0] = L'\0';
    m_errorLocation[0] = L'\0';
    // Entry 0 is reserved so that index 0 can mean "none" in the links.
    if (m_elementCount == m_elementCapacity && !GrowElementTable()) {
        return false;
    }
    m_elements[0] = XmlElement{0, 0, 0, 0, 0};
    m_elementCount = 1;
    WCHAR* const end = ParseElementList(m_xml, 0, 0);
    if (end == nullptr) {
        return false;
    }
    // Without a root there would be nothing for a handle to stand on.
    if (m_elementCount < 2) {
        return Fail(L"Expected start tag", end);
    }
    return true;
}

// Parses the elements at `p` that share the parent `parent`, enclosed by
// `depth` elements. Returns where the list ended (the end of the text or the
// closing tag of the parent), or null after a failure.
WCHAR* CXmlDocument::ParseElementList(WCHAR* p, UINT parent, UINT depth) {
    UINT previous = 0;
    p = SkipSpace(p);
    for (;;) {
        if (*p == L'\0' && parent <= 1) {
            return p;
        }
        p = SkipSpace(p);
        if (*p != L'<') {
            return ParseError(L"Expected start tag", p);
        }
        if (p[1] == L'/') {
            return p;
        }
        *p++ = L'\0';
        p = SkipSpace(p);

        if (*p == L'!' || *p == L'?') {
            // Comments, declarations and anything else of the kind are dropped.
            p = SkipSpace(SkipMarkup(p));
            continue;
        }

        if (depth >= kMaxNestingDepth) {
            return ParseError(L"Elements nested too deeply", p);
        }
        if (m_elementCount == m_elementCapacity && !GrowElementTable()) {
            return nullptr;
        }
        const UINT index = m_elementCount++;
        m_elements[index] = XmlElement{static_cast<UINT>(p - m_xml), 0, 0, parent, 0};
        if (previous != 0) {
            m_elements[previous].next = index;
        } else if (parent != 0) {
            m_elements[parent].child = index;
        }
        previous = index;

        WCHAR* const name = p;
        p = SkipName(p);
        WCHAR* const nameEnd = p;
        const size_t nameLength = static_cast<size_t>(nameEnd - name);
        if (*p == L'\0') {
            return ParseError(L"Error parsing element name", name);
        }
        // A '/' right after the name closes an empty element and must stay.
        if (*p != L'>' && *p != L'/') {
            p = ParseAttributes(p);
            if (p == nullptr) {
                return nullptr;
            }
        }
        p = SkipSpace(p);

        if (p[0] == L'/' && p[1] == L'>') {
            m_elements[index].data = static_cast<UINT>(p - m_xml);
            *p = L'\0';
            p += 2;
        } else if (*p != L'>') {
            return ParseError(L"Expected start-tag closing", p);
        } else {
            ++p;
            m_elements[index].data = static_cast<UINT>(p - m_xml);
            WCHAR* textEnd = nullptr;
            p = DecodeText(p, &textEnd);
            if (*p == L'\0' && parent <= 1) {
                // An unclosed root is accepted; its name still needs its end.
                *nameEnd = L'\0';
                return p;
            }
            if (*p != L'<') {
                return ParseError(L"Expected end-tag start", p);
            }
            if (p[1] != L'/') {
                p = ParseElementList(p, index, depth + 1);
                if (p == nullptr) {
                    return nullptr;
                }
            }
            if (p[0] == L'<' && p[1] == L'/') {
                *textEnd = L'\0';
                *p = L'\0';
                p = SkipSpace(p + 2);
                if (!StartsWith(p, name, nameLength)) {
                    return ParseError(L"Unmatched closing tag", p);
                }
                p = SkipSpace(p + nameLength);
                if (*p != L'>') {
                    return ParseError(L"Unmatched closing tag", *p != L'\0' ? p + 1 : p);
                }
                ++p;
            }
        }
        *nameEnd = L'\0';
        p = SkipSpace(p);
    }
}

// `p` is on the character that ends the element name, which is neither '>'
// nor '/'. Returns the position after the attributes, or null after a failure.
WCHAR* CXmlDocument::ParseAttributes(WCHAR* p) {
    *p++ = L'\0';
    p = SkipSpace(p);
    while (*p != L'\0' && *p != L'>' && *p != L'/') {
        WCHAR* const nameEnd = SkipName(p);
        p = SkipSpace(nameEnd);
        if (*p != L'=') {
            return ParseError(L"Error while parsing attributes", p);
        }
        // The name ends with its identifier even when spaces precede the '=';
        // the '=' then becomes a space for the attribute scan of a handle.
        if (nameEnd != p) {
            *p = L' ';
        }
        *nameEnd = L'\0';
        p = SkipSpace(p + 1);
        if (*p != L'"') {
            return ParseError(L"Expected attribute value", p);
        }
        WCHAR* valueEnd = nullptr;
        p = DecodeValue(p + 1, &valueEnd);
        if (*p == L'\0') {
            return ParseError(L"Error while parsing attribute string", p);
        }
        if (valueEnd != p) {
            *p = L' ';
        }
        *valueEnd = L'\0';
        p = SkipSpace(p + 1);
    }
    return p;
}

}  // namespace SkinUI
