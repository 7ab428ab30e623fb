#include "ui/core/xml/XmlDocument.h"

#include <cwchar>

namespace SkinUI {

namespace {

inline bool IsSpace(WCHAR c) {
    return static_cast<WCHAR>(c - 1) < 32;
}

}  // namespace

CXmlNode::CXmlNode() : m_position(0), m_attributeCount(0), m_attributes(), m_owner(nullptr) {}

CXmlNode::CXmlNode(const CXmlDocument* owner, UINT position)
    : m_position(position), m_attributeCount(0), m_attributes(), m_owner(owner) {}

// Null for an empty handle and for one that outlived its document's table.
const XmlElement* CXmlNode::Element() const {
    if (m_owner == nullptr || m_position == 0) {
        return nullptr;
    }
    return m_owner->GetElement(m_position);
}

LPCWSTR CXmlNode::GetName() const {
    const XmlElement* element = Element();
    return element != nullptr ? m_owner->GetText() + element->start : nullptr;
}

CXmlNode CXmlNode::GetChild() const {
    const XmlElement* element = Element();
    if (element == nullptr || element->child == 0) {
        return CXmlNode();
    }
    return CXmlNode(m_owner, element->child);
}

CXmlNode CXmlNode::GetSibling() const {
    const XmlElement* element = Element();
    if (element == nullptr || element->next == 0) {
        return CXmlNode();
    }
    return CXmlNode(m_owner, element->next);
}

bool CXmlNode::HasChildren() const {
    const XmlElement* element = Element();
    return element != nullptr && element->child != 0;
}

// The parser leaves, after the element name and its NUL, each attribute as
// name, NUL, spaces, a double quote and the value with its NUL. The scan
// never passes the element's text offset, which lies beyond the tag.
void CXmlNode::MapAttributes() const {
    if (m_attributeCount != 0) {
        return;
    }
    const XmlElement* element = Element();
    if (element == nullptr) {
        return;
    }
    LPCWSTR const text = m_owner->GetText();
    LPCWSTR const end = text + element->data;
    LPCWSTR p = text + element->start;
    p += std::wcslen(p) + 1;
    while (p < end && m_attributeCount < kMaxAttributes) {
        while (p < end && IsSpace(*p)) {
            ++p;
        }
        if (p >= end || *p == L'>') {
            return;
        }
        const LPCWSTR name = p;
        while (p < end && *p != L'\0') {
            ++p;
        }
        ++p;
        while (p < end && IsSpace(*p)) {
            ++p;
        }
        if (p >= end || *p != L'"') {
            return;
        }
        ++p;
        m_attributes[m_attributeCount].name = static_cast<UINT>(name - text);
        m_attributes[m_attributeCount].value = static_cast<UINT>(p - text);
        ++m_attributeCount;
        while (p < end && *p != L'\0') {
            ++p;
        }
        ++p;
    }
}

bool CXmlNode::HasAttributes() const {
    MapAttributes();
    return m_attributeCount > 0;
}

int CXmlNode::GetAttributeCount() const {
    MapAttributes();
    return m_attributeCount;
}

LPCWSTR CXmlNode::GetAttributeName(int index) const {
    if (Element() == nullptr) {
        return nullptr;
    }
    MapAttributes();
    if (index < 0 || index >= m_attributeCount) {
        return L"";
    }
    return m_owner->GetText() + m_attributes[index].name;
}

LPCWSTR CXmlNode::GetAttributeValue(int index) const {
    if (Element() == nullptr) {
        return nullptr;
    }
    MapAttributes();
    if (index < 0 || index >= m_attributeCount) {
        return L"";
    }
    return m_owner->GetText() + m_attributes[index].value;
}

bool CXmlNode::GetAttributeValue(LPCWSTR name, LPWSTR buffer, int capacity) const {
    if (name == nullptr || buffer == nullptr || capacity <= 0 || Element() == nullptr) {
        return false;
    }
    MapAttributes();
    for (int index = 0; index < m_attributeCount; ++index) {
        if (std::wcscmp(m_owner->GetText() + m_attributes[index].name, name) == 0) {
            LPCWSTR value = m_owner->GetText() + m_attributes[index].value;
            const size_t length = wcsnlen(value, static_cast<size_t>(capacity - 1));
            std::wmemcpy(buffer, value, length);
            buffer[length] = L'\0';
            return true;
        }
    }
    return false;
}

}  // namespace SkinUI
