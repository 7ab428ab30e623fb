#pragma once
#include <windows.h>

// Lets files dropped from Explorer reach `window` when this program runs
// elevated: without it, User Interface Privilege Isolation silently discards
// the drop messages that a less privileged Explorer sends. Does nothing on
// systems without the message filter.
void AllowDropsFromLowerIntegrity(HWND window);
