#include "ui/core/window/UIWindowImplBase.h"

#include <cwchar>

#include "ui/core/base/UIDpi.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/resources/UIResourceLoader.h"
#include "ui/core/resources/UIResourceLocation.h"

namespace SkinUI {

namespace {

constexpr DWORD kCaptionStyle = WS_CAPTION;
constexpr DWORD kClipStyles = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

}  // namespace

const NotifyMap* WindowImplBase::ClassNotifyMap() {
    static const NotifyMapEntry entries[] = {
        NotifyHandler(L"click", &WindowImplBase::OnClick),
        EndOfNotifyMap(),
    };
    static const NotifyMap map = {CNotifyPump::ClassNotifyMap(), entries};
    return &map;
}

const NotifyMap* WindowImplBase::GetNotifyMap() const {
    return ClassNotifyMap();
}

void WindowImplBase::Notify(NotifyMsg& msg) {
    NotifyPump(msg);
}

LRESULT WindowImplBase::MessageHandler(UINT message, WPARAM wParam, LPARAM, bool&) {
    // Never marks the key handled: the manager still sees it. A key typed
    // into a native child window (a date picker, an edit box) is that
    // window's: Escape there must not close this one.
    if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE) && !::IsChild(m_hwnd, ::GetFocus())) {
        return ResponseDefaultKeyEvent(wParam);
    }
    return 0;
}

CControlUI* WindowImplBase::CreateControl(LPCWSTR) {
    return nullptr;
}

UINT WindowImplBase::GetClassStyle() const {
    return CS_DBLCLKS;
}

void WindowImplBase::OnFinalMessage(HWND) {
    m_manager.RemovePreMessageFilter(this);
    m_manager.RemoveNotifier(this);
    m_manager.ForgetControl(m_manager.GetRoot());
}

void WindowImplBase::InitWindow() {}

void WindowImplBase::OnClick(NotifyMsg& msg) {
    if (msg.sender == nullptr) {
        return;
    }
    const CUIString name = msg.sender->GetName();
    if (name == L"closebtn") {
        Close(1);
    } else if (name == L"minbtn") {
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    } else if (name == L"maxbtn") {
        SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
    } else if (name == L"restorebtn") {
        SendMessage(WM_SYSCOMMAND, SC_RESTORE);
    }
}

LRESULT WindowImplBase::ResponseDefaultKeyEvent(WPARAM wParam) {
    if (wParam == VK_ESCAPE) {
        Close(1);
        return 1;
    }
    return 0;
}

int WindowImplBase::GetResourceType() const {
    return UISKIN_FILE;
}

CUIString WindowImplBase::GetZipFileName() const {
    return CUIString();
}

LPCWSTR WindowImplBase::GetResourceId() const {
    return L"";
}

UINT WindowImplBase::GetStyle() const {
    return static_cast<UINT>(::GetWindowLongW(m_hwnd, GWL_STYLE)) & ~kCaptionStyle;
}

LRESULT WindowImplBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    using Handler = LRESULT (WindowImplBase::*)(UINT, WPARAM, LPARAM, bool&);
    Handler handler = nullptr;
    switch (message) {
    case WM_CREATE:
        handler = &WindowImplBase::OnCreate;
        break;
    case WM_CLOSE:
        handler = &WindowImplBase::OnClose;
        break;
    case WM_DESTROY:
        handler = &WindowImplBase::OnDestroy;
        break;
    case WM_NCACTIVATE:
        handler = &WindowImplBase::OnNcActivate;
        break;
    case WM_NCCALCSIZE:
        handler = &WindowImplBase::OnNcCalcSize;
        break;
    case WM_NCPAINT:
        handler = &WindowImplBase::OnNcPaint;
        break;
    case WM_NCHITTEST:
        handler = &WindowImplBase::OnNcHitTest;
        break;
    case WM_GETMINMAXINFO:
        handler = &WindowImplBase::OnGetMinMaxInfo;
        break;
    case WM_MOUSEWHEEL:
        handler = &WindowImplBase::OnMouseWheel;
        break;
    case WM_MOUSEHOVER:
        handler = &WindowImplBase::OnMouseHover;
        break;
    case WM_SIZE:
        handler = &WindowImplBase::OnSize;
        break;
    case WM_CHAR:
        handler = &WindowImplBase::OnChar;
        break;
    case WM_SYSCOMMAND:
        handler = &WindowImplBase::OnSysCommand;
        break;
    case WM_KEYDOWN:
        handler = &WindowImplBase::OnKeyDown;
        break;
    case WM_KILLFOCUS:
        handler = &WindowImplBase::OnKillFocus;
        break;
    case WM_SETFOCUS:
        handler = &WindowImplBase::OnSetFocus;
        break;
    case WM_LBUTTONUP:
        handler = &WindowImplBase::OnLButtonUp;
        break;
    case WM_LBUTTONDOWN:
        handler = &WindowImplBase::OnLButtonDown;
        break;
    case WM_MOUSEMOVE:
        handler = &WindowImplBase::OnMouseMove;
        break;
    default:
        break;
    }
    bool handled = handler != nullptr;
    if (handled) {
        const LRESULT result = (this->*handler)(message, wParam, lParam, handled);
        if (handled) {
            return result;
        }
    }
    handled = false;
    const LRESULT custom = HandleCustomMessage(message, wParam, lParam, handled);
    if (handled) {
        return custom;
    }
    LRESULT result = 0;
    if (m_manager.MessageHandler(message, wParam, lParam, result)) {
        return result;
    }
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

