#pragma once
// The fonts this process has mounted, and what the main window's twelve list
// rows show of them as the list grows, shrinks and scrolls.
#include "app/fonts/FontSystem.h"
#include "app/fonts/InstalledFonts.h"

#include <string>
#include <unordered_map>
#include <vector>

struct RowCell {
    std::wstring text;
    UINT_PTR tag = 0;
    std::wstring userData;
};

struct ListRow {
    RowCell cells[4];
};

// What the list's scroll bar should show; the main window applies it.
struct ScrollState {
    int range = 0;
    int position = 0;
    int lineSize = 0;
    bool visible = false;
};

// What a batch (a drop, the command line, paths handed over by a second
// start) did: entries added, fonts mounted (listed ones again included), files
// not mounted (refused, missing, path too long, a folder without fonts), and
// installed fonts left alone.
struct DropResult {
    int added = 0;
    int mounted = 0;
    int failed = 0;
    int skippedInstalled = 0;
};

// The files of a batch that are to be mounted, in order, after folders were
// expanded and what is not to be mounted was counted.
struct PreparedBatch {
    std::vector<std::wstring> files;
    int failed = 0;
    int skippedInstalled = 0;
};

struct StatusText {
    std::wstring text;
    UINT timerId = 0;
};

struct RemoveAllResult {
    int unmounted = 0;     // what the system confirmed
    int stillMounted = 0;  // refused and still in the session: they stay listed
    StatusText status;
};

// What becomes of a font the system refuses to unmount.
enum class Refused {
    kAskTheSystem,  // listed while the session still has it
    kKeepListed,    // listed without asking: at the end, when only the journal keeps the list
};

enum class RowRemoval {
    kNoEntry,       // the row shows none
    kRemoved,       // the font left the session and the list
    kStillMounted,  // the system refused: it stays listed
};

class FontMountList {
public:
    static constexpr int kRowCount = 13;  // row 12 stays empty below the last visible row
    static constexpr int kVisibleRows = 12;
    static constexpr int kRowHeight = 20;  // scroll units per entry
    static constexpr UINT kMaxPathLength = 259;
    static constexpr UINT kRemoveAllTimer = 1;

    enum CellTag : UINT_PTR { kTagFileName = 1, kTagPath = 2, kTagState = 3, kTagDelete = 4 };

    explicit FontMountList(IFontSystem& fonts, InstalledFontFolders installed = InstalledFontFolders::OfThisSystem());

    // Mounts every file of a drop in drop order (a folder stands for the font
    // files inside it, a shortcut for the font file or folder it names),
    // lists the new ones, refreshes the rows and releases the drop. Installed
    // fonts are neither mounted nor unmounted nor listed.
    DropResult MountDropped(HDROP drop);
    // The dropped paths, in drop order; the drop is released.
    std::vector<std::wstring> ReadDrop(HDROP drop);
    // Mounts a batch of paths as a drop of them would, on this thread.
    DropResult MountPaths(const std::vector<std::wstring>& paths);
    // The first half of a batch: which files it mounts, in order.
    PreparedBatch Prepare(const std::vector<std::wstring>& paths) const;
    // The second half, for each file the batch mounted, in order: lists it
    // unless it is listed. True when it was added.
    bool Accept(const std::wstring& path);
    // Brings the rows and the scroll range up to date after a batch.
    void FinishBatch();
    // The title's note after a batch: what failed, else what was skipped;
    // empty text when neither. Under the remove-all timer.
    static StatusText BatchText(const DropResult& result);
    // Unmounts the entry shown in visible row `row`. A font the system will
    // not unmount (another program uses it) stays listed, so that the list
    // never leaves a mounted font out.
    RowRemoval UnmountRow(int row);
    // Unmounts every entry; what the system refuses stays listed as `refused` says.
    RemoveAllResult UnmountAll(Refused refused = Refused::kAskTheSystem);
    // Moves the list by mouse-wheel notches (positive is up), as the scroll bar would.
    void ScrollByNotches(int notches);
    // Follows the scroll bar to `position` (clamped into the range) when the user moves it.
    void ScrollTo(int position);
    void Refresh();

    bool Contains(const std::wstring& path) const;
    int IndexOf(const std::wstring& path) const;

    int Count() const { return static_cast<int>(m_paths.size()); }
    const std::wstring& PathAt(int index) const { return m_paths[index]; }
    const std::vector<std::wstring>& Paths() const { return m_paths; }
    const InstalledFontFolders& Installed() const { return m_installed; }
    const ListRow& Row(int row) const { return m_rows[row]; }
    const ScrollState& Scroll() const { return m_scroll; }
    int FirstVisible() const { return m_scroll.position / kRowHeight; }

private:
    void Append(const std::wstring& path, std::wstring key);
    void Erase(int index);
    // Unmounts `path`: false when the session still has the font.
    bool Release(const std::wstring& path, Refused refused, int& confirmed);
    void UpdateScrollRange();
    void FillRow(int row, const std::wstring& path);
    static void ClearRow(ListRow& row);
    static std::wstring IdentityKey(const std::wstring& path);

    IFontSystem& m_fonts;
    InstalledFontFolders m_installed;
    std::vector<std::wstring> m_paths;
    // The folded key of each path, so that a removal need not fold the rest again.
    std::vector<std::wstring> m_keys;
    // Case-folded path -> position in m_paths: one file has many spellings.
    std::unordered_map<std::wstring, int> m_index;
    ListRow m_rows[kRowCount];
    ScrollState m_scroll;
};
