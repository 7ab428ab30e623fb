#include "app/fonts/InstalledFonts.h"

#include "app/system/FullPath.h"
#include "app/system/LocalAppData.h"

namespace {

// Full, long, without a trailing separator, upper-cased as the file system
// compares names (ordinal, without the user's locale). Only a path with a "~"
// can hold a short name: the others are spared the file system's lookups.
std::wstring Comparable(const std::wstring& path) {
    std::wstring key = FullPathOf(path);
    if (key.find(L'~') != std::wstring::npos) {
        key = LongPathOf(key);
    }
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

std::vector<std::wstring> SystemFontFolders() {
    std::vector<std::wstring> folders;
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        folders.push_back(std::wstring(windows) + L"\\Fonts");
    }
    // Fonts installed for one user only, without administrator rights.
    const std::wstring local = LocalAppDataFolder();
    if (!local.empty()) {
        folders.push_back(local + L"\\Microsoft\\Windows\\Fonts");
    }
    return folders;
}

}  // namespace

InstalledFontFolders InstalledFontFolders::OfThisSystem() {
    InstalledFontFolders system;
    system.m_askSystem = true;
    return system;
}

InstalledFontFolders::InstalledFontFolders(const std::vector<std::wstring>& folders) {
    Add(folders);
}

void InstalledFontFolders::Add(const std::vector<std::wstring>& folders) const {
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
    if (m_askSystem) {
        m_askSystem = false;
        Add(SystemFontFolders());
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
