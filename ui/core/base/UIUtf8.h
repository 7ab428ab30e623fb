#pragma once

#include <windows.h>

#include <cstddef>

namespace SkinUI {

// Converts UTF-8 bytes to UTF-16 into `output`, which must hold `byteCount`
// characters (never more are needed). Returns the number of characters, or
// -1 at the first malformed sequence; callers then let the system convert the
// whole text, so that malformed input gets the system's replacement rules.
ptrdiff_t ConvertWellFormedUtf8(const BYTE* bytes, size_t byteCount, WCHAR* output);

// How many of the first `maxUnits` UTF-16 units of `text` to keep so that no
// surrogate pair is cut in two: one fewer when the last one kept would be a
// high surrogate. Stops at the terminator.
size_t WholeCharacterPrefix(LPCWSTR text, size_t maxUnits);

}  // namespace SkinUI
