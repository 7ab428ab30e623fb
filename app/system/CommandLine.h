#pragma once
// The paths given to quillet.exe: "Open with", the Send To menu and a shell
// all pass font files and folders as arguments.
#include <windows.h>

#include <string>
#include <vector>

// The arguments after the program's own name, each resolved to a full path
// against the current directory, in order. Empty arguments are dropped.
std::vector<std::wstring> CommandLinePaths(LPCWSTR commandLine);
