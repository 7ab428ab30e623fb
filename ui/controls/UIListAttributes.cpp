// The list's attributes: its own, and the "item..." ones that style every row.

#include <cwchar>

#include "ui/controls/UIList.h"
#include "ui/controls/UIListHeader.h"
#include "ui/core/base/UIValueParse.h"

namespace SkinUI {

namespace {

struct ColorAttribute {
    LPCWSTR name;
    DWORD ListInfo::*field;
};

const ColorAttribute kColorAttributes[] = {
    {L"itemtextcolor", &ListInfo::textColor},
    {L"itembkcolor", &ListInfo::bkColor},
    {L"itemselectedtextcolor", &ListInfo::selectedTextColor},
    {L"itemselectedbkcolor", &ListInfo::selectedBkColor},
    {L"itemhottextcolor", &ListInfo::hotTextColor},
    {L"itemhotbkcolor", &ListInfo::hotBkColor},
    {L"itemdisabledtextcolor", &ListInfo::disabledTextColor},
    {L"itemdisabledbkcolor", &ListInfo::disabledBkColor},
    {L"itemhlinecolor", &ListInfo::hLineColor},
    {L"itemvlinecolor", &ListInfo::vLineColor},
};

struct ImageAttribute {
    LPCWSTR name;
    ImageDrawInfo ListInfo::*field;
};

const ImageAttribute kImageAttributes[] = {
    {L"itembkimage", &ListInfo::bkImage},
    {L"itemselectedimage", &ListInfo::selectedImage},
    {L"itemhotimage", &ListInfo::hotImage},
    {L"itemdisabledimage", &ListInfo::disabledImage},
};

int NotNegative(int value) {
    return value < 0 ? 0 : value;
}

}  // namespace

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
    } else if (!ApplyListInfoAttribute(name, value)) {
        CVerticalLayoutUI::SetAttribute(name, value);
    }
}

bool CListUI::ApplyListInfoAttribute(LPCWSTR name, LPCWSTR value) {
    for (const ColorAttribute& attribute : kColorAttributes) {
        if (IsName(name, attribute.name)) {
            m_info.*attribute.field = ParseColor(value);
            Invalidate();
            return true;
        }
    }
    for (const ImageAttribute& attribute : kImageAttributes) {
        if (IsName(name, attribute.name)) {
            SetImage(m_info.*attribute.field, value);
            return true;
        }
    }
    // Size and style settings are read at the next layout; padding, markup
    // and lines move the rows or their cells, so they ask for one.
    if (IsName(name, L"itemheight")) {
        m_info.itemHeight = NotNegative(ParseInt(value));
    } else if (IsName(name, L"itemfont")) {
        m_info.font = ParseInt(value);
    } else if (IsName(name, L"itemalign")) {
        ApplyAlignWords(m_info.textStyle, value);
    } else if (IsName(name, L"itemvalign")) {
        ApplyVAlignWords(m_info.textStyle, value);
    } else if (IsName(name, L"itemendellipsis")) {
        m_info.textStyle =
            ParseBool(value) ? (m_info.textStyle | DT_END_ELLIPSIS) : (m_info.textStyle & ~DT_END_ELLIPSIS);
    } else if (IsName(name, L"itemmultiline")) {
        ApplyMultiline(m_info.textStyle, ParseBool(value));
    } else if (IsName(name, L"itemtextpadding")) {
        m_info.textPadding = ParseRect(value);
        NeedUpdate();
    } else if (IsName(name, L"itemshowhtml")) {
        m_info.showHtml = ParseBool(value);
        NeedUpdate();
    } else if (IsName(name, L"itemhlinesize")) {
        m_info.hLineSize = NotNegative(ParseInt(value));
        NeedUpdate();
    } else if (IsName(name, L"itemvlinesize")) {
        m_info.vLineSize = NotNegative(ParseInt(value));
        NeedUpdate();
    } else if (IsName(name, L"itemaltbk")) {
        m_info.alternateBk = ParseBool(value);
        Invalidate();
    } else {
        return false;
    }
    return true;
}

}  // namespace SkinUI
