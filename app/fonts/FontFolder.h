#pragma once
// What a dropped folder contributes: the font files in it and in its
// subfolders, so that a whole collection mounts with one drop.
#include <windows.h>

#include <string>
#include <vector>

// A folder that is neither a symbolic link nor a junction.
bool IsPlainFolder(const wchar_t* path);

// Whether a file name ends in an extension that GDI mounts (.ttf, .otf, .ttc,
// .otc, .fon, .fnt, .fot), in any letter case.
bool HasFontExtension(const std::wstring& name);

// Appends the font files of `folder` and of its plain subfolders, depth first,
// each folder's entries in the order Explorer shows them ("f2" before "f10",
// letter case ignored). Links and
// junctions inside are not followed.
void CollectFontFiles(const std::wstring& folder, std::vector<std::wstring>& files);
