#include "ui/core/base/UIUtf8.h"

#include <emmintrin.h>
#include <intrin.h>

#include <cstdint>

namespace SkinUI {

namespace {

inline bool IsContinuation(unsigned byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

ptrdiff_t ConvertWellFormedUtf8(const BYTE* bytes, size_t byteCount, WCHAR* output) {
    const BYTE* in = bytes;
    const BYTE* const end = bytes + byteCount;
    WCHAR* out = output;
    while (in < end) {
        // Markup is mostly ASCII: widen sixteen bytes at a time. A block that
        // holds other bytes too is widened whole and only its ASCII start kept;
        // the output never runs ahead of the input, so the block fits.
        if (end - in >= 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
            const __m128i zero = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(block, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 8), _mm_unpackhi_epi8(block, zero));
            const int highBits = _mm_movemask_epi8(block);
            if (highBits == 0) {
                in += 16;
                out += 16;
                continue;
            }
            unsigned long asciiCount = 0;
            _BitScanForward(&asciiCount, static_cast<unsigned long>(highBits));
            in += asciiCount;
            out += asciiCount;
        }
        if (*in < 0x80) {
            *out++ = *in++;
            continue;
        }
        // A run of other characters, such as Chinese text, in one go.
        do {
            const BYTE lead = *in;
            const size_t left = static_cast<size_t>(end - in);
            if (lead >= 0xE0 && lead <= 0xEF) {
                if (left < 3 || !IsContinuation(in[1]) || !IsContinuation(in[2])) {
                    return -1;
                }
                const unsigned codePoint = ((lead & 0x0Fu) << 12) | ((in[1] & 0x3Fu) << 6) | (in[2] & 0x3Fu);
                // No overlong forms and no encoded surrogates.
                if (codePoint < 0x800 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
                    return -1;
                }
                *out++ = static_cast<WCHAR>(codePoint);
                in += 3;
            } else if (lead >= 0xC2 && lead <= 0xDF) {
                if (left < 2 || !IsContinuation(in[1])) {
                    return -1;
                }
                *out++ = static_cast<WCHAR>(((lead & 0x1F) << 6) | (in[1] & 0x3F));
                in += 2;
            } else if (lead >= 0xF0 && lead <= 0xF4) {
                if (left < 4 || !IsContinuation(in[1]) || !IsContinuation(in[2]) || !IsContinuation(in[3])) {
                    return -1;
                }
                // Neither overlong forms nor code points above U+10FFFF.
                if ((lead == 0xF0 && in[1] < 0x90) || (lead == 0xF4 && in[1] > 0x8F)) {
                    return -1;
                }
                const uint32_t codePoint =
                    ((lead & 0x07u) << 18) | ((in[1] & 0x3Fu) << 12) | ((in[2] & 0x3Fu) << 6) | (in[3] & 0x3Fu);
                const uint32_t offset = codePoint - 0x10000;
                *out++ = static_cast<WCHAR>(0xD800 | (offset >> 10));
                *out++ = static_cast<WCHAR>(0xDC00 | (offset & 0x3FF));
                in += 4;
            } else {
                return -1;
            }
        } while (in < end && *in >= 0x80);
    }
    return out - output;
}

size_t WholeCharacterPrefix(LPCWSTR text, size_t maxUnits) {
    size_t length = 0;
    while (text != nullptr && length < maxUnits && text[length] != 0) {
        ++length;
    }
    const bool cutsPair = length > 0 && text[length] != 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF;
    return cutsPair ? length - 1 : length;
}

}  // namespace SkinUI
