#include "app/fonts/FontMountList.h"

#include "app/fonts/FontFolder.h"
#include "app/system/Shortcut.h"

#include <shlwapi.h>

#include <algorithm>
#include <utility>

FontMountList::FontMountList(IFontSystem& fonts, InstalledFontFolders installed)
    : m_fonts(fonts), m_installed(std::move(installed)) {
    m_scroll.lineSize = kRowHeight;
}

std::wstring FontMountList::IdentityKey(const std::wstring& path) {
    // Upper-casing without a user locale, as CompareStringOrdinal does when it
    // ignores case, so the key never depends on the user's language settings.
    std::wstring key(path);
    if (!key.empty())
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, path.c_str(), static_cast<int>(path.size()), &key[0],
                      static_cast<int>(key.size()), nullptr, nullptr, 0);
    return key;
}

int FontMountList::IndexOf(const std::wstring& path) const {
    auto found = m_index.find(IdentityKey(path));
    return found == m_index.end() ? -1 : found->second;
}

bool FontMountList::Contains(const std::wstring& path) const {
    return IndexOf(path) >= 0;
}

void FontMountList::Append(const std::wstring& path, std::wstring key) {
    m_index.emplace(key, Count());
    m_paths.push_back(path);
    m_keys.push_back(std::move(key));
}

void FontMountList::Erase(int index) {
    m_index.erase(m_keys[index]);
    m_paths.erase(m_paths.begin() + index);
    m_keys.erase(m_keys.begin() + index);
    for (int i = index; i < Count(); ++i)
        m_index[m_keys[i]] = i;
}

std::vector<std::wstring> FontMountList::ReadDrop(HDROP drop) {
    std::vector<std::wstring> paths;
    const UINT count = m_fonts.DroppedFileCount(drop);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = m_fonts.DroppedPathLength(drop, i);
        // Read whole even when too long to mount, so that the batch counts it as failed.
        std::wstring path(length, L'\0');
        if (length > 0 && m_fonts.ReadDroppedPath(drop, i, &path[0], length + 1)) {
            paths.push_back(path.c_str());
        }
    }
    m_fonts.FinishDrop(drop);
    return paths;
}

DropResult FontMountList::MountDropped(HDROP drop) {
    return MountPaths(ReadDrop(drop));
}

PreparedBatch FontMountList::Prepare(const std::vector<std::wstring>& paths) const {
    PreparedBatch batch;
    const auto take = [&](const std::wstring& file) {
        if (m_installed.Holds(file)) {
            ++batch.skippedInstalled;
        } else if (file.size() > kMaxPathLength) {
            // GDI would read a truncated path, which names some other file.
            ++batch.failed;
        } else {
            batch.files.push_back(file);
        }
    };
    for (const std::wstring& dropped : paths) {
        // A shortcut stands for what it names, if that is a font file or a folder.
        const std::wstring path = IsShortcut(dropped) ? ShortcutTarget(dropped) : dropped;
        const bool folder = !path.empty() && IsPlainFolder(path.c_str());
        if (path.empty() || (path != dropped && !folder && !HasFontExtension(path))) {
            ++batch.failed;
            continue;
        }
        if (!folder) {
            take(path);
            continue;
        }
        std::vector<std::wstring> files;
        CollectFontFiles(path, files);
        if (files.empty() && !m_installed.Holds(path)) {
            ++batch.failed;  // the user dropped something that loaded nothing
        }
        for (const std::wstring& file : files) {
            take(file);
        }
    }
    return batch;
}

bool FontMountList::Accept(const std::wstring& path) {
    std::wstring key = IdentityKey(path);
    if (m_index.find(key) != m_index.end()) {
        return false;
    }
    Append(path, std::move(key));
    return true;
}

void FontMountList::FinishBatch() {
    UpdateScrollRange();
    Refresh();
}

DropResult FontMountList::MountPaths(const std::vector<std::wstring>& paths) {
    const PreparedBatch batch = Prepare(paths);
    DropResult result;
    result.failed = batch.failed;
    result.skippedInstalled = batch.skippedInstalled;
    for (const std::wstring& file : batch.files) {
        if (!Remount(m_fonts, file.c_str())) {
            ++result.failed;
            continue;
        }
        ++result.mounted;
        result.added += Accept(file) ? 1 : 0;
    }
    FinishBatch();
    return result;
}

