#include "ui/core/resources/UIImageDrawInfo.h"

#include <cwchar>

#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIValueParse.h"
#include "ui/core/resources/UIImageDecode.h"

namespace SkinUI {

namespace {

bool IsBlank(WCHAR ch) {
    return ch != L'\0' && ch <= L' ';
}

LPCWSTR SkipBlanks(LPCWSTR cursor) {
    while (IsBlank(*cursor))
        ++cursor;
    return cursor;
}

void ApplyItem(const CUIString& key, const CUIString& value, ImageDrawInfo* info, ImageSourceRequest* request) {
    if (value.IsEmpty())
        return;
    if (key == L"file") {
        request->name = value;
    } else if (key == L"res") {
        request->name = value;
        request->typeGiven = true;
    } else if (key == L"restype") {
        request->type = value;
    } else if (key == L"color") {
        request->name = value;
        request->type = Render::kColorImageType;
        request->typeGiven = true;
    } else if (key == L"dest") {
        info->dest = ClampRect(ParseRect(value));
    } else if (key == L"source") {
        info->source = ParseRect(value);
    } else if (key == L"corner" || key == L"scale9") {
        info->corner = ParseRect(value);
    } else if (key == L"mask") {
        request->mask = ParseColor(value);
    } else if (key == L"fade") {
        info->fade = static_cast<BYTE>(std::wcstoul(value, nullptr, 10));
    } else if (key == L"hole") {
        info->hole = ParseBool(value);
    } else if (key == L"xtiled") {
        info->xTiled = ParseBool(value);
    } else if (key == L"ytiled") {
        info->yTiled = ParseBool(value);
    } else if (key == L"hsl") {
        request->keepOriginal = ParseBool(value);
    }
}

}  // namespace

void ParseImageAttributes(LPCWSTR text, ImageDrawInfo* info, ImageSourceRequest* request) {
    *request = ImageSourceRequest();
    if (text == nullptr)
        return;
    request->name = text;
    LPCWSTR cursor = text;
    for (;;) {
        cursor = SkipBlanks(cursor);
        if (*cursor == L'\0')
            return;
        LPCWSTR keyStart = cursor;
        while (*cursor != L'\0' && *cursor != L'=' && !IsBlank(*cursor))
            ++cursor;
        const CUIString key(keyStart, static_cast<int>(cursor - keyStart));
        cursor = SkipBlanks(cursor);
        if (*cursor != L'=')
            return;
        cursor = SkipBlanks(cursor + 1);
        if (*cursor != L'\'')
            return;
        LPCWSTR valueStart = ++cursor;
        while (*cursor != L'\0' && *cursor != L'\'')
            ++cursor;
        if (*cursor != L'\'')
            return;
        ApplyItem(key, CUIString(valueStart, static_cast<int>(cursor - valueStart)), info, request);
        // Only a plain space leads on to another item.
        if (*++cursor != L' ')
            return;
    }
}

}  // namespace SkinUI
