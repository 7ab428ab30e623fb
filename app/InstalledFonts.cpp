#include "app/InstalledFonts.h"

#include <shlobj.h>

namespace {

std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return path;
    }
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    full.resize(length < needed ? length : 0);
    return full.empty() ? path : full;
}

// Expands short (8.3) names where the path exists; a path that does not stays as it is.
std::wstring LongPath(const std::wstring& path) {
    const DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) {
        return path;
    }
    std::wstring full(needed, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), &full[0], needed);
    full.resize(length < needed ? length : 0);
    return full.empty() ? path : full;
}

// Full, long, without a trailing separator, upper-cased as the file system
// compares names (ordinal, without the user's locale).
std::wstring Comparable(const std::wstring& path) {
    std::wstring key = LongPath(FullPath(path));
    while (key.size() > 3 && (key.back() == L'\\' || key.back() == L'/')) {
        key.pop_back();
    }
    if (!key.empty()) {
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, key.c_str(), static_cast<int>(key.size()), &key[0],
                      static_cast<int>(key.size()), nullptr, nullptr, 0);
    }
    return key;
}

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

}  // namespace

InstalledFontFolders InstalledFontFolders::OfThisSystem() {
    std::vector<std::wstring> folders;
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        folders.push_back(std::wstring(windows) + L"\\Fonts");
    }
    // Fonts installed for one user only, without administrator rights.
    wchar_t local[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local))) {
        folders.push_back(std::wstring(local) + L"\\Microsoft\\Windows\\Fonts");
    }
    return InstalledFontFolders(folders);
}

InstalledFontFolders::InstalledFontFolders(const std::vector<std::wstring>& folders) {
    for (const std::wstring& folder : folders) {
        if (!folder.empty()) {
            m_folders.push_back(Comparable(folder));
        }
    }
}

bool InstalledFontFolders::Holds(const std::wstring& path) const {
    if (path.empty()) {
        return false;
    }
    const std::wstring key = Comparable(path);
    for (const std::wstring& folder : m_folders) {
        if (key.compare(0, folder.size(), folder) == 0 &&
            (key.size() == folder.size() || IsSeparator(key[folder.size()]) || IsSeparator(folder.back()))) {
            return true;
        }
    }
    return false;
}
