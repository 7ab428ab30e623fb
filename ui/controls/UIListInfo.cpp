#include "ui/controls/UIListInfo.h"

#include <cwchar>

namespace SkinUI {

bool ListInfo::GetColumnSpan(LONG& left, LONG& right) const {
    bool found = false;
    for (int index = 0; index < columnCount && index < kMaxListColumns; ++index) {
        const RECT& column = columns[index];
        if (!HasColumnWidth(column)) {
            continue;
        }
        if (!found) {
            left = column.left;
            found = true;
        }
        right = column.right;
    }
    return found;
}

void ApplyMultiline(UINT& style, bool multiline) {
    if (multiline) {
        style &= ~DT_SINGLELINE;
        style |= DT_WORDBREAK;
    } else {
        style |= DT_SINGLELINE;
    }
}

}  // namespace SkinUI
