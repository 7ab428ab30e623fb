#include "ui/core/resources/UIWindowAttributes.h"

#include <cwchar>

#include "ui/core/base/UIDpi.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIString.h"
#include "ui/core/base/UIStringMapValues.h"
#include "ui/core/base/UIValueParse.h"

namespace SkinUI {

namespace {

constexpr int kBucketCount = 83;

bool IsEmptyText(LPCWSTR text) {
    return text == nullptr || *text == L'\0';
}

bool NameIs(LPCWSTR name, LPCWSTR expected) {
    return _wcsicmp(name, expected) == 0;
}

bool NameIsExactly(LPCWSTR name, LPCWSTR expected) {
    return std::wcscmp(name, expected) == 0;
}

// Window attributes accept "true" in any case, unlike control attributes.
bool ParseWindowBool(LPCWSTR value) {
    return _wcsicmp(value, L"true") == 0;
}

BYTE ParseAlpha(LPCWSTR value) {
    return static_cast<BYTE>(ParseInt(value) & 0xFF);
}

struct ColorAttribute {
    LPCWSTR name;
    void (IWindowAttributeTarget::*set)(DWORD color, bool shared);
};

const ColorAttribute kColorAttributes[] = {
    {L"disabledfontcolor", &IWindowAttributeTarget::SetDefaultDisabledColor},
    {L"defaultfontcolor", &IWindowAttributeTarget::SetDefaultFontColor},
    {L"linkfontcolor", &IWindowAttributeTarget::SetDefaultLinkFontColor},
    {L"linkhoverfontcolor", &IWindowAttributeTarget::SetDefaultLinkHoverFontColor},
    {L"selectedcolor", &IWindowAttributeTarget::SetDefaultSelectedColor},
};

}  // namespace

CWindowAttributes::CWindowAttributes(IWindowAttributeTarget& target)
    : m_target(target), m_customAttributes(kBucketCount) {}

CWindowAttributes::~CWindowAttributes() {
    RemoveAllWindowCustomAttributes();
}

void CWindowAttributes::SetWindowAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (NameIs(name, L"size")) {
        SetInitSize(value);
    } else if (NameIs(name, L"sizebox")) {
        m_sizeBox = ClampRect(ParseRect(value));
    } else if (NameIs(name, L"caption")) {
        m_caption = ClampRect(ParseRect(value));
    } else if (NameIs(name, L"roundcorner")) {
        m_roundCorner = ClampToScreen(ParseSize(value));
    } else if (NameIs(name, L"mininfo")) {
        m_minInfo = ClampToScreen(ParseSize(value));
    } else if (NameIs(name, L"maxinfo")) {
        m_maxInfo = ClampToScreen(ParseSize(value));
    } else if (NameIs(name, L"showdirty")) {
        m_target.SetShowDirty(ParseWindowBool(value));
    } else if (NameIsExactly(name, L"noactivate")) {
        m_target.SetNoActivate(ParseWindowBool(value));
    } else if (NameIs(name, L"opacity")) {
        m_target.SetOpacity(ParseAlpha(value));
    } else if (NameIsExactly(name, L"layeredopacity")) {
        m_target.SetLayeredOpacity(ParseAlpha(value));
    } else if (NameIsExactly(name, L"layeredimage")) {
        m_target.SetLayered(true);
        m_target.SetLayeredImage(value);
    } else if (!SetColorAttribute(name, value)) {
        AddWindowCustomAttribute(name, value);
    }
}

void CWindowAttributes::SetInitSize(LPCWSTR value) {
    m_initSize = ClampToScreen(ParseSize(value));
    // Once the tree is attached the window has its layout; a late "size"
    // only records the value.
    HWND window = m_target.GetPaintWindow();
    if (window != nullptr && m_target.GetRoot() == nullptr) {
        const SIZE size = ScaleSize(m_initSize, m_target.GetDpi());
        RECT current;
        ::GetWindowRect(window, &current);
        // A window made at this size is left alone. Otherwise the frame may
        // have changed since it was made (a skinned window drops its
        // caption): one move tells it both.
        if (current.right - current.left != size.cx || current.bottom - current.top != size.cy) {
            ::SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                           SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
}

bool CWindowAttributes::SetColorAttribute(LPCWSTR name, LPCWSTR value) {
    for (const ColorAttribute& attribute : kColorAttributes) {
        if (NameIs(name, attribute.name)) {
            (m_target.*attribute.set)(ParseColor(value), false);
            return true;
        }
    }
    return false;
}

void CWindowAttributes::AddWindowCustomAttribute(LPCWSTR name, LPCWSTR value) {
    if (IsEmptyText(name) || IsEmptyText(value) || m_customAttributes.Find(name) != nullptr) {
        return;
    }
    auto* copy = new CUIString(value);
    if (!m_customAttributes.Insert(name, copy)) {
        delete copy;
    }
}

LPCWSTR CWindowAttributes::GetWindowCustomAttribute(LPCWSTR name) {
    auto* value = static_cast<CUIString*>(m_customAttributes.Find(name));
    return value != nullptr ? value->GetData() : nullptr;
}

void CWindowAttributes::RemoveAllWindowCustomAttributes() {
    DestroyMapValues<CUIString>(m_customAttributes, kBucketCount, [](CUIString* value) { delete value; });
}

}  // namespace SkinUI
