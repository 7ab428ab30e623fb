// The list's attributes: its own, and the "item..." ones that style every row.

#include "ui/controls/UIList.h"
#include "ui/controls/UIListHeader.h"
#include "ui/core/base/UIValueParse.h"

namespace SkinUI {

void CListUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"header")) {
        if (m_header != nullptr) {
            m_header->SetVisible(!IsName(value, L"hidden"));
        }
    } else if (IsName(name, L"headerbkimage")) {
        if (m_header != nullptr) {
            m_header->SetBkImage(value);
        }
    } else if (IsName(name, L"scrollselect")) {
        SetScrollSelect(ParseBool(value));
    } else if (IsName(name, L"multiexpanding")) {
        m_info.multiExpanding = ParseBool(value);
    } else if (!ApplyListInfoAttribute(m_info, *this, name, value)) {
        CVerticalLayoutUI::SetAttribute(name, value);
    }
}

}  // namespace SkinUI
