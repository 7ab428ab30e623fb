// GIFs whose images have no colour table are refused before GDI+ sees
// them: Wine's decoder reads a null palette for such an image.
#include <gtest/gtest.h>

#include <vector>

#include "tests/core/gif_encode.h"
#include "ui/extra/UIGifCheck.h"
#include "ui/extra/UIGifFrames.h"

using namespace SkinUI;

namespace {

// Three frames and no colour table anywhere: a mutated GIF that ended the
// fuzz campaign's process inside the system's decoder.
const unsigned char kNoColourTables[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x06, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00,
    0x06, 0x00, 0x05, 0x00, 0x00, 0x02, 0x17, 0x04, 0x41, 0x10, 0x04, 0x41, 0x10, 0x04, 0x41, 0x10, 0x04, 0x41,
    0x10, 0x04, 0x41, 0x10, 0x04, 0x41, 0x10, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x51, 0x14, 0x45, 0x51, 0x14, 0x45,
    0x00, 0x00, 0x06, 0x00, 0x05, 0x00, 0x00, 0x02, 0x17, 0x0C, 0xC3, 0x30, 0x0C, 0xC3, 0x30, 0x0C, 0xC3, 0x30,
    0x51, 0x14, 0x45, 0x51, 0x14, 0x45, 0x0C, 0xC3, 0x30, 0x0C, 0xC3, 0x30, 0x0C, 0xC3, 0x30, 0x0C, 0xC3, 0x30,
    0x0C, 0x53, 0x00, 0x21, 0xF9, 0x04, 0x04, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x06, 0x00,
    0x05, 0x00, 0x00, 0x02, 0x17, 0x14, 0x45, 0x51, 0x14, 0x45, 0x51, 0x14, 0x45, 0x51, 0x14, 0x45, 0x51, 0x14,
    0x45, 0x51, 0x14, 0x45, 0x51, 0x14, 0x45, 0x51, 0x14, 0x55, 0x00, 0x3B,
};

giftest::Bytes Sample(size_t frames = 2) {
    const uint32_t palette[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    const std::vector<giftest::Frame> all = {{10, 0}, {20, 1}};
    return giftest::EncodeGif(6, 5, palette, std::vector<giftest::Frame>(all.begin(), all.begin() + frames));
}

// The sample's first image descriptor: after the header, the screen, the
// four-entry table and the first frame's control extension.
constexpr size_t kFirstImage = 6 + 7 + 12 + 8;

struct CheckCase {
    const char* what;
    giftest::Bytes bytes;
    bool passes;
};

std::vector<CheckCase> Cases() {
    giftest::Bytes localOnly = Sample(1);
    localOnly[10] &= 0x7F;  // the file's table goes; the first image gets one of two colours
    localOnly.erase(localOnly.begin() + 13, localOnly.begin() + 25);
    const size_t image = kFirstImage - 12;
    localOnly[image + 9] |= 0x80;
    const unsigned char table[6] = {1, 2, 3, 4, 5, 6};
    localOnly.insert(localOnly.begin() + image + 10, table, table + 6);
    giftest::Bytes cut = Sample();
    cut.resize(kFirstImage + 4);
    return {
        {"a file table", Sample(), true},
        {"no table anywhere (the fuzz input)", giftest::Bytes(std::begin(kNoColourTables), std::end(kNoColourTables)),
         false},
        {"an image with a table of its own", localOnly, true},
        {"cut inside an image descriptor", cut, true},
        {"not a GIF", giftest::Bytes{0x89, 'P', 'N', 'G', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true},
        {"a header alone", giftest::Bytes{'G', 'I', 'F', '8', '9', 'a'}, true},
    };
}

TEST(GifCheck, ImagesNeedAColourTable) {
    for (const CheckCase& c : Cases()) {
        EXPECT_EQ(c.passes, GifImagesHaveColourTables(c.bytes.data(), c.bytes.size())) << c.what;
    }
}

TEST(GifCheck, AGifWithoutColourTablesIsNotLoaded) {
    CGifFrames frames;
    EXPECT_FALSE(frames.Load(kNoColourTables, sizeof(kNoColourTables)));
    const giftest::Bytes sample = Sample();
    EXPECT_TRUE(frames.Load(sample.data(), sample.size()));
    EXPECT_EQ(2u, frames.FrameCount());
}

}  // namespace
