#include "app/fonts/FontFolder.h"

#include <shlwapi.h>

#include <algorithm>

namespace {

// Deeper trees are not font collections; this also ends any loop the file system might hold.
constexpr int kMaxDepth = 32;

bool IsPlainFolderAttributes(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

struct FolderEntry {
    std::wstring name;
    bool folder;
};

std::vector<FolderEntry> ReadEntries(const std::wstring& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    const HANDLE search =
        FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return entries;
    }
    do {
        if (IsDotEntry(found.cFileName) || (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            continue;
        }
        const bool folderEntry = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (folderEntry || HasFontExtension(found.cFileName)) {
            entries.push_back({found.cFileName, folderEntry});
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    // Explorer's order: "f2" before "f10", letter case ignored.
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        return StrCmpLogicalW(a.name.c_str(), b.name.c_str()) < 0;
    });
    return entries;
}

void Collect(const std::wstring& folder, int depth, std::vector<std::wstring>& files) {
    for (const FolderEntry& entry : ReadEntries(folder)) {
        const std::wstring path = folder + L"\\" + entry.name;
        if (!entry.folder) {
            files.push_back(path);
        } else if (depth < kMaxDepth) {
            Collect(path, depth + 1, files);
        }
    }
}

}  // namespace

bool IsPlainFolder(const wchar_t* path) {
    return IsPlainFolderAttributes(GetFileAttributesW(path));
}

bool HasFontExtension(const std::wstring& name) {
    static const wchar_t* const kExtensions[] = {L".ttf", L".otf", L".ttc", L".otc", L".fon", L".fnt", L".fot"};
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos) {
        return false;
    }
    const wchar_t* extension = name.c_str() + dot;
    return std::any_of(std::begin(kExtensions), std::end(kExtensions), [extension](const wchar_t* known) {
        return CompareStringOrdinal(extension, -1, known, -1, TRUE) == CSTR_EQUAL;
    });
}

void CollectFontFiles(const std::wstring& folder, std::vector<std::wstring>& files) {
    std::wstring base = folder;
    while (!base.empty() && (base.back() == L'\\' || base.back() == L'/')) {
        base.pop_back();
    }
    Collect(base, 0, files);
}
