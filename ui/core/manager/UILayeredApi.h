#pragma once

#include <windows.h>

namespace SkinUI {

typedef BOOL(WINAPI* UpdateLayeredWindowFunction)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                                  DWORD);
typedef BOOL(WINAPI* SetLayeredWindowAttributesFunction)(HWND, COLORREF, BYTE, DWORD);

// user32's layered-window functions, looked up once per process because
// older systems lack them; null when missing.
UpdateLayeredWindowFunction CurrentUpdateLayeredWindow();
SetLayeredWindowAttributesFunction CurrentSetLayeredWindowAttributes();

// Replaces the function layered windows are pushed with (null: as if the
// system lacked it) and returns the one it replaced, so that a test can
// capture what a window would show and then put things back.
UpdateLayeredWindowFunction SetUpdateLayeredWindowFunction(UpdateLayeredWindowFunction function);

}  // namespace SkinUI
