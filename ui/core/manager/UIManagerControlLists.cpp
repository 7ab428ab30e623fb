#include "ui/core/manager/UIManager.h"
#include "ui/core/manager/UIManagerShared.h"

namespace SkinUI {

namespace {

constexpr int kOptionGroupBuckets = 83;
constexpr int kOptionGroupCapacity = 6;

}  // namespace

bool CUIManager::AddPostPaint(CControlUI* control) {
    if (control == nullptr || m_postPaintControls.Find(control) >= 0) {
        return false;
    }
    return m_postPaintControls.Add(control);
}

bool CUIManager::RemovePostPaint(CControlUI* control) {
    return RemoveFromList(m_postPaintControls, control);
}

CControlUI* CUIManager::GetPostPaint(int index) const {
    return static_cast<CControlUI*>(m_postPaintControls.GetAt(index));
}

bool CUIManager::AddLeaveWatch(CControlUI* control) {
    if (control == nullptr || m_leaveWatch.Find(control) >= 0) {
        return false;
    }
    return m_leaveWatch.Add(control);
}

bool CUIManager::RemoveLeaveWatch(CControlUI* control) {
    return RemoveFromList(m_leaveWatch, control);
}

bool CUIManager::AddOptionGroup(LPCWSTR groupName, CControlUI* control) {
    if (groupName == nullptr || control == nullptr) {
        return false;
    }
    if (auto* group = static_cast<CPtrArray*>(m_optionGroups.Find(groupName))) {
        return group->Find(control) < 0 && group->Add(control);
    }
    auto* group = new CPtrArray(kOptionGroupCapacity);
    if (!group->Add(control) || !m_optionGroups.Insert(groupName, group)) {
        delete group;
        return false;
    }
    return true;
}

CPtrArray* CUIManager::GetOptionGroup(LPCWSTR groupName) {
    return groupName != nullptr ? static_cast<CPtrArray*>(m_optionGroups.Find(groupName)) : nullptr;
}

void CUIManager::RemoveOptionGroup(LPCWSTR groupName, CControlUI* control) {
    CPtrArray* group = GetOptionGroup(groupName);
    if (group == nullptr || !RemoveFromList(*group, control)) {
        return;
    }
    if (group->IsEmpty()) {
        m_optionGroups.Remove(groupName);
        delete group;
    }
}

void CUIManager::ForgetInOptionGroups(CControlUI* control) {
    int index = 0;
    while (index < m_optionGroups.GetSize()) {
        const CUIString groupName = m_optionGroups.GetAt(index);
        auto* group = static_cast<CPtrArray*>(m_optionGroups.Find(groupName, false));
        if (RemoveFromList(*group, control) && group->IsEmpty()) {
            m_optionGroups.Remove(groupName);
            delete group;
        } else {
            ++index;
        }
    }
}

void CUIManager::RemoveAllOptionGroups() {
    for (int index = 0; index < m_optionGroups.GetSize(); ++index) {
        delete static_cast<CPtrArray*>(m_optionGroups.Find(m_optionGroups.GetAt(index), false));
    }
    m_optionGroups.Resize(kOptionGroupBuckets);
}

}  // namespace SkinUI
