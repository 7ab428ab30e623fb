#pragma once

#include <windows.h>

#include <cstddef>

namespace SkinUI {

// The parser's scans read document text in blocks of this many characters,
// so every text buffer carries that many spare characters behind its
// terminator. A scan only reads a block after the previous one held no NUL.
constexpr size_t kXmlScanBlock = 8;

// Room for `length` characters and the terminator, plus the spare block
// (zero-filled). Null when the memory cannot be had.
WCHAR* AllocateXmlText(size_t length);

// The first NUL, '&' or `end` at or after `p`.
WCHAR* FindXmlStop(WCHAR* p, WCHAR end);

}  // namespace SkinUI