StatusText FontMountList::BatchText(const DropResult& result) {
    wchar_t text[64] = L"";
    if (result.failed > 0) {
        wnsprintfW(text, ARRAYSIZE(text), L"未能加载: %d个文件", result.failed);
    } else if (result.skippedInstalled > 0) {
        wnsprintfW(text, ARRAYSIZE(text), L"已跳过: %d个已安装的字体", result.skippedInstalled);
    }
    return StatusText{text, kRemoveAllTimer};
}

bool FontMountList::Release(const std::wstring& path, Refused refused, int& confirmed) {
    if (m_fonts.Unmount(path.c_str()) != 0) {
        ++confirmed;
        return true;
    }
    // Refused: in use elsewhere, or already unmounted by another process.
    return refused == Refused::kAskTheSystem && !m_fonts.IsMounted(path.c_str());
}

RowRemoval FontMountList::UnmountRow(int row) {
    if (row < 0 || row >= kVisibleRows)
        return RowRemoval::kNoEntry;
    const int index = IndexOf(m_rows[row].cells[0].userData);
    if (index < 0)
        return RowRemoval::kNoEntry;
    int confirmed = 0;
    if (!Release(m_paths[index], Refused::kAskTheSystem, confirmed))
        return RowRemoval::kStillMounted;
    Erase(index);
    UpdateScrollRange();
    if (Count() == kVisibleRows)
        m_scroll.position = 0;
    Refresh();
    return RowRemoval::kRemoved;
}

RemoveAllResult FontMountList::UnmountAll(Refused refused) {
    RemoveAllResult result;
    std::vector<std::wstring> kept;
    for (const std::wstring& path : m_paths) {
        if (!Release(path, refused, result.unmounted))
            kept.push_back(path);
    }
    m_paths.clear();
    m_keys.clear();
    m_index.clear();
    for (const std::wstring& path : kept)
        Append(path, IdentityKey(path));
    result.stillMounted = Count();
    m_scroll.position = 0;
    UpdateScrollRange();
    for (ListRow& row : m_rows)
        ClearRow(row);
    Refresh();

    wchar_t text[64];
    if (result.stillMounted > 0) {
        wnsprintfW(text, ARRAYSIZE(text), L"已卸载: %d个字体，%d个正被使用，未能卸载", result.unmounted,
                   result.stillMounted);
    } else {
        wnsprintfW(text, ARRAYSIZE(text), L"已卸载: %d个字体", result.unmounted);
    }
    result.status = StatusText{text, kRemoveAllTimer};
    return result;
}

void FontMountList::ScrollByNotches(int notches) {
    if (Count() < kVisibleRows)
        return;
    m_scroll.position = std::clamp(m_scroll.position - notches * kRowHeight, 0, m_scroll.range);
    Refresh();
}

void FontMountList::ScrollTo(int position) {
    m_scroll.position = std::clamp(position, 0, m_scroll.range);
    Refresh();
}

void FontMountList::UpdateScrollRange() {
    const int hidden = Count() - kVisibleRows;
    m_scroll.range = hidden > 0 ? kRowHeight * hidden : 0;
    m_scroll.visible = hidden > 0;
    m_scroll.position = std::clamp(m_scroll.position, 0, m_scroll.range);
}

void FontMountList::Refresh() {
    const int first = FirstVisible();
    for (int row = 0; row < kVisibleRows; ++row) {
        const int entry = first + row;
        if (entry < Count())
            FillRow(row, m_paths[entry]);
        else
            ClearRow(m_rows[row]);
    }
}

void FontMountList::FillRow(int row, const std::wstring& path) {
    RowCell* cells = m_rows[row].cells;
    cells[0] = {PathFindFileNameW(path.c_str()), kTagFileName, path};
    cells[1] = {path, kTagPath, path};
    cells[2] = {L"已加载", kTagState, path};
    cells[3] = {L"\u00D7", kTagDelete, std::to_wstring(row)};
}

void FontMountList::ClearRow(ListRow& row) {
    for (RowCell& cell : row.cells)
        cell = RowCell{};
}
