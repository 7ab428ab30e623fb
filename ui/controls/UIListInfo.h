#pragma once

#include <windows.h>

#include "ui/core/resources/UIImageDrawInfo.h"

namespace SkinUI {

class CControlUI;

// Columns beyond this many header items are not tracked.
constexpr int kMaxListColumns = 64;

// How every row of one list is drawn, and where the list's columns lie now.
// The list owns it; rows read it through their owner.
struct ListInfo {
    int columnCount = 0;
    RECT columns[kMaxListColumns] = {};  // empty for a hidden or float header item
    int itemHeight = 0;
    int font = -1;
    UINT textStyle = DT_SINGLELINE | DT_VCENTER;
    RECT textPadding = {0, 0, 0, 0};
    DWORD textColor = 0xFF000000;
    DWORD bkColor = 0;
    ImageDrawInfo bkImage;
    bool alternateBk = false;
    DWORD selectedTextColor = 0xFF000000;
    DWORD selectedBkColor = 0xFFC1E3FF;
    ImageDrawInfo selectedImage;
    DWORD hotTextColor = 0xFF000000;
    DWORD hotBkColor = 0xFFE9F5FF;
    ImageDrawInfo hotImage;
    DWORD disabledTextColor = 0xFFCCCCCC;
    DWORD disabledBkColor = 0xFFFFFFFF;
    ImageDrawInfo disabledImage;
    int hLineSize = 0;
    DWORD hLineColor = 0xFF3C3C3C;
    int vLineSize = 0;
    DWORD vLineColor = 0xFF3C3C3C;
    bool showHtml = false;
    bool multiExpanding = false;

    // The left edge of the first and the right edge of the last column that
    // has a rectangle; false when none has.
    bool GetColumnSpan(LONG& left, LONG& right) const;
};

// Columns are taken from header items whatever their height (a hidden header
// has none), so only the width tells whether a column is there.
inline bool HasColumnWidth(const RECT& column) {
    return column.right > column.left;
}

// Applies one of the "item..." attributes that style every row of a list or
// a combo box to `info`, and has `holder`, the control that owns `info`,
// repainted or laid out again as the setting needs. False for a name that is
// not one of those settings.
bool ApplyListInfoAttribute(ListInfo& info, CControlUI& holder, LPCWSTR name, LPCWSTR value);

// "true" breaks lines at word ends; anything else keeps one line.
void ApplyMultiline(UINT& style, bool multiline);

}  // namespace SkinUI
