#pragma once

#include <windows.h>

#include <ostream>

#include "ui/core/control/UIContainer.h"
#include "ui/core/manager/UIManager.h"

// A real top-level window for tests that need a manager with a window: its
// update region shows what the manager invalidated, and WM_UI_ASYNC reaches
// the manager as it would in a framework window. It is shown (a hidden
// window keeps no update region) and shared by all tests, since Wine takes
// seconds to map a window without a window manager.
class TestWindow {
public:
    TestWindow() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &TestWindow::Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SkinUITestWindow";
        ::RegisterClassW(&windowClass);  // fails harmlessly when already registered
        m_hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"SkinUITestWindow", L"", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
        ::ValidateRect(m_hwnd, nullptr);
    }
    ~TestWindow() { ::DestroyWindow(m_hwnd); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    void Route(SkinUI::CUIManager* manager) {
        ::SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(manager));
    }

    // Bounding box of what was invalidated since the last call (empty when
    // nothing was); the window is validated again.
    RECT TakeInvalidated() {
        RECT rect = {0, 0, 0, 0};
        ::GetUpdateRect(m_hwnd, &rect, FALSE);
        ::ValidateRect(m_hwnd, nullptr);
        return rect;
    }

    // Delivers what was posted to the window, WM_UI_ASYNC included.
    void PumpMessages() {
        MSG msg;
        while (::PeekMessageW(&msg, m_hwnd, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        }
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* manager = reinterpret_cast<SkinUI::CUIManager*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        LRESULT result = 0;
        if (manager != nullptr && manager->MessageHandler(message, wParam, lParam, result)) {
            return result;
        }
        if (message == WM_PAINT) {
            ::ValidateRect(hwnd, nullptr);  // the tests read the update region themselves
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND m_hwnd = nullptr;
};

inline TestWindow& SharedTestWindow() {
    static TestWindow window;
    return window;
}

// A manager bound to the shared test window, which starts and ends validated
// and with no message for the manager left behind.
struct WindowedManager {
    WindowedManager() : window(SharedTestWindow()) {
        window.PumpMessages();
        window.TakeInvalidated();
        manager.Init(window.Handle(), L"test");
        window.Route(&manager);
    }
    ~WindowedManager() {
        window.Route(nullptr);
        window.PumpMessages();
    }

    TestWindow& window;
    SkinUI::CUIManager manager;
};

// A container holding `child`, attached as the manager's root.
inline SkinUI::CContainerUI* AttachUnderRoot(WindowedManager& windowed, SkinUI::CControlUI* child) {
    auto* root = new SkinUI::CContainerUI;
    root->Add(child);
    windowed.manager.AttachRoot(root);
    return root;
}

inline bool operator==(const RECT& left, const RECT& right) {
    return ::EqualRect(&left, &right) != FALSE;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << "(" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << ")";
}
