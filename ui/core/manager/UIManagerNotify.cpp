#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/manager/UIManagerShared.h"

namespace SkinUI {

bool CUIManager::AddNotifier(INotifyUI* notifier) {
    return AddToList(m_notifiers, notifier);
}

bool CUIManager::RemoveNotifier(INotifyUI* notifier) {
    return RemoveFromList(m_notifiers, notifier);
}

bool CUIManager::AddMessageFilter(IMessageFilterUI* filter) {
    return AddToList(m_messageFilters, filter);
}

bool CUIManager::RemoveMessageFilter(IMessageFilterUI* filter) {
    return RemoveFromList(m_messageFilters, filter);
}

bool CUIManager::AddPreMessageFilter(IMessageFilterUI* filter) {
    return AddToList(m_preMessageFilters, filter);
}

bool CUIManager::RemovePreMessageFilter(IMessageFilterUI* filter) {
    return RemoveFromList(m_preMessageFilters, filter);
}

bool CUIManager::AddTranslateAccelerator(ITranslateAccelerator* accelerator) {
    return AddToList(m_translateAccelerators, accelerator);
}

bool CUIManager::RemoveTranslateAccelerator(ITranslateAccelerator* accelerator) {
    return RemoveFromList(m_translateAccelerators, accelerator);
}

void CUIManager::SendNotify(CControlUI* control, LPCWSTR type, WPARAM wParam, LPARAM lParam, bool async,
                            bool allowRepeat) {
    NotifyMsg msg;
    msg.sender = control;
    msg.type = type;
    msg.wParam = wParam;
    msg.lParam = lParam;
    SendNotify(msg, async, allowRepeat);
}

void CUIManager::SendNotify(NotifyMsg& msg, bool async, bool allowRepeat) {
    msg.mouse = m_lastMouse;
    msg.timestamp = ::GetTickCount();
    if (m_useVirtualWindows && msg.sender != nullptr) {
        msg.virtualWindow = msg.sender->GetVirtualWnd();
    }
    if (!async) {
        DeliverNotify(msg);
        return;
    }
    if (!allowRepeat) {
        // A burst of the same report collapses into the pending one.
        for (int index = 0; index < m_asyncNotify.GetSize(); ++index) {
            auto* queued = static_cast<NotifyMsg*>(m_asyncNotify[index]);
            if (queued->sender == msg.sender && queued->type == msg.type) {
                queued->virtualWindow = msg.virtualWindow;
                queued->wParam = msg.wParam;
                queued->lParam = msg.lParam;
                queued->mouse = msg.mouse;
                queued->timestamp = msg.timestamp;
                return;
            }
        }
    }
    auto* copy = new NotifyMsg(msg);
    if (!m_asyncNotify.Add(copy)) {
        delete copy;
        return;
    }
    PostAsyncNotify();
}

bool CUIManager::DeliverNotify(NotifyMsg& msg) {
    CLifeGuard guard(*this);
    // While listed here, a sender destroyed by a listener turns into null
    // for the listeners after it.
    if (!m_notifyInDelivery.Add(&msg)) {
        return true;
    }
    if (msg.sender != nullptr && !msg.sender->OnNotify.IsEmpty()) {
        msg.sender->OnNotify(&msg);
        if (!guard.IsAlive()) {
            return false;
        }
    }
    // Listeners may register or remove listeners while they are told.
    const CPtrArray notifiers(m_notifiers);
    for (int index = 0; index < notifiers.GetSize(); ++index) {
        auto* notifier = static_cast<INotifyUI*>(notifiers[index]);
        if (m_notifiers.Find(notifier) < 0) {
            continue;
        }
        notifier->Notify(msg);
        if (!guard.IsAlive()) {
            return false;
        }
    }
    RemoveFromList(m_notifyInDelivery, &msg);
    return true;
}

void CUIManager::PostAsyncNotify() {
    if (!m_asyncPosted && m_hwnd != nullptr && ::PostMessageW(m_hwnd, WM_UI_ASYNC, 0, 0)) {
        m_asyncPosted = true;
    }
}

void CUIManager::DeliverAsyncNotifications() {
    m_asyncPosted = false;
    CLifeGuard guard(*this);
    // A modal loop inside a listener runs this pass again; each message is
    // taken off the queue before it is delivered, so none goes out twice.
    while (!m_asyncNotify.IsEmpty()) {
        auto* msg = static_cast<NotifyMsg*>(m_asyncNotify[0]);
        m_asyncNotify.Remove(0);
        const bool alive = DeliverNotify(*msg);
        delete msg;
        if (!alive) {
            return;
        }
    }
    // Inside a nested message the handler below us may belong to a deferred
    // control: destruction waits until that message is done.
    if (m_handlerDepth <= 1) {
        DestroyDeferred();
        if (!guard.IsAlive()) {
            return;
        }
    }
    if (m_focusNeeded && !m_updateNeeded) {
        MoveTabFocus(true);
    }
}

void CUIManager::DestroyDeferred() {
    CLifeGuard guard(*this);
    // A whole list at a time, in order: what a destructor defers goes in the next round.
    while (!m_deferredDestroy.IsEmpty() && m_destroying.IsEmpty()) {
        int moved = 0;
        while (moved < m_deferredDestroy.GetSize() && m_destroying.Add(m_deferredDestroy[moved])) {
            ++moved;
        }
        m_deferredDestroy.Remove(0, moved);
        for (int index = 0; index < m_destroying.GetSize(); ++index) {
            auto* control = static_cast<CControlUI*>(m_destroying[index]);
            if (control == nullptr) {
                continue;
            }
            control->m_destroyDeferred = false;
            control->Delete();
            if (!guard.IsAlive()) {
                return;
            }
        }
        m_destroying.Empty();
    }
}

void CUIManager::ForgetDeferred(CControlUI* control) {
    // Destroyed before its turn, by another destructor or a listener.
    RemoveFromList(m_deferredDestroy, control);
    const int waiting = m_destroying.Find(control);
    if (waiting >= 0) {
        m_destroying.Remove(waiting);
        m_destroying.InsertAt(waiting, nullptr);
    }
    control->m_destroyDeferred = false;
}

void CUIManager::FreeAsyncQueue() {
    for (int index = 0; index < m_asyncNotify.GetSize(); ++index) {
        delete static_cast<NotifyMsg*>(m_asyncNotify[index]);
    }
    m_asyncNotify.Empty();
}

}  // namespace SkinUI
