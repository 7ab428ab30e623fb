#include "ui/core/manager/UIManager.h"

namespace SkinUI {

bool CUIManager::SetTimer(CControlUI* control, UINT timerId, UINT elapse) {
    return control != nullptr && m_hwnd != nullptr && m_timers.Set(m_hwnd, control, timerId, elapse);
}

bool CUIManager::KillTimer(CControlUI* control, UINT timerId) {
    return m_timers.Kill(m_hwnd, control, timerId);
}

void CUIManager::KillTimers(CControlUI* control) {
    m_timers.KillAll(m_hwnd, control);
}

UINT CUIManager::GetTimerElapse(const CControlUI* control, UINT timerId) const {
    return m_timers.Elapse(m_hwnd, control, timerId);
}

void CUIManager::RemoveAllTimers() {
    m_timers.RemoveAll(m_hwnd);
}

}  // namespace SkinUI
