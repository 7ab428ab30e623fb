#pragma once

// A small GIF89a writer for making animated test images in-process: a global
// palette of four colours, full-size frames, and LZW data that sends a clear
// code before every pixel so that the code width never grows.
#include <cstdint>
#include <vector>

namespace giftest {

typedef std::vector<unsigned char> Bytes;

struct Frame {
    uint16_t delay;        // hundredths of a second
    unsigned char colour;  // palette index 0..3 filling the whole frame
};

inline void PutLittleEndian(Bytes& out, uint16_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

// `palette` holds four 0xRRGGBB colours.
inline Bytes EncodeGif(uint16_t width, uint16_t height, const uint32_t (&palette)[4],
                       const std::vector<Frame>& frames) {
    constexpr unsigned kClear = 4, kEnd = 5, kCodeBits = 3;
    Bytes gif = {'G', 'I', 'F', '8', '9', 'a'};
    PutLittleEndian(gif, width);
    PutLittleEndian(gif, height);
    gif.insert(gif.end(), {0x91, 0, 0});  // global palette of 2^(1+1) entries
    for (uint32_t colour : palette) {
        gif.insert(gif.end(), {static_cast<unsigned char>(colour >> 16), static_cast<unsigned char>(colour >> 8),
                               static_cast<unsigned char>(colour)});
    }
    for (const Frame& frame : frames) {
        gif.insert(gif.end(), {0x21, 0xF9, 4, 1 << 2});  // control extension, disposal: keep
        PutLittleEndian(gif, frame.delay);
        gif.insert(gif.end(), {0, 0, 0x2C, 0, 0, 0, 0});  // no transparency; descriptor at 0,0
        PutLittleEndian(gif, width);
        PutLittleEndian(gif, height);
        gif.insert(gif.end(), {0, 2});  // no local palette; LZW minimum code size

        Bytes packed;
        uint32_t bits = 0;
        unsigned count = 0;
        auto put = [&](unsigned code) {
            bits |= code << count;
            for (count += kCodeBits; count >= 8; count -= 8, bits >>= 8) {
                packed.push_back(static_cast<unsigned char>(bits));
            }
        };
        for (unsigned pixel = 0; pixel < unsigned(width) * height; ++pixel) {
            put(kClear);
            put(frame.colour);
        }
        put(kEnd);
        if (count > 0) {
            packed.push_back(static_cast<unsigned char>(bits));
        }
        for (size_t at = 0; at < packed.size(); at += 255) {
            const size_t block = packed.size() - at < 255 ? packed.size() - at : 255;
            gif.push_back(static_cast<unsigned char>(block));
            gif.insert(gif.end(), packed.begin() + at, packed.begin() + at + block);
        }
        gif.push_back(0);
    }
    gif.push_back(0x3B);
    return gif;
}

}  // namespace giftest
