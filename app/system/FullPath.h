#pragma once
// Paths as the file system spells them out, for comparing and handing on.
#include <string>

// `path` made full against the current directory (relative parts resolved);
// unchanged when that fails.
std::wstring FullPathOf(const std::wstring& path);

// `path` with its short (8.3) names expanded where it exists; unchanged otherwise.
std::wstring LongPathOf(const std::wstring& path);
