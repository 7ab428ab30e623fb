#include "app/system/LocalAppData.h"

#include <windows.h>

#include <shlobj.h>

#include <vector>

namespace {

// The system sets LOCALAPPDATA for every session to the folder the shell
// names. Reading it leaves the shell's library unloaded at start, which
// under some systems costs a start more than its window does.
std::wstring FromEnvironment() {
    const DWORD needed = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
    if (needed < 4 || needed > MAX_PATH) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer.data(), needed);
    if (length == 0 || length >= needed) {
        return std::wstring();
    }
    std::wstring folder(buffer.data(), length);
    // Only a drive's or a share's folder that exists: a stray value falls back to the shell.
    const bool absolute = (folder[1] == L':' && folder[2] == L'\\') || folder.compare(0, 2, L"\\\\") == 0;
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (!absolute || attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return std::wstring();
    }
    while (folder.size() > 3 && folder.back() == L'\\') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

std::wstring LocalAppDataFolder() {
    std::wstring folder = FromEnvironment();
    if (!folder.empty()) {
        return folder;
    }
    wchar_t local[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local))) {
        return std::wstring();
    }
    return local;
}
