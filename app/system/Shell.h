#pragma once
// What the row actions ask of the shell and the window manager: a file's
// folder, that folder opened with the file selected, and the foreground.
#include <windows.h>

#include <string>

// The folder that holds `path`, without the separator before the file name;
// a drive's root keeps its separator ("C:\").
std::wstring FolderOf(const std::wstring& path);

// Opens the folder of `path` in the shell with the file selected.
void ShowInFolder(const std::wstring& path);

// Makes `window` the foreground window even when another thread's window is in front.
void BringToFront(HWND window);
