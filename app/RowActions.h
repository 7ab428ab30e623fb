#pragma once
// What a click on a row does with a font file: the clipboard, the shell and
// the foreground window.
#include <windows.h>

#include <string>

// Puts `text` on the clipboard as Unicode text, owned by `owner`. False when
// the text is empty or the clipboard could not be opened (the clipboard is
// then unchanged), or could not be emptied or given the data (it may then
// have been emptied already).
bool CopyToClipboard(HWND owner, const std::wstring& text);

// The folder that holds `path`, without the separator before the file name;
// a drive's root keeps its separator ("C:\").
std::wstring FolderOf(const std::wstring& path);

// Opens the folder of `path` in the shell with the file selected.
void ShowInFolder(const std::wstring& path);

// Makes `window` the foreground window even when another thread's window is in front.
void BringToFront(HWND window);
