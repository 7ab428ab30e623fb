// The parser's block scan and the buffers it relies on. The scan lives apart
// from the parser on purpose: called, it keeps its vector constants in
// scratch registers, where inlined it would make the parser save and restore
// callee-saved vector registers on every call.

#include "ui/core/xml/XmlScan.h"

#include <emmintrin.h>
#include <intrin.h>

#include <cstdlib>
#include <cwchar>

namespace SkinUI {

static_assert(kXmlScanBlock * sizeof(WCHAR) == sizeof(__m128i), "one block is one vector");

namespace {

// Index of the first character whose byte-mask bit is set in `bits` (not 0).
inline size_t FirstCharacter(int bits) {
    unsigned long bit = 0;
    _BitScanForward(&bit, static_cast<unsigned long>(bits));
    return bit / 2;
}

}  // namespace

WCHAR* AllocateXmlText(size_t length) {
    WCHAR* text = static_cast<WCHAR*>(std::malloc((length + 1 + kXmlScanBlock) * sizeof(WCHAR)));
    if (text != nullptr) {
        std::wmemset(text + length + 1, L'\0', kXmlScanBlock);
    }
    return text;
}

// Eight characters at a time: nearly every value and text run ends within
// the first block.
WCHAR* FindXmlStop(WCHAR* p, WCHAR end) {
    const __m128i ends = _mm_set1_epi16(static_cast<short>(end));
    const __m128i ampersands = _mm_set1_epi16(L'&');
    const __m128i nuls = _mm_setzero_si128();
    for (;;) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(block, ends), _mm_cmpeq_epi16(block, ampersands)),
                         _mm_cmpeq_epi16(block, nuls));
        const int hitBits = _mm_movemask_epi8(hits);
        if (hitBits != 0) {
            return p + FirstCharacter(hitBits);
        }
        p += kXmlScanBlock;
    }
}

}  // namespace SkinUI
