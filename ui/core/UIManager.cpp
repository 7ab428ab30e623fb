#include "ui/core/UIManager.h"

#include "ui/core/UIControl.h"

namespace SkinUI {

namespace {

constexpr int kNameIndexBuckets = 83;

short g_hue = 180;
short g_saturation = 100;
short g_lightness = 100;

// The process-wide default font: the system GUI font, shared by every window.
FontEntry& SharedDefaultFont() {
    static FontEntry entry;
    if (entry.font == nullptr) {
        LOGFONTW logFont = {};
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
        logFont.lfCharSet = DEFAULT_CHARSET;
        entry.font = ::CreateFontIndirectW(&logFont);
        entry.faceName = logFont.lfFaceName;
        entry.size = -logFont.lfHeight;
        entry.bold = logFont.lfWeight >= FW_BOLD;
        entry.underline = logFont.lfUnderline == 1;
        entry.italic = logFont.lfItalic == 1;
    }
    return entry;
}

CControlUI* ControlUnderPoint(CControlUI* control, LPVOID point) {
    return ::PtInRect(&control->GetPos(), *static_cast<const POINT*>(point)) ? control : nullptr;
}

bool RemoveFromList(CPtrArray& list, LPVOID item) {
    const int index = list.Find(item);
    return index >= 0 && list.Remove(index);
}

}  // namespace

CUIManager::CUIManager() : m_nameIndex(kNameIndexBuckets), m_classDefaults(kNameIndexBuckets) {
    SharedDefaultFont();
}

CUIManager::~CUIManager() {
    DestroyDeferred();
    FreeAsyncQueue();
    m_nameIndex.Resize(0);
    if (m_root != nullptr) {
        m_root->Delete();
        m_root = nullptr;
    }
    RemoveAllClassDefaults();
    if (m_paintDC != nullptr) {
        ::ReleaseDC(m_hwnd, m_paintDC);
    }
}

void CUIManager::Init(HWND hwnd, LPCWSTR name) {
    m_nameIndex.Resize(kNameIndexBuckets);
    RemoveAllClassDefaults();
    m_name.Empty();
    if (name != nullptr) {
        m_name = name;
    }
    if (hwnd != m_hwnd) {
        if (m_paintDC != nullptr) {
            ::ReleaseDC(m_hwnd, m_paintDC);
        }
        m_hwnd = hwnd;
        m_paintDC = hwnd != nullptr ? ::GetDC(hwnd) : nullptr;
    }
}

bool CUIManager::AttachRoot(CControlUI* control) {
    SetFocus(nullptr, true);
    if (m_root != nullptr) {
        DestroyDeferred();
        FreeAsyncQueue();
        m_nameIndex.Resize(kNameIndexBuckets);
        m_postPaintControls.Empty();
        DeferDestroy(m_root);
    }
    m_root = control;
    m_updateNeeded = true;
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
    if (m_focus == control) {
        m_focus = nullptr;
    }
    if (m_root == control) {
        m_root = nullptr;
    }
    const CUIString name = control->GetName();
    if (!name.IsEmpty() && m_nameIndex.Find(name, false) == control) {
        m_nameIndex.Remove(name);
    }
    for (int index = 0; index < m_asyncNotify.GetSize(); ++index) {
        auto* msg = static_cast<NotifyMsg*>(m_asyncNotify[index]);
        if (msg->sender == control) {
            msg->sender = nullptr;
        }
    }
    // A control destroyed while listed (a layout in the middle of a drag) must
    // not be painted or notified afterwards.
    RemoveFromList(m_postPaintControls, control);
    RemoveFromList(m_leaveWatch, control);
}

void CUIManager::DeferDestroy(CControlUI* control) {
    if (control == nullptr) {
        return;
    }
    control->SetManager(this, nullptr, false);
    m_deferredDestroy.Add(control);
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
    if (m_hwnd != nullptr) {
        ::InvalidateRect(m_hwnd, nullptr, FALSE);
    }
}

void CUIManager::Invalidate(const RECT& rect) {
    RECT clamped = rect;
    if (clamped.left < 0) {
        clamped.left = 0;
    }
    if (clamped.top < 0) {
        clamped.top = 0;
    }
    if (clamped.right < clamped.left) {
        clamped.right = clamped.left;
    }
    if (clamped.bottom < clamped.top) {
        clamped.bottom = clamped.top;
    }
    if (m_hwnd != nullptr) {
        ::InvalidateRect(m_hwnd, &clamped, FALSE);
    }
}

void CUIManager::SetFocus(CControlUI* control, bool activateWindow) {
    if (activateWindow && m_hwnd != nullptr && ::GetFocus() != m_hwnd && control != m_focus) {
        ::SetFocus(m_hwnd);
    }
    if (control == m_focus) {
        return;
    }
    if (m_focus != nullptr) {
        UIEvent event;
        event.type = UIEVENT_KILLFOCUS;
        event.sender = control;
        event.timestamp = ::GetTickCount();
        CControlUI* oldFocus = m_focus;
        oldFocus->Event(event);
        SendNotify(oldFocus, L"killfocus");
        m_focus = nullptr;
    }
    if (control == nullptr) {
        return;
    }
    if (control->GetManager() == this && control->IsVisible() && control->IsEnabled()) {
        m_focus = control;
        UIEvent event;
        event.type = UIEVENT_SETFOCUS;
        event.sender = control;
        event.timestamp = ::GetTickCount();
        control->Event(event);
        SendNotify(control, L"setfocus");
    }
}

bool CUIManager::AddNotifier(INotifyUI* notifier) {
    return notifier != nullptr && m_notifiers.Add(notifier);
}

bool CUIManager::RemoveNotifier(INotifyUI* notifier) {
    return RemoveFromList(m_notifiers, notifier);
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

void CUIManager::DeliverNotify(NotifyMsg& msg) {
    if (msg.sender != nullptr && !msg.sender->OnNotify.IsEmpty()) {
        msg.sender->OnNotify(&msg);
    }
    for (int index = 0; index < m_notifiers.GetSize(); ++index) {
        static_cast<INotifyUI*>(m_notifiers[index])->Notify(msg);
    }
}

void CUIManager::PostAsyncNotify() {
    if (!m_asyncPosted && m_hwnd != nullptr && ::PostMessageW(m_hwnd, WM_UI_ASYNC, 0, 0)) {
        m_asyncPosted = true;
    }
}

bool CUIManager::MessageHandler(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
    if (m_hwnd == nullptr) {
        return false;
    }
    if (message == WM_UI_ASYNC) {
        DeliverAsyncNotifications();
    }
    return false;
}

void CUIManager::DeliverAsyncNotifications() {
    m_asyncPosted = false;
    while (!m_asyncNotify.IsEmpty()) {
        auto* msg = static_cast<NotifyMsg*>(m_asyncNotify[0]);
        m_asyncNotify.Remove(0);
        DeliverNotify(*msg);
        delete msg;
    }
    DestroyDeferred();
}

void CUIManager::DestroyDeferred() {
    while (!m_deferredDestroy.IsEmpty()) {
        CPtrArray pending(m_deferredDestroy);
        m_deferredDestroy.Empty();
        for (int index = 0; index < pending.GetSize(); ++index) {
            static_cast<CControlUI*>(pending[index])->Delete();
        }
    }
}

void CUIManager::FreeAsyncQueue() {
    for (int index = 0; index < m_asyncNotify.GetSize(); ++index) {
        delete static_cast<NotifyMsg*>(m_asyncNotify[index]);
    }
    m_asyncNotify.Empty();
}

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

void CUIManager::AddClassDefaults(LPCWSTR className, LPCWSTR attributes) {
    if (className == nullptr || *className == L'\0' || attributes == nullptr) {
        return;
    }
    auto* copy = new CUIString(attributes);
    delete static_cast<CUIString*>(m_classDefaults.Set(className, copy));
}

LPCWSTR CUIManager::GetClassDefaults(LPCWSTR className) {
    if (className == nullptr) {
        return nullptr;
    }
    const auto* text = static_cast<const CUIString*>(m_classDefaults.Find(className));
    return text != nullptr ? text->GetData() : nullptr;
}

void CUIManager::RemoveAllClassDefaults() {
    for (int index = 0; index < m_classDefaults.GetSize(); ++index) {
        delete static_cast<CUIString*>(m_classDefaults.Find(m_classDefaults.GetAt(index), false));
    }
    m_classDefaults.Resize(kNameIndexBuckets);
}

void CUIManager::MeasureFont(FontEntry& entry) {
    if (entry.textMetrics.tmHeight != 0 || m_paintDC == nullptr || entry.font == nullptr) {
        return;
    }
    HGDIOBJ oldFont = ::SelectObject(m_paintDC, entry.font);
    ::GetTextMetricsW(m_paintDC, &entry.textMetrics);
    ::SelectObject(m_paintDC, oldFont);
}

FontEntry* CUIManager::GetDefaultFontInfo() {
    FontEntry& entry = SharedDefaultFont();
    MeasureFont(entry);
    return &entry;
}

HFONT CUIManager::GetFont(int /*id*/) {
    return GetDefaultFontInfo()->font;
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
