#pragma once

#include <windows.h>

#include <cstddef>

namespace SkinUI {

class CXmlDocument;

enum XmlEncoding {
    XmlEncodingUtf8 = 0,
    XmlEncodingUtf16 = 1,  // little-endian without a mark, either order with one
    XmlEncodingAnsi = 2,   // the system ANSI code page
};

// One parsed element. Offsets count characters from the start of the
// document text, so the table can be reallocated while the text stays put.
struct XmlElement {
    UINT start;   // element name
    UINT child;   // first child, 0 for none
    UINT next;    // next sibling, 0 for none
    UINT parent;  // 0 for the root element
    UINT data;    // decoded text after '>', or the '/' of an empty element
};

// Lightweight handle on one element of a loaded document. It owns nothing and
// is only usable while its document stays loaded and unchanged.
class CXmlNode {
public:
    static constexpr int kMaxAttributes = 64;

    CXmlNode();

    bool IsValid() const { return m_owner != nullptr; }
    LPCWSTR GetName() const;
    CXmlNode GetChild() const;
    CXmlNode GetSibling() const;
    bool HasChildren() const;

    // Attributes in document order; only the first kMaxAttributes are visible.
    bool HasAttributes() const;
    int GetAttributeCount() const;
    LPCWSTR GetAttributeName(int index) const;
    LPCWSTR GetAttributeValue(int index) const;
    // Copies the value of the first attribute called exactly `name` into
    // `buffer`, cut to `capacity - 1` characters and always terminated.
    // False when the name is absent, the handle is empty or there is no room.
    bool GetAttributeValue(LPCWSTR name, LPWSTR buffer, int capacity) const;

private:
    friend class CXmlDocument;
    CXmlNode(const CXmlDocument* owner, UINT position);

    const XmlElement* Element() const;
    void MapAttributes() const;

    struct AttributeOffsets {
        UINT name;
        UINT value;
    };

    UINT m_position;
    // Mapped on first use and cached in the handle.
    mutable int m_attributeCount;
    mutable AttributeOffsets m_attributes[kMaxAttributes];
    const CXmlDocument* m_owner;
};

// A skin document parsed in place inside one wide-character buffer.
class CXmlDocument {
public:
    explicit CXmlDocument(LPCWSTR text = nullptr);
    CXmlDocument(const CXmlDocument&) = delete;
    CXmlDocument& operator=(const CXmlDocument&) = delete;
    ~CXmlDocument();

    bool Load(LPCWSTR text);
    bool LoadFromMemory(const void* bytes, size_t byteCount, XmlEncoding encoding = XmlEncodingUtf8);
    // Reads `name` under the resource folder, or from the resource archive when one is set.
    bool LoadFromFile(LPCWSTR name, XmlEncoding encoding = XmlEncodingUtf8);
    void Release();

    bool IsValid() const { return m_elements != nullptr; }
    CXmlNode GetRoot() const;

    LPCWSTR GetLastErrorMessage() const { return m_errorMessage; }
    LPCWSTR GetLastErrorLocation() const { return m_errorLocation; }

    // Read access to the parsed form, for callers that check it as a whole.
    UINT GetElementCount() const { return m_elementCount; }
    const XmlElement* GetElement(UINT index) const;
    size_t GetTextLength() const { return m_textLength; }
    LPCWSTR GetText() const { return m_xml; }

private:
    bool LoadFromFolder(LPCWSTR name, XmlEncoding encoding);
    bool LoadFromArchive(LPCWSTR name, XmlEncoding encoding);
    bool TakeText(WCHAR* text, size_t length);

    bool Parse();
    WCHAR* ParseElementList(WCHAR* p, UINT parent, UINT depth);
    WCHAR* ParseAttributes(WCHAR* p);
    bool GrowElementTable();
    bool Fail(LPCWSTR message, LPCWSTR location = nullptr);
    WCHAR* ParseError(LPCWSTR message, LPCWSTR location);

    WCHAR* m_xml;
    size_t m_textLength;
    XmlElement* m_elements;
    UINT m_elementCount;
    UINT m_elementCapacity;
    WCHAR m_errorMessage[100];
    WCHAR m_errorLocation[50];
};

}  // namespace SkinUI
