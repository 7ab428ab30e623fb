#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"

namespace SkinUI {

// A font of a manager's font table; skins address it by integer id.
struct FontEntry {
    HFONT font = nullptr;  // owned by the table that holds the entry
    CUIString faceName;
    int size = 0;  // character height in 96-DPI units
    int dpi = 0;   // the DPI `font` was made for
    bool bold = false;
    bool underline = false;
    bool italic = false;
    TEXTMETRICW textMetrics = {};  // of `font`, in its pixels; a zero tmHeight: not measured yet
};

}  // namespace SkinUI
