#include "app/system/FullPath.h"

#include <windows.h>

namespace {

// Asks `query(buffer, size)` for the size it needs, then for the text: the
// two-call shape of GetFullPathNameW and GetLongPathNameW.
template <typename Query>
std::wstring Expanded(const std::wstring& path, Query query) {
    const DWORD needed = query(nullptr, 0);
    if (needed == 0) {
        return path;
    }
    std::wstring expanded(needed, L'\0');
    const DWORD length = query(&expanded[0], needed);
    if (length == 0 || length >= needed) {
        return path;
    }
    expanded.resize(length);
    return expanded;
}

}  // namespace

std::wstring FullPathOf(const std::wstring& path) {
    return Expanded(path,
                    [&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(path.c_str(), size, buffer, nullptr); });
}

std::wstring LongPathOf(const std::wstring& path) {
    return Expanded(path, [&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(path.c_str(), buffer, size); });
}
