#pragma once

#include <windows.h>

#include <string>

#include "ui/core/xml/XmlDocument.h"

namespace xmltest {

inline std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) {
        return std::wstring();
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &text[0], length);
    return text;
}

// The element's decoded text: what follows '>' up to its first child or end tag.
inline std::wstring TextOf(const SkinUI::CXmlDocument& document, UINT index) {
    return document.GetText() + document.GetElement(index)->data;
}

// The tree as one line: name, attributes, text and children, for comparing documents.
inline std::wstring Describe(const SkinUI::CXmlNode& node) {
    std::wstring out;
    for (SkinUI::CXmlNode current = node; current.IsValid(); current = current.GetSibling()) {
        out += current.GetName();
        out += L"{";
        for (int i = 0; i < current.GetAttributeCount(); ++i) {
            out += current.GetAttributeName(i);
            out += L"=";
            out += current.GetAttributeValue(i);
            out += L";";
        }
        out += L"}";
        if (current.HasChildren()) {
            out += L"(" + Describe(current.GetChild()) + L")";
        }
    }
    return out;
}

}  // namespace xmltest
