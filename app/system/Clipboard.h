#pragma once
// Unicode text onto the clipboard, as the row actions and the character map copy it.
#include <windows.h>

#include <string>

// Puts `text` on the clipboard as Unicode text, owned by `owner`. False when
// the text is empty or the clipboard could not be opened (the clipboard is
// then unchanged), or could not be emptied or given the data (it may then
// have been emptied already).
bool CopyToClipboard(HWND owner, const std::wstring& text);
