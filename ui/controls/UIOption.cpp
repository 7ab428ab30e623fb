#include "ui/controls/UIOption.h"

#include <cwchar>

#include "ui/core/base/UIValueParse.h"
#include "ui/core/manager/UIManager.h"

namespace SkinUI {

COptionUI::COptionUI() = default;

COptionUI::~COptionUI() {
    if (!m_groupName.IsEmpty() && m_manager != nullptr) {
        m_manager->RemoveOptionGroup(m_groupName, this);
    }
}

LPCWSTR COptionUI::GetClass() const {
    return L"Option";
}

LPVOID COptionUI::GetInterface(LPCWSTR name) {
    if (name != nullptr && std::wcscmp(name, L"Option") == 0) {
        return static_cast<COptionUI*>(this);
    }
    return CButtonUI::GetInterface(name);
}

void COptionUI::SetManager(CUIManager* manager, CControlUI* parent, bool init) {
    // A group lists only attached options: a detached one may be destroyed
    // without a manager to tell, and must not stay behind in the group.
    if (m_manager != nullptr && m_manager != manager && !m_groupName.IsEmpty()) {
        m_manager->RemoveOptionGroup(m_groupName, this);
    }
    CButtonUI::SetManager(manager, parent, init);
    if (init && !m_groupName.IsEmpty() && m_manager != nullptr) {
        m_manager->AddOptionGroup(m_groupName, this);
    }
}

void COptionUI::SetGroup(LPCWSTR name) {
    if (name == nullptr) {
        name = L"";
    }
    if (m_groupName == name) {
        return;
    }
    if (!m_groupName.IsEmpty() && m_manager != nullptr) {
        m_manager->RemoveOptionGroup(m_groupName, this);
    }
    m_groupName = name;
    if (!m_groupName.IsEmpty() && m_manager != nullptr) {
        m_manager->AddOptionGroup(m_groupName, this);
    }
}

void COptionUI::SetEnabled(bool enabled) {
    CButtonUI::SetEnabled(enabled);
    if (!IsEnabled()) {
        m_buttonState = m_selected ? static_cast<UINT>(UISTATE_SELECTED) : 0u;
    }
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate()) {
        return false;
    }
    // In a group a click selects; alone it toggles.
    Selected(!m_groupName.IsEmpty() || !m_selected, true);
    return true;
}

void COptionUI::Selected(bool selected, bool notify) {
    if (m_selected == selected) {
        return;
    }
    m_selected = selected;
    m_buttonState = selected ? (m_buttonState | UISTATE_SELECTED) : (m_buttonState & ~UISTATE_SELECTED);
    if (m_manager != nullptr) {
        if (!m_groupName.IsEmpty()) {
            if (!selected) {
                Invalidate();
                return;
            }
            DeselectOtherMembers(notify);
        }
        if (notify) {
            m_manager->SendNotify(this, L"selectchanged");
        }
    }
    Invalidate();
}

void COptionUI::DeselectOtherMembers(bool notify) {
    // A group is only there once an option joined it in this manager.
    const CPtrArray* group = m_manager->GetOptionGroup(m_groupName);
    if (group == nullptr) {
        return;
    }
    for (int index = 0; index < group->GetSize(); ++index) {
        auto* member = static_cast<CControlUI*>(group->GetAt(index));
        auto* option = member != nullptr ? static_cast<COptionUI*>(member->GetInterface(L"Option")) : nullptr;
        if (option != nullptr && option != this) {
            option->Selected(false, notify);
        }
    }
}

void COptionUI::SetAttribute(LPCWSTR name, LPCWSTR value) {
    if (name == nullptr) {
        return;
    }
    if (value == nullptr) {
        value = L"";
    }
    if (IsName(name, L"group")) {
        SetGroup(value);
    } else if (IsName(name, L"selected")) {
        Selected(ParseBool(value), true);
    } else if (IsName(name, L"selectedimage")) {
        SetSelectedImage(value);
    } else if (IsName(name, L"selectedhotimage")) {
        SetSelectedHotImage(value);
    } else if (IsName(name, L"foreimage")) {
        SetOptionForeImage(value);
    } else if (IsName(name, L"selectedbkcolor")) {
        m_selectedBkColor = ParseColor(value);
    } else if (IsName(name, L"selectedtextcolor")) {
        m_selectedTextColor = ParseColor(value);
    } else {
        CButtonUI::SetAttribute(name, value);
    }
}

void COptionUI::PaintStateImage(HDC dc) {
    bool painted = false;
    if (m_selected) {
        painted =
            ((m_buttonState & UISTATE_HOT) != 0 && DrawImage(dc, m_selectedHotImage)) || DrawImage(dc, m_selectedImage);
        if (!painted && m_selectedBkColor != 0) {
            CRenderer::DrawColor(dc, m_paintRect, AdjustColor(m_selectedBkColor));
            painted = true;
        }
    }
    if (!painted) {
        // Options never show a pushed image.
        const UINT pushed = m_buttonState & UISTATE_PUSHED;
        m_buttonState &= ~UISTATE_PUSHED;
        CButtonUI::PaintStateImage(dc);
        m_buttonState |= pushed;
    }
    DrawImage(dc, m_optionForeImage);
}

void COptionUI::PaintText(HDC dc) {
    if (!m_selected) {
        const UINT pushed = m_buttonState & UISTATE_PUSHED;
        m_buttonState &= ~UISTATE_PUSHED;
        CButtonUI::PaintText(dc);
        m_buttonState |= pushed;
        return;
    }
    if (!ResolveDefaultColors() || m_text.IsEmpty()) {
        return;
    }
    const DWORD selectedColor = m_selectedTextColor != 0 ? m_selectedTextColor : m_textColor;
    RECT rect = GetTextRect();
    DrawTextIn(dc, rect, IsEnabled() ? selectedColor : m_disabledTextColor, m_textStyle);
}

}  // namespace SkinUI
