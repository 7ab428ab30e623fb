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

void ApplyAlignWords(UINT& style, LPCWSTR value) {
    if (value == nullptr) {
        return;
    }
    if (std::wcsstr(value, L"left") != nullptr) {
        style &= ~(DT_CENTER | DT_RIGHT);
    }
    if (std::wcsstr(value, L"center") != nullptr) {
        style &= ~DT_RIGHT;
        style |= DT_CENTER;
    }
    if (std::wcsstr(value, L"right") != nullptr) {
        style &= ~DT_CENTER;
        style |= DT_RIGHT;
    }
}

void ApplyVAlignWords(UINT& style, LPCWSTR value) {
    if (value == nullptr) {
        return;
    }
    if (std::wcsstr(value, L"top") != nullptr) {
        style &= ~(DT_VCENTER | DT_BOTTOM);
    }
    if (std::wcsstr(value, L"vcenter") != nullptr) {
        style &= ~DT_BOTTOM;
        style |= DT_VCENTER;
    }
    if (std::wcsstr(value, L"bottom") != nullptr) {
        style &= ~DT_VCENTER;
        style |= DT_BOTTOM;
    }
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
