#include "ui/core/base/UIValueParse.h"

#include <cwchar>

namespace SkinUI {

namespace {

// Shared list walk: `readOne` converts the number at the cursor and reports
// where it ended.
template <class Value, class Reader>
int ParseList(LPCWSTR text, Value* values, int count, Reader readOne) {
    for (int index = 0; index < count; ++index) {
        values[index] = Value();
    }
    if (text == nullptr) {
        return 0;
    }
    LPCWSTR cursor = text;
    int read = 0;
    while (read < count && *cursor != L'\0') {
        WCHAR* end = nullptr;
        values[read++] = readOne(cursor, &end);
        cursor = end;
        if (*cursor == L'\0') {
            break;
        }
        ++cursor;  // the separator, whatever it is
    }
    return read;
}

}  // namespace

int ParseIntList(LPCWSTR text, int* values, int count) {
    return ParseList(text, values, count,
                     [](LPCWSTR at, WCHAR** end) { return static_cast<int>(std::wcstol(at, end, 10)); });
}

int ParseDoubleList(LPCWSTR text, double* values, int count) {
    return ParseList(text, values, count, [](LPCWSTR at, WCHAR** end) { return std::wcstod(at, end); });
}

RECT ParseRect(LPCWSTR text) {
    int values[4];
    ParseIntList(text, values, 4);
    return RECT{values[0], values[1], values[2], values[3]};
}

SIZE ParseSize(LPCWSTR text) {
    int values[2];
    ParseIntList(text, values, 2);
    return SIZE{values[0], values[1]};
}

int ParseInt(LPCWSTR text) {
    return text == nullptr ? 0 : static_cast<int>(std::wcstol(text, nullptr, 10));
}

bool ParseBool(LPCWSTR text) {
    return text != nullptr && std::wcscmp(text, L"true") == 0;
}

DWORD ParseColor(LPCWSTR text, bool skipLeadingBlanks) {
    if (text == nullptr) {
        return 0;
    }
    if (skipLeadingBlanks) {
        while (*text >= 1 && *text <= 32) {
            ++text;
        }
    }
    if (*text == L'#') {
        ++text;
    }
    return static_cast<DWORD>(std::wcstoul(text, nullptr, 16));
}

bool IsName(LPCWSTR name, LPCWSTR expected) {
    return name != nullptr && expected != nullptr && std::wcscmp(name, expected) == 0;
}

void ApplyAlignWords(UINT& style, LPCWSTR value) {
    if (value == nullptr) {
        return;
    }
    if (std::wcsstr(value, L"left") != nullptr) {
        style &= ~(DT_CENTER | DT_RIGHT);
    }
    if (std::wcsstr(value, L"center") != nullptr) {
        style = (style & ~DT_RIGHT) | DT_CENTER;
    }
    if (std::wcsstr(value, L"right") != nullptr) {
        style = (style & ~DT_CENTER) | DT_RIGHT;
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
        style = (style & ~DT_BOTTOM) | DT_VCENTER;
    }
    if (std::wcsstr(value, L"bottom") != nullptr) {
        style = (style & ~DT_VCENTER) | DT_BOTTOM;
    }
}

}  // namespace SkinUI
