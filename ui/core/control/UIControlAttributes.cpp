#include "ui/core/control/UIControl.h"

#include <cwchar>

#include "ui/core/base/UIValueParse.h"

namespace SkinUI {

namespace {

constexpr int kCustomAttributeBuckets = 83;

}  // namespace

CUIString CControlUI::GetAttribute(LPCWSTR /*name*/) {
    return CUIString();
}

void CControlUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"pos")) {
        const RECT pos = ParseRect(value);
        SetFixedXY(SIZE{pos.left, pos.top});
        // A negative difference cannot be a size and leaves it as it was.
        SetFixedWidth(pos.right - pos.left);
        SetFixedHeight(pos.bottom - pos.top);
    } else if (IsName(name, L"padding")) {
        SetPadding(ParseRect(value));
    } else if (IsName(name, L"bkcolor") || IsName(name, L"bkcolor1")) {
        SetBkColor(ParseColor(value, true));
    } else if (IsName(name, L"bkcolor2")) {
        SetBkColor2(ParseColor(value, true));
    } else if (IsName(name, L"bkcolor3")) {
        SetBkColor3(ParseColor(value, true));
    } else if (IsName(name, L"bordercolor")) {
        SetBorderColor(ParseColor(value));
    } else if (IsName(name, L"focusbordercolor")) {
        SetFocusBorderColor(ParseColor(value));
    } else if (IsName(name, L"colorhsl")) {
        SetColorHSL(ParseBool(value));
    } else if (IsName(name, L"bordersize")) {
        if (std::wcschr(value, L',') != nullptr) {
            SetBorderSize(ParseRect(value));
        } else {
            SetBorderSize(ParseInt(value));
        }
    } else if (IsName(name, L"borderstyle")) {
        SetBorderStyle(ParseInt(value));
    } else if (IsName(name, L"borderround")) {
        const SIZE round = ParseSize(value);
        SetBorderRound(round.cx, round.cy);
    } else if (IsName(name, L"bkimage")) {
        SetBkImage(value);
    } else if (IsName(name, L"width")) {
        SetFixedWidth(ParseInt(value));
    } else if (IsName(name, L"height")) {
        SetFixedHeight(ParseInt(value));
    } else if (IsName(name, L"minwidth")) {
        SetMinWidth(ParseInt(value));
    } else if (IsName(name, L"minheight")) {
        SetMinHeight(ParseInt(value));
    } else if (IsName(name, L"maxwidth")) {
        SetMaxWidth(ParseInt(value));
    } else if (IsName(name, L"maxheight")) {
        SetMaxHeight(ParseInt(value));
    } else if (IsName(name, L"name")) {
        SetName(value);
    } else if (IsName(name, L"text")) {
        SetText(value);
    } else if (IsName(name, L"tooltip")) {
        SetToolTip(value);
    } else if (IsName(name, L"userdata")) {
        SetUserData(value);
    } else if (IsName(name, L"tag")) {
        SetTag(static_cast<UINT_PTR>(ParseInt(value)));
    } else if (IsName(name, L"enabled")) {
        SetEnabled(ParseBool(value));
    } else if (IsName(name, L"mouse")) {
        SetMouseEnabled(ParseBool(value));
    } else if (IsName(name, L"keyboard")) {
        SetKeyboardEnabled(ParseBool(value));
    } else if (IsName(name, L"visible")) {
        SetVisible(ParseBool(value));
    } else if (IsName(name, L"float")) {
        if (std::wcschr(value, L',') != nullptr) {
            double fractions[4];
            ParseDoubleList(value, fractions, 4);
            SetFloatPercent(FloatPercent{fractions[0], fractions[1], fractions[2], fractions[3]});
            SetFloat(true);
        } else {
            SetFloat(ParseBool(value));
        }
    } else if (IsName(name, L"shortcut")) {
        SetShortcut(value[0]);
    } else if (IsName(name, L"menu")) {
        SetContextMenuUsed(ParseBool(value));
    } else if (IsName(name, L"virtualwnd")) {
        SetVirtualWnd(value);
    } else {
        AddCustomAttribute(name, value);
    }
}

CUIString CControlUI::GetAttributeList() {
    return CUIString();
}

void CControlUI::SetAttributeList(LPCWSTR list) {
    if (list == nullptr) {
        return;
    }
    CUIString name;
    CUIString value;
    while (*list != L'\0') {
        name.Empty();
        LPCWSTR nameStart = list;
        while (*list != L'\0' && *list != L'=') {
            list = ::CharNextW(list);
        }
        name.Assign(nameStart, static_cast<int>(list - nameStart));
        if (list[0] != L'=' || list[1] != L'"') {
            return;
        }
        list += 2;
        LPCWSTR valueStart = list;
        while (*list != L'\0' && *list != L'"') {
            list = ::CharNextW(list);
        }
        if (*list != L'"') {
            return;
        }
        value.Assign(valueStart, static_cast<int>(list - valueStart));
        ++list;
        SetAttribute(name, value);
        if (*list != L' ') {
            return;
        }
        ++list;
    }
}

void CControlUI::AddCustomAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr || *name == L'\0' || value == nullptr || *value == L'\0') {
        return;
    }
    if (m_customAttributes.Find(name, false) != nullptr) {
        return;
    }
    auto* copy = new CUIString(value);
    if (!m_customAttributes.Insert(name, copy)) {
        delete copy;
    }
}

LPCWSTR CControlUI::GetCustomAttribute(LPCWSTR name) {
    if (name == nullptr) {
        return nullptr;
    }
    const auto* value = static_cast<const CUIString*>(m_customAttributes.Find(name, false));
    return value != nullptr ? value->GetData() : nullptr;
}

void CControlUI::RemoveAllCustomAttribute() {
    for (int index = 0; index < m_customAttributes.GetSize(); ++index) {
        delete static_cast<CUIString*>(m_customAttributes.Find(m_customAttributes.GetAt(index), false));
    }
    m_customAttributes.Resize(kCustomAttributeBuckets);
}

}  // namespace SkinUI
