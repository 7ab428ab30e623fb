#pragma once
// The clipboard as other programs see it: its text, and a program that
// keeps it open.
#include <windows.h>

#include <string>
#include <thread>

inline std::wstring ClipboardText() {
    std::wstring text;
    if (::OpenClipboard(nullptr)) {
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
                text = chars;
                ::GlobalUnlock(data);
            }
        }
        ::CloseClipboard();
    }
    return text;
}

// Another program's window that keeps the clipboard open until released.
class ClipboardHolder {
public:
    ClipboardHolder() {
        m_thread = std::thread([this] {
            HWND window =
                ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
            m_opened = ::OpenClipboard(window) != FALSE;
            ::SetEvent(m_ready);
            ::WaitForSingleObject(m_release, INFINITE);
            ::CloseClipboard();
            ::DestroyWindow(window);
        });
        ::WaitForSingleObject(m_ready, INFINITE);
    }
    ~ClipboardHolder() {
        ::SetEvent(m_release);
        m_thread.join();
        ::CloseHandle(m_ready);
        ::CloseHandle(m_release);
    }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    bool Opened() const { return m_opened; }

private:
    HANDLE m_ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool m_opened = false;
    std::thread m_thread;
};
