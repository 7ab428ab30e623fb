#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"

namespace SkinUI {

// A font of a manager's font table; skins address it by integer id.
struct FontEntry {
    HFONT font = nullptr;  // owned by the table that holds the entry
    CUIString faceName;
    int size = 0;  // character height in pixels
    bool bold = false;
    bool underline = false;
    bool italic = false;
    TEXTMETRICW textMetrics = {};  // a zero tmHeight: not measured yet
};

}  // namespace SkinUI
