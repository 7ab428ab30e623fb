#pragma once

#include <windows.h>

namespace SkinUI {

// Owns the link between one native window and its object: registers the
// class, creates the window with the object attached, routes the window
// procedure to HandleMessage and ends with OnFinalMessage, after which the
// object may delete itself.
class CWindowWnd {
public:
    CWindowWnd() = default;
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;
    virtual ~CWindowWnd() = default;

    HWND GetHWND() const { return m_hwnd; }
    operator HWND() const { return m_hwnd; }

    bool RegisterWindowClass();
    bool RegisterSuperclass();

    HWND Create(HWND parent, LPCWSTR title, DWORD style, DWORD exStyle, int x = CW_USEDEFAULT, int y = CW_USEDEFAULT,
                int width = CW_USEDEFAULT, int height = CW_USEDEFAULT, HMENU menu = nullptr);
    HWND Create(HWND parent, LPCWSTR title, DWORD style, DWORD exStyle, const RECT& rect, HMENU menu = nullptr);

    void ShowWindow(bool show = true, bool takeFocus = true);
    // Runs a message loop until the window is gone, with the owner disabled;
    // returns the wParam of the WM_CLOSE that closed it (0 when none did).
    UINT ShowModal();
    void Close(UINT result = IDOK);
    // Centres the window over its owner, or its monitor's work area, inside that work area.
    void CenterWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual LPCWSTR GetWindowClassName() const = 0;
    virtual LPCWSTR GetSuperClassName() const;
    virtual UINT GetClassStyle() const;
    // Create's last word on the style and size before the native window is
    // made; by default they stay as the caller gave them.
    virtual void PrepareCreation(DWORD& style, int& width, int& height);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnFinalMessage(HWND hwnd);

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    WNDPROC m_oldWndProc = ::DefWindowProcW;

private:
    struct ObjectSlot;
    static LRESULT Route(const ObjectSlot& slot, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace SkinUI