void WindowImplBase::PrepareCreation(DWORD& style, int& width, int& height) {
    // Made as it will stay, without a caption and at its skin's size, the
    // window needs no frame change and no move once created: each is a trip
    // to the window system. (An overlapped window gets a caption from the
    // system all the same; OnCreate takes it off again.)
    style = (style & ~kCaptionStyle) | kClipStyles;
    if (!ResourcesReady()) {
        return;
    }
    auto skin = std::make_unique<CLayoutBuilder>();
    if (!LoadSkin(*skin)) {
        return;  // OnCreate tries again, and says so when it fails
    }
    const SIZE size = skin->GetWindowSize();
    if (size.cx > 0 && size.cy > 0) {
        // The system's DPI; a window that opens on a monitor of another DPI
        // is resized once it knows its own.
        const SIZE scaled = ScaleSize(size, WindowDpi(nullptr));
        width = scaled.cx;
        height = scaled.cy;
    }
    m_loadedSkin = std::move(skin);
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, bool&) {
    const LONG style = ::GetWindowLongW(m_hwnd, GWL_STYLE);
    const LONG skinned = (style & ~static_cast<LONG>(kCaptionStyle)) | static_cast<LONG>(kClipStyles);
    if (skinned != style) {
        ::SetWindowLongW(m_hwnd, GWL_STYLE, skinned);
    }
    m_manager.Init(m_hwnd, nullptr);
    m_manager.AddPreMessageFilter(this);
    const bool prepared = ResourcesReady();
    RECT before;
    ::GetWindowRect(m_hwnd, &before);
    CControlUI* root = prepared ? BuildSkin() : nullptr;
    // A skin's size that differs comes with the frame change; otherwise a
    // caption taken off needs a frame change of its own, so that the whole
    // window becomes client area.
    RECT after;
    ::GetWindowRect(m_hwnd, &after);
    const bool resized = after.right - after.left != before.right - before.left ||
                         after.bottom - after.top != before.bottom - before.top;
    if ((style & static_cast<LONG>(kCaptionStyle)) != 0 && !resized) {
        ::SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!prepared) {
        return 0;
    }
    if (root == nullptr) {
        ::MessageBoxW(nullptr, L"加载资源文件失败", L"SkinUI", MB_ICONERROR);
        ::ExitProcess(1);
    }
    m_manager.AttachRoot(root);
    m_manager.AddNotifier(this);
    InitWindow();
    return 0;
}

bool WindowImplBase::PrepareResourceLocation() {
    if (CResourceLocation::GetResourcePath().IsEmpty()) {
        CResourceLocation::SetResourcePath(CResourceLocation::GetInstancePath() + GetSkinFolder());
    }
    switch (GetResourceType()) {
    case UISKIN_ARCHIVE_FILE:
        CResourceLocation::SetResourceZip(GetZipFileName(), true);
        return true;
    case UISKIN_ARCHIVE_RESOURCE:
        // A missing or empty archive leaves the window without controls.
        return UseArchiveResource(GetResourceId());
    default:
        return true;
    }
}

bool WindowImplBase::ResourcesReady() {
    if (m_resources == Resources::kNotAsked) {
        m_resources = PrepareResourceLocation() ? Resources::kReady : Resources::kMissing;
    }
    return m_resources == Resources::kReady;
}

bool WindowImplBase::LoadSkin(CLayoutBuilder& builder) {
    const CUIString skin = GetSkinFile();
    if (GetResourceType() == UISKIN_RESOURCE) {
        LPCWSTR number = ResourceNameFromNumber(wcstoul(skin, nullptr, 10));
        return number != nullptr && builder.Load(number, L"xml");
    }
    return builder.Load(skin, nullptr);
}

