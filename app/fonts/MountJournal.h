#pragma once
// The fonts this run has mounted, kept on disk so that the next run can
// unmount what a crash or a killed process left mounted until sign-out:
// %LOCALAPPDATA%\Quillet\mounted.txt, UTF-8, one full path a line. A run
// that ends well leaves it empty.
#include <string>
#include <vector>

#include "app/fonts/FontSystem.h"
#include "app/fonts/InstalledFonts.h"

class MountJournal {
public:
    // %LOCALAPPDATA%\Quillet\mounted.txt, or empty when the folder is unknown.
    static std::wstring PathForThisUser();

    // An empty path keeps no journal.
    explicit MountJournal(std::wstring path) : m_path(std::move(path)) {}

    // Replaces the journal with `paths`. A new file is written and moved over
    // the old one, so that a crash mid-write leaves the old journal whole.
    // Without a journal on disk, an empty list writes nothing.
    bool Write(const std::vector<std::wstring>& paths) const;
    // The paths the journal holds; lines that are not UTF-8 or cannot be paths are skipped.
    std::vector<std::wstring> Read() const;

    // Unmounts once each path a run left behind (never an installed font,
    // whatever the file says), then empties the journal. Returns how many
    // unmounts the system confirmed.
    int RecoverLeftovers(IFontSystem& fonts, const InstalledFontFolders& installed) const;

    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};
