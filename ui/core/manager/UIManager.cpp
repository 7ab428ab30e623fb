#include "ui/core/manager/UIManager.h"

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManagerShared.h"

namespace SkinUI {

namespace {

constexpr int kNameIndexBuckets = 83;

short g_hue = 180;
short g_saturation = 100;
short g_lightness = 100;

CControlUI* ControlUnderPoint(CControlUI* control, LPVOID point) {
    return ::PtInRect(&control->GetPos(), *static_cast<const POINT*>(point)) ? control : nullptr;
}

CControlUI* ControlNamed(CControlUI* control, LPVOID name) {
    return ::_wcsicmp(control->GetName(), static_cast<LPCWSTR>(name)) == 0 ? control : nullptr;
}

}  // namespace

CPtrArray& InitializedManagers() {
    static CPtrArray managers;
    return managers;
}

CUIManager::CLifeGuard::CLifeGuard(CUIManager& manager, CControlUI* watched)
    : m_manager(&manager), m_watched(watched), m_next(manager.m_guards) {
    manager.m_guards = this;
}

CUIManager::CLifeGuard::~CLifeGuard() {
    // Guards live on the stack, so the newest one is always the head.
    if (m_manager != nullptr) {
        m_manager->m_guards = m_next;
    }
}

CUIManager::CUIManager() : m_nameIndex(kNameIndexBuckets), m_optionGroups(kNameIndexBuckets) {}

CUIManager::~CUIManager() {
    for (CLifeGuard* guard = m_guards; guard != nullptr; guard = guard->m_next) {
        guard->m_manager = nullptr;
        guard->m_watched = nullptr;
    }
    m_guards = nullptr;
    DestroyDeferred();
    FreeAsyncQueue();
    m_nameIndex.Resize(0);
    if (m_root != nullptr) {
        CControlUI* root = m_root;
        m_root = nullptr;
        root->Delete();
    }
    RemoveAllOptionGroups();
    RemoveAllTimers();
    if (m_toolTipWindow != nullptr) {
        ::DestroyWindow(m_toolTipWindow);
    }
    if (m_paintDC != nullptr) {
        ::ReleaseDC(m_hwnd, m_paintDC);
    }
    RemoveFromList(InitializedManagers(), this);
    // With no window left, nothing would hear that the displays change.
    if (InitializedManagers().GetSize() == 0) {
        ForgetVirtualScreenSize();
    }
}

void CUIManager::Init(HWND hwnd, LPCWSTR name) {
    m_nameIndex.Resize(kNameIndexBuckets);
    m_resources.RemoveAllFonts();
    m_resources.RemoveAllImages();
    m_resources.RemoveAllDefaultAttributeList();
    m_windowAttributes.RemoveAllWindowCustomAttributes();
    RemoveAllOptionGroups();
    RemoveAllTimers();
    m_name.Empty();
    if (name != nullptr) {
        m_name = name;
    }
    if (hwnd == m_hwnd) {
        return;
    }
    if (m_paintDC != nullptr) {
        ::ReleaseDC(m_hwnd, m_paintDC);
    }
    m_hwnd = hwnd;
    m_paintDC = hwnd != nullptr ? ::GetDC(hwnd) : nullptr;
    m_resources.SetPaintDC(m_paintDC);
    if (hwnd != nullptr) {
        TakeWindowDpi();
    }
    CPtrArray& managers = InitializedManagers();
    if (hwnd != nullptr && managers.Find(this) < 0) {
        managers.Add(this);
    }
}

bool CUIManager::AttachRoot(CControlUI* control) {
    SetFocus(nullptr, true);
    m_keyTarget = nullptr;
    m_hover = nullptr;
    m_click = nullptr;
    m_toolTipControl = nullptr;
    if (m_root != nullptr) {
        // Trees deferred earlier stay queued for the next pass: a control of
        // one of them may still be running the handler that got us here.
        FreeAsyncQueue();
        m_nameIndex.Resize(kNameIndexBuckets);
        m_postPaintControls.Empty();
        DeferDestroy(m_root);
    }
    m_root = control;
    m_updateNeeded = true;
    m_focusNeeded = true;
    m_paint.OnRootAttached();
    return AttachControls(control, nullptr);
}

bool CUIManager::AttachControls(CControlUI* control, CControlUI* parent) {
    if (control == nullptr) {
        return false;
    }
    control->SetManager(this, parent != nullptr ? parent : control->GetParent(), true);
    control->FindControl(&CUIManager::IndexName, this, UIFIND_ALL);
    return true;
}

CControlUI* CUIManager::IndexName(CControlUI* control, LPVOID manager) {
    const CUIString name = control->GetName();
    if (!name.IsEmpty()) {
        static_cast<CUIManager*>(manager)->m_nameIndex.Set(name, control);
    }
    return nullptr;
}

void CUIManager::ForgetControl(CControlUI* control) {
    if (control == nullptr) {
        return;
    }
    CControlUI** references[] = {&m_root, &m_focus, &m_hover, &m_click, &m_keyTarget, &m_toolTipControl};
    for (CControlUI** reference : references) {
        if (*reference == control) {
            *reference = nullptr;
        }
    }
    for (CLifeGuard* guard = m_guards; guard != nullptr; guard = guard->m_next) {
        if (guard->m_watched == control) {
            guard->m_watched = nullptr;
        }
    }
    KillTimers(control);
    ForgetInNameIndex(control);
    ForgetInOptionGroups(control);
    for (CPtrArray* queue : {&m_asyncNotify, &m_notifyInDelivery}) {
        for (int index = 0; index < queue->GetSize(); ++index) {
            auto* msg = static_cast<NotifyMsg*>((*queue)[index]);
            if (msg->sender == control) {
                msg->sender = nullptr;
            }
        }
    }
    RemoveFromList(m_postPaintControls, control);
    RemoveFromList(m_leaveWatch, control);
    if (control->m_destroyDeferred) {
        ForgetDeferred(control);
    }
    if (control->m_layoutRequested) {
        RemoveFromList(m_layoutRequests, control);
        control->m_layoutRequested = false;
    }
    m_paint.ForgetControl(control);
}

void CUIManager::ForgetInNameIndex(CControlUI* control) {
    // A control may be indexed under a name its GetName no longer gives (a
    // derived class's name cannot be asked for in the base destructor), so
    // every entry is looked at.
    int index = 0;
    while (index < m_nameIndex.GetSize()) {
        const CUIString key = m_nameIndex.GetAt(index);
        if (m_nameIndex.Find(key, false) == control) {
            m_nameIndex.Remove(key);
        } else {
            ++index;
        }
    }
}

void CUIManager::DeferDestroy(CControlUI* control) {
    if (control == nullptr || control->m_destroyDeferred) {
        return;
    }
    control->SetManager(this, nullptr, false);
    if (m_deferredDestroy.Add(control)) {
        control->m_destroyDeferred = true;
    }
    PostAsyncNotify();
}

CControlUI* CUIManager::FindControl(POINT point) const {
    if (m_root == nullptr) {
        return nullptr;
    }
    return m_root->FindControl(ControlUnderPoint, &point, UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CUIManager::FindControlByName(LPCWSTR name) {
    if (name == nullptr) {
        return nullptr;
    }
    return static_cast<CControlUI*>(m_nameIndex.Find(name));
}

CControlUI* CUIManager::FindSubControlByName(CControlUI* parent, LPCWSTR name) const {
    if (parent == nullptr) {
        parent = m_root;
    }
    if (parent == nullptr || name == nullptr) {
        return nullptr;
    }
    return parent->FindControl(ControlNamed, const_cast<LPWSTR>(name), UIFIND_ALL);
}

bool CUIManager::IsInAttachedTree(CControlUI* control) const {
    for (CControlUI* node = control; node != nullptr; node = node->GetParent()) {
        if (node == m_root) {
            return true;
        }
    }
    return false;
}

void CUIManager::RenameControl(CControlUI* control, LPCWSTR oldName) {
    if (control == nullptr) {
        return;
    }
    bool indexed = false;
    if (oldName != nullptr && *oldName != L'\0' && m_nameIndex.Find(oldName, false) == control) {
        m_nameIndex.Remove(oldName);
        indexed = true;
    }
    const CUIString newName = control->GetName();
    if (!newName.IsEmpty() && (indexed || IsInAttachedTree(control))) {
        m_nameIndex.Set(newName, control);
    }
}

void CUIManager::Invalidate() {
    m_paint.Invalidate();
}

void CUIManager::Invalidate(const RECT& rect) {
    m_paint.Invalidate(rect);
}

bool CUIManager::TakeUpdateRequest() {
    const bool needed = m_updateNeeded;
    m_updateNeeded = false;
    return needed;
}

void CUIManager::ChoosePendingFocus() {
    if (!m_focusNeeded) {
        return;
    }
    if (m_updateNeeded) {
        // The tab order is known once this pass has laid the tree out. A
        // repaint asked for now would be swallowed by BeginPaint, so the
        // choice is made by the asynchronous pass right after this one.
        PostAsyncNotify();
        return;
    }
    MoveTabFocus(true);
}

void CUIManager::SetCapture() {
    ::SetCapture(m_hwnd);
    m_mouseCaptured = true;
}

void CUIManager::ReleaseCapture() {
    // Cleared first: the WM_CAPTURECHANGED this release sends is no loss.
    m_mouseCaptured = false;
    ::ReleaseCapture();
}

void CUIManager::SetHSL(short hue, short saturation, short lightness) {
    g_hue = hue;
    g_saturation = saturation;
    g_lightness = lightness;
}

void CUIManager::GetHSL(short* hue, short* saturation, short* lightness) {
    if (hue != nullptr) {
        *hue = g_hue;
    }
    if (saturation != nullptr) {
        *saturation = g_saturation;
    }
    if (lightness != nullptr) {
        *lightness = g_lightness;
    }
}

}  // namespace SkinUI
