#include "app/FontMountList.h"

#include "app/FontFolder.h"

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

DropResult FontMountList::MountDropped(HDROP drop) {
    const int before = Count();
    int skipped = 0;
    const UINT count = m_fonts.DroppedFileCount(drop);
    wchar_t buffer[kMaxPathLength + 1];
    for (UINT i = 0; i < count; ++i) {
        // A longer path would come back truncated and name some other file.
        const UINT length = m_fonts.DroppedPathLength(drop, i);
        if (length == 0 || length > kMaxPathLength) {
            continue;
        }
        if (!m_fonts.ReadDroppedPath(drop, i, buffer, kMaxPathLength + 1)) {
            continue;
        }
        if (IsPlainFolder(buffer)) {
            std::vector<std::wstring> files;
            CollectFontFiles(buffer, files);
            for (const std::wstring& file : files) {
                MountUnlessInstalled(file, skipped);
            }
        } else {
            MountUnlessInstalled(buffer, skipped);
        }
    }
    m_fonts.FinishDrop(drop);
    UpdateScrollRange();
    Refresh();
    return DropResult{Count() - before, skipped};
}

StatusText FontMountList::SkippedText(int skippedInstalled) {
    wchar_t text[64];
    wnsprintfW(text, ARRAYSIZE(text), L"已跳过: %d个已安装的字体", skippedInstalled);
    return StatusText{text, kRemoveAllTimer};
}

void FontMountList::MountUnlessInstalled(const std::wstring& path, int& skipped) {
    if (m_installed.Holds(path)) {
        ++skipped;
    } else {
        MountPath(path);
    }
}

void FontMountList::MountPath(const std::wstring& path) {
    if (path.size() > kMaxPathLength) {
        return;
    }
    // Unmount once first, so that a file dropped twice stays mounted once.
    m_fonts.Unmount(path.c_str());
    if (m_fonts.Mount(path.c_str()) == 0) {
        return;
    }
    std::wstring key = IdentityKey(path);
    if (m_index.find(key) == m_index.end()) {
        Append(path, std::move(key));
    }
}

bool FontMountList::UnmountRow(int row) {
    if (row < 0 || row >= kVisibleRows)
        return false;
    const int index = IndexOf(m_rows[row].cells[0].userData);
    if (index < 0)
        return false;
    const std::wstring path = m_paths[index];
    Erase(index);
    // The entry leaves the list even when the system keeps the font (in use elsewhere).
    m_fonts.Unmount(path.c_str());
    UpdateScrollRange();
    if (Count() == kVisibleRows)
        m_scroll.position = 0;
    Refresh();
    return true;
}

StatusText FontMountList::UnmountAll() {
    int unmounted = 0;
    for (const std::wstring& path : m_paths)
        unmounted += m_fonts.Unmount(path.c_str());
    m_paths.clear();
    m_keys.clear();
    m_index.clear();
    for (ListRow& row : m_rows)
        ClearRow(row);
    UpdateScrollRange();

    wchar_t text[64];
    wnsprintfW(text, ARRAYSIZE(text), L"已卸载: %d个字体", unmounted);
    return StatusText{text, kRemoveAllTimer};
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
