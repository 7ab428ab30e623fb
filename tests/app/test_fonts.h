#pragma once
// The fonts made at build time beside the test programs, with family names
// that no installed font carries.
#include <windows.h>

#include <string>

inline std::wstring TestFontFolder() {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder(exe);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"fonts\\";
}

inline bool TestFontsExist() {
    return GetFileAttributesW((TestFontFolder() + L"QuilletAlpha.ttf").c_str()) != INVALID_FILE_ATTRIBUTES;
}
