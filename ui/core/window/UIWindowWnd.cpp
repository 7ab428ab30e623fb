#include "ui/core/window/UIWindowWnd.h"

#include "ui/core/manager/UIManager.h"
#include "ui/core/resources/UIResourceLocation.h"

namespace SkinUI {

namespace {

constexpr WCHAR kObjectProperty[] = L"WndX";

// The monitor work area nearest to a window.
RECT WorkAreaNear(HWND hwnd) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

// Where a span of `length` starting at `start` must begin to lie inside [low, high].
int ClampSpan(int start, int length, int low, int high) {
    if (start < low) {
        return low;
    }
    if (start + length > high) {
        return high - length;
    }
    return start;
}

}  // namespace

LPCWSTR CWindowWnd::GetSuperClassName() const {
    return nullptr;
}

UINT CWindowWnd::GetClassStyle() const {
    return 0;
}

LRESULT CWindowWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(m_oldWndProc, m_hwnd, message, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND) {}

bool CWindowWnd::RegisterWindowClass() {
    // Registering again fails, but only after a trip to the window system
    // and a cursor load; a question about the class costs neither.
    WNDCLASSEXW known = {};
    known.cbSize = sizeof(known);
    if (::GetClassInfoExW(CResourceLocation::GetInstance(), GetWindowClassName(), &known)) {
        return true;
    }
    WNDCLASSW windowClass = {};
    windowClass.style = GetClassStyle();
    windowClass.lpfnWndProc = &CWindowWnd::WindowProc;
    windowClass.hInstance = CResourceLocation::GetInstance();
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = GetWindowClassName();
    return ::RegisterClassW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWindowWnd::RegisterSuperclass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (!::GetClassInfoExW(nullptr, GetSuperClassName(), &windowClass) &&
        !::GetClassInfoExW(CResourceLocation::GetInstance(), GetSuperClassName(), &windowClass)) {
        return false;
    }
    m_oldWndProc = windowClass.lpfnWndProc;
    windowClass.lpfnWndProc = &CWindowWnd::ControlProc;
    windowClass.hInstance = CResourceLocation::GetInstance();
    windowClass.lpszClassName = GetWindowClassName();
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowWnd::Create(HWND parent, LPCWSTR title, DWORD style, DWORD exStyle, int x, int y, int width, int height,
                        HMENU menu) {
    const bool registered = GetSuperClassName() != nullptr ? RegisterSuperclass() : RegisterWindowClass();
    if (!registered) {
        return nullptr;
    }
    PrepareCreation(style, width, height);
    // WM_NCCREATE stores the handle. Nothing is written here afterwards: when
    // creation fails, the final message may already have deleted this object.
    return ::CreateWindowExW(exStyle, GetWindowClassName(), title, style, x, y, width, height, parent, menu,
                             CResourceLocation::GetInstance(), this);
}

void CWindowWnd::PrepareCreation(DWORD&, int&, int&) {}

HWND CWindowWnd::Create(HWND parent, LPCWSTR title, DWORD style, DWORD exStyle, const RECT& rect, HMENU menu) {
    return Create(parent, title, style, exStyle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  menu);
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
    if (::IsWindow(m_hwnd)) {
        ::ShowWindow(m_hwnd, show ? (takeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
    }
}

UINT CWindowWnd::ShowModal() {
    // Locals only: a window object may delete itself on its final message, inside this loop.
    const HWND hwnd = m_hwnd;
    const HWND owner = ::GetWindow(hwnd, GW_OWNER);
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    ::EnableWindow(owner, FALSE);
    UINT result = 0;
    MSG msg = {};
    bool quit = false;
    while (::IsWindow(hwnd)) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quit = got == 0;
            break;
        }
        if (msg.hwnd == hwnd && msg.message == WM_CLOSE) {
            result = static_cast<UINT>(msg.wParam);
            ::EnableWindow(owner, TRUE);
            ::SetFocus(owner);
        }
        if (!CUIManager::TranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    ::EnableWindow(owner, TRUE);
    ::SetFocus(owner);
    if (quit) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
    }
    return result;
}

void CWindowWnd::Close(UINT result) {
    if (::IsWindow(m_hwnd)) {
        ::PostMessageW(m_hwnd, WM_CLOSE, result, 0);
    }
}

void CWindowWnd::CenterWindow() {
    const HWND owner = ::GetWindow(m_hwnd, GW_OWNER);
    const RECT area = WorkAreaNear(owner != nullptr ? owner : m_hwnd);
    RECT reference = area;
    if (owner != nullptr && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &reference);
    }
    RECT window;
    ::GetWindowRect(m_hwnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = (reference.left + reference.right) / 2 - width / 2;
    const int y = (reference.top + reference.bottom) / 2 - height / 2;
    ::SetWindowPos(m_hwnd, nullptr, ClampSpan(x, width, area.left, area.right),
                   ClampSpan(y, height, area.top, area.bottom), -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(m_hwnd, message, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageW(m_hwnd, message, wParam, lParam);
}

// Where a window keeps its object: user data for the framework's own classes,
// a property for superclassed controls, whose class bytes belong to the control.
struct CWindowWnd::ObjectSlot {
    void (*store)(HWND, CWindowWnd*);
    CWindowWnd* (*load)(HWND);
    void (*clear)(HWND);
};

LRESULT CWindowWnd::Route(const ObjectSlot& slot, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindowWnd* object = nullptr;
    if (message == WM_NCCREATE) {
        object = static_cast<CWindowWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        object->m_hwnd = hwnd;
        slot.store(hwnd, object);
    } else {
        object = slot.load(hwnd);
        if (message == WM_NCDESTROY && object != nullptr) {
            const LRESULT result = ::CallWindowProcW(object->m_oldWndProc, hwnd, message, wParam, lParam);
            slot.clear(hwnd);
            object->m_hwnd = nullptr;
            object->OnFinalMessage(hwnd);
            return result;
        }
    }
    if (object != nullptr) {
        return object->HandleMessage(message, wParam, lParam);
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWindowWnd::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static const ObjectSlot userData = {
        [](HWND window, CWindowWnd* object) {
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        },
        [](HWND window) { return reinterpret_cast<CWindowWnd*>(::GetWindowLongPtrW(window, GWLP_USERDATA)); },
        [](HWND window) { ::SetWindowLongPtrW(window, GWLP_USERDATA, 0); },
    };
    return Route(userData, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWindowWnd::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static const ObjectSlot property = {
        [](HWND window, CWindowWnd* object) { ::SetPropW(window, kObjectProperty, object); },
        [](HWND window) { return static_cast<CWindowWnd*>(::GetPropW(window, kObjectProperty)); },
        [](HWND window) { ::RemovePropW(window, kObjectProperty); },
    };
    return Route(property, hwnd, message, wParam, lParam);
}

}  // namespace SkinUI
