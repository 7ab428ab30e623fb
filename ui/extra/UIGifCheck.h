#pragma once

#include <cstddef>

namespace SkinUI {

// False for a GIF with an image that has no colour table, neither its own
// nor the file's: such pixels mean nothing, and Wine's decoder reads a null
// palette for them. Other bytes, and GIFs cut short, pass: the decoder
// refuses those by itself.
bool GifImagesHaveColourTables(const unsigned char* bytes, size_t size);

}  // namespace SkinUI
