#include "app/system/CommandLine.h"

#include <shellapi.h>

#include "app/system/FullPath.h"

std::vector<std::wstring> CommandLinePaths(LPCWSTR commandLine) {
    std::vector<std::wstring> paths;
    if (commandLine == nullptr || commandLine[0] == 0) {
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
