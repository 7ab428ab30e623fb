#include "app/system/CommandLine.h"

#include <shellapi.h>

#include "app/system/FullPath.h"

namespace {

// Whether anything follows the program's name, which ends at its closing
// quote or, unquoted, at the first blank. A plain start then leaves the
// shell's library unloaded: under some systems loading it costs a start more
// than its window does.
bool HasArguments(LPCWSTR commandLine) {
    LPCWSTR cursor = commandLine;
    if (*cursor == L'"') {
        ++cursor;
        while (*cursor != L'\0' && *cursor != L'"') {
            ++cursor;
        }
        if (*cursor == L'"') {
            ++cursor;
        }
    } else {
        while (*cursor != L'\0' && *cursor != L' ' && *cursor != L'\t') {
            ++cursor;
        }
    }
    while (*cursor == L' ' || *cursor == L'\t') {
        ++cursor;
    }
    return *cursor != L'\0';
}

}  // namespace

std::vector<std::wstring> CommandLinePaths(LPCWSTR commandLine) {
    std::vector<std::wstring> paths;
    if (commandLine == nullptr || !HasArguments(commandLine)) {
        return paths;
    }
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr) {
        return paths;
    }
    for (int index = 1; index < count; ++index) {
        if (arguments[index][0] != 0) {
            paths.push_back(FullPathOf(arguments[index]));
        }
    }
    LocalFree(arguments);
    return paths;
}
