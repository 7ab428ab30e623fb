#include "ui/core/manager/UIManager.h"
#include "ui/core/manager/UIManagerShared.h"

namespace SkinUI {

int CUIManager::MessageLoop() {
    MSG msg = {};
    for (;;) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(msg.wParam);
        }
        if (got == -1) {
            // The queue is unusable; going on would spin for ever.
            return -1;
        }
        if (!CUIManager::TranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

bool CUIManager::AskAccelerators(const LPMSG msg) {
    CLifeGuard guard(*this);
    const CPtrArray accelerators(m_translateAccelerators);
    for (int index = 0; index < accelerators.GetSize(); ++index) {
        auto* accelerator = static_cast<ITranslateAccelerator*>(accelerators[index]);
        if (m_translateAccelerators.Find(accelerator) < 0) {
            continue;
        }
        if (accelerator->TranslateAccelerator(msg) == 0) {
            return true;
        }
        if (!guard.IsAlive()) {
            return false;
        }
    }
    return false;
}

bool CUIManager::TranslateMessage(const LPMSG msg) {
    if (msg == nullptr || msg->hwnd == nullptr) {
        return false;
    }
    // Handlers may close windows: every manager is checked to be still there.
    const CPtrArray managers(InitializedManagers());
    const bool child = (::GetWindowLongPtrW(msg->hwnd, GWL_STYLE) & WS_CHILD) != 0;
    if (!child) {
        for (int index = 0; index < managers.GetSize(); ++index) {
            auto* manager = static_cast<CUIManager*>(managers[index]);
            if (manager->m_hwnd != msg->hwnd) {
                continue;
            }
            if (manager->AskAccelerators(msg)) {
                return true;
            }
            if (InitializedManagers().Find(manager) < 0) {
                return false;
            }
            LRESULT result = 0;
            return manager->PreMessageHandler(msg->message, msg->wParam, msg->lParam, result);
        }
        return false;
    }
    // A child window's keys go to every framework window that contains it,
    // the most recently created first.
    for (int index = managers.GetSize() - 1; index >= 0; --index) {
        auto* manager = static_cast<CUIManager*>(managers[index]);
        for (HWND window = msg->hwnd; window != nullptr; window = ::GetParent(window)) {
            if (InitializedManagers().Find(manager) < 0) {
                break;
            }
            if (window != manager->m_hwnd) {
                continue;
            }
            if (manager->AskAccelerators(msg)) {
                return true;
            }
            if (InitializedManagers().Find(manager) >= 0) {
                LRESULT result = 0;
                manager->PreMessageHandler(msg->message, msg->wParam, msg->lParam, result);
            }
            break;
        }
    }
    return false;
}

}  // namespace SkinUI