CControlUI* WindowImplBase::BuildSkin() {
    std::unique_ptr<CLayoutBuilder> skin = std::move(m_loadedSkin);
    if (skin == nullptr) {
        skin = std::make_unique<CLayoutBuilder>();
        if (!LoadSkin(*skin)) {
            return nullptr;
        }
    }
    return skin->Create(this, &m_manager);
}

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, bool& handled) {
    if (::IsIconic(m_hwnd)) {
        handled = false;
    }
    return wParam == 0;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM lParam, bool&) {
    if (!::IsZoomed(m_hwnd)) {
        return 0;
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT& first = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0];
    first.right = first.left + (monitor.rcWork.right - monitor.rcWork.left);
    first.bottom = first.top + (monitor.rcWork.bottom - monitor.rcWork.top);
    return WVR_REDRAW;
}

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, bool&) {
    return 0;
}

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, bool&) {
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ::ScreenToClient(m_hwnd, &point);
    RECT client;
    ::GetClientRect(m_hwnd, &client);

    if (!::IsZoomed(m_hwnd)) {
        const RECT box = m_manager.GetSizeBox();
        const bool left = point.x < client.left + box.left;
        const bool right = point.x > client.right - box.right;
        if (point.y < client.top + box.top) {
            return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        }
        if (point.y > client.bottom - box.bottom) {
            return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
        }
        if (left) {
            return HTLEFT;
        }
        if (right) {
            return HTRIGHT;
        }
    }

    const RECT caption = m_manager.GetCaptionRect();
    if (point.x >= client.left + caption.left && point.x < client.right - caption.right && point.y >= caption.top &&
        point.y < caption.bottom) {
        CControlUI* control = m_manager.FindControl(point);
        if (control != nullptr && _wcsicmp(control->GetClass(), L"Button") != 0 &&
            _wcsicmp(control->GetClass(), L"Option") != 0 && _wcsicmp(control->GetClass(), L"Text") != 0) {
            return HTCAPTION;
        }
    }
    return HTCLIENT;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool& handled) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT work = monitor.rcWork;
    ::OffsetRect(&work, -monitor.rcMonitor.left, -monitor.rcMonitor.top);
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMaxPosition = {work.left, work.top};
    info->ptMaxTrackSize = {work.right - work.left, work.bottom - work.top};
    const SIZE minimum = m_manager.GetMinInfo();
    info->ptMinTrackSize = {minimum.cx, minimum.cy};
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
    const SIZE corner = m_manager.GetRoundCorner();
    if (!::IsIconic(m_hwnd) && (corner.cx != 0 || corner.cy != 0)) {
        RECT window;
        ::GetWindowRect(m_hwnd, &window);
        HRGN region = ::CreateRoundRectRgn(0, 0, window.right - window.left + 1, window.bottom - window.top + 1,
                                           corner.cx, corner.cy);
        // On success the system owns the region.
        if (region != nullptr && !::SetWindowRgn(m_hwnd, region, TRUE)) {
            ::DeleteObject(region);
        }
    }
    handled = false;
    return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT message, WPARAM wParam, LPARAM lParam, bool&) {
    if (wParam == SC_CLOSE) {
        SendMessage(WM_CLOSE);
        return 0;
    }
    const bool wasZoomed = ::IsZoomed(m_hwnd) != FALSE;
    const LRESULT result = CWindowWnd::HandleMessage(message, wParam, lParam);
    if (::IsZoomed(m_hwnd) != wasZoomed) {
        CControlUI* maximise = m_manager.FindControlByName(L"maxbtn");
        CControlUI* restore = m_manager.FindControlByName(L"restorebtn");
        if (maximise != nullptr && restore != nullptr) {
            maximise->SetVisible(wasZoomed);
            restore->SetVisible(!wasZoomed);
        }
    }
    return result;
}

#define SKINUI_NOT_HANDLED(Name)                                        \
    LRESULT WindowImplBase::Name(UINT, WPARAM, LPARAM, bool& handled) { \
        handled = false;                                                \
        return 0;                                                       \
    }
SKINUI_NOT_HANDLED(OnClose)
SKINUI_NOT_HANDLED(OnDestroy)
SKINUI_NOT_HANDLED(OnMouseWheel)
SKINUI_NOT_HANDLED(OnMouseHover)
SKINUI_NOT_HANDLED(OnChar)
SKINUI_NOT_HANDLED(OnKeyDown)
SKINUI_NOT_HANDLED(OnKillFocus)
SKINUI_NOT_HANDLED(OnSetFocus)
SKINUI_NOT_HANDLED(OnLButtonDown)
SKINUI_NOT_HANDLED(OnLButtonUp)
SKINUI_NOT_HANDLED(OnMouseMove)
SKINUI_NOT_HANDLED(HandleCustomMessage)
#undef SKINUI_NOT_HANDLED

}  // namespace SkinUI
