#include "ui/core/manager/UIControlTimers.h"

namespace SkinUI {

CControlTimers::~CControlTimers() {
    for (const Record& record : m_records) {
        Stop(record);
    }
}

void CControlTimers::Stop(const Record& record) {
    if (!record.killed && ::IsWindow(record.window)) {
        ::KillTimer(record.window, record.nativeId);
    }
}

bool CControlTimers::IsInUse(HWND window, UINT_PTR nativeId) const {
    for (const Record& record : m_records) {
        if (record.window == window && record.nativeId == nativeId) {
            return true;
        }
    }
    return false;
}

UINT_PTR CControlTimers::NextFreeId(HWND window) {
    constexpr UINT_PTR kRangeSize = kLastNativeId - kFirstNativeId + 1;
    for (UINT_PTR attempt = 0; attempt < kRangeSize; ++attempt) {
        m_counter = (m_counter + 1) % 255;
        // Below 17 lie the application's own timers: start the range again.
        if (m_counter < kFirstNativeId) {
            m_counter = kFirstNativeId;
        }
        if (!IsInUse(window, m_counter)) {
            return m_counter;
        }
    }
    return 0;
}

bool CControlTimers::Set(HWND window, CControlUI* control, UINT userId, UINT elapse) {
    for (Record& record : m_records) {
        if (record.control == control && record.window == window && record.userId == userId) {
            if (!record.killed) {
                return false;
            }
            if (::SetTimer(window, record.nativeId, elapse, nullptr) == 0) {
                return false;
            }
            record.killed = false;
            record.elapse = elapse;
            return true;
        }
    }
    const UINT_PTR nativeId = NextFreeId(window);
    if (nativeId == 0 || ::SetTimer(window, nativeId, elapse, nullptr) == 0) {
        return false;
    }
    m_records.push_back(Record{control, userId, window, nativeId, elapse, false});
    return true;
}

bool CControlTimers::Kill(HWND window, CControlUI* control, UINT userId) {
    for (Record& record : m_records) {
        if (!record.killed && record.control == control && record.window == window && record.userId == userId) {
            Stop(record);
            record.killed = true;
            return true;
        }
    }
    return false;
}

void CControlTimers::KillAll(HWND window, CControlUI* control) {
    for (auto it = m_records.begin(); it != m_records.end();) {
        if (it->control == control && it->window == window) {
            Stop(*it);
            it = m_records.erase(it);
        } else {
            ++it;
        }
    }
}

UINT CControlTimers::Elapse(HWND window, const CControlUI* control, UINT userId) const {
    for (const Record& record : m_records) {
        if (!record.killed && record.control == control && record.window == window && record.userId == userId) {
            return record.elapse;
        }
    }
    return 0;
}

void CControlTimers::RemoveAll(HWND window) {
    for (auto it = m_records.begin(); it != m_records.end();) {
        if (it->window == window) {
            Stop(*it);
            it = m_records.erase(it);
        } else {
            ++it;
        }
    }
}

bool CControlTimers::Find(HWND window, UINT_PTR nativeId, CControlUI** control, UINT* userId) const {
    for (const Record& record : m_records) {
        if (!record.killed && record.window == window && record.nativeId == nativeId) {
            *control = record.control;
            *userId = record.userId;
            return true;
        }
    }
    return false;
}

}  // namespace SkinUI
