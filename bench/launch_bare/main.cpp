// The least a launched Win32 program can do: show a window of the main
// window's size and title, paint it white and wait for messages. The launch
// benchmark starts it as its baseline.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"QuilletLaunchBare";
    if (::RegisterClassW(&windowClass) == 0) {
        return 1;
    }
    constexpr DWORD kStyle = WS_VISIBLE | WS_OVERLAPPEDWINDOW;
    constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_STATICEDGE;
    if (::CreateWindowExW(kExStyle, windowClass.lpszClassName, L"墨匣", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 708, 400,
                          nullptr, nullptr, instance, nullptr) == nullptr) {
        return 1;
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
