#pragma once

// Where the campaigns find their seeds: resources of the fuzz program and
// files on disk.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/fuzz/fuzz_campaign.h"

namespace fuzz {

// Resources `first` to `last` of `type` that exist, in order.
std::vector<Bytes> ResourceSeeds(LPCWSTR type, int first, int last);

// The files of `folder` whose names end in one of `extensions` (lower case,
// with the dot) and that are no larger than `largest` bytes, in name order.
std::vector<Bytes> FileSeeds(const std::wstring& folder, const std::vector<std::wstring>& extensions, size_t largest);

// The folder of the running program, with a trailing backslash.
std::wstring ProgramFolder();

// Writes `bytes` over the file at `path`; false when it cannot.
bool WriteWholeFile(const std::wstring& path, const Bytes& bytes);

}  // namespace fuzz
