#pragma once
// Shell shortcuts (.lnk): a user who drops one means the file or folder it
// names, as Explorer would open it.
#include <string>

// Whether `path` names a shortcut by its extension, in any letter case.
bool IsShortcut(const std::wstring& path);

// The full path a shortcut names, read from the shortcut file without asking
// the shell to search for a target that moved; empty when the file cannot be
// read as a shortcut or names no file system path (a printer, a web page).
std::wstring ShortcutTarget(const std::wstring& path);
