#pragma once
// The folders of the fonts installed for every program. Quillet never mounts
// or unmounts a file there: its unmount at close would take an installed font
// away from the whole session until the user signs out.
#include <windows.h>

#include <string>
#include <vector>

class InstalledFontFolders {
public:
    // The system's: the Windows fonts folder and the user's own fonts folder,
    // asked of the system on first use (the question loads the shell's
    // folder machinery, which the first paint of the window does not need).
    static InstalledFontFolders OfThisSystem();
    explicit InstalledFontFolders(const std::vector<std::wstring>& folders);

    // Whether `path` is one of the folders or lies inside one, however it is
    // spelled (letter case, relative parts, short names).
    bool Holds(const std::wstring& path) const;

private:
    InstalledFontFolders() = default;
    void Add(const std::vector<std::wstring>& folders) const;

    mutable bool m_askSystem = false;
    mutable std::vector<std::wstring> m_folders;  // in comparable form
};
