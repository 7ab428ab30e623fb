#pragma once

#include <windows.h>

#include <string>

#include "ui/core/base/UIString.h"
#include "ui/core/resources/UIImageEntry.h"

namespace SkinUI {

// Parsed form of an image attribute string ("res='110' restype='PNG'
// corner='5,5,24,24'") and the image it resolved to.
struct ImageDrawInfo {
    // Heap strings sized to their text: a control carries a record for every
    // image it can show, most of them empty.
    std::wstring text;  // the attribute string exactly as set
    std::wstring imageName;
    bool loadAttempted = false;
    // The same image at double size ("name@2x"), for windows above 96 DPI;
    // looked for once.
    bool doubleSizeAttempted = false;
    ImageEntry* image = nullptr;  // owned by the manager's image table
    ImageEntry* doubleSize = nullptr;
    RECT dest = {0, 0, 0, 0};    // inside the item; all zero: the whole item
    RECT source = {0, 0, 0, 0};  // part of the image; all zero: the whole image
    RECT corner = {0, 0, 0, 0};  // widths of the borders that are not stretched
    BYTE fade = 255;             // constant opacity
    bool hole = false;           // leave the middle cell out
    bool xTiled = false;         // repeat the middle instead of stretching it
    bool yTiled = false;

    void Clear() { *this = ImageDrawInfo(); }
    // Takes a new attribute string (null is empty) and forgets the image it
    // had; false, changing nothing, when it is the string already set and its
    // image is loaded.
    bool Reset(LPCWSTR description) {
        if (description == nullptr) {
            description = L"";
        }
        if (text == description && image != nullptr) {
            return false;
        }
        Clear();
        text = description;
        return true;
    }
};

// Where an image attribute string says the image comes from.
struct ImageSourceRequest {
    CUIString name;             // file or archive item, resource name or number, or colour
    CUIString type;             // "restype", or the colour pseudo type
    bool typeGiven = false;     // "res" or "color" occurred; otherwise the name is a file
    DWORD mask = 0;             // colour made transparent
    bool keepOriginal = false;  // "hsl": keep the decoded pixels for colour adjustment

    // The type to load with: null for files, so that a "restype" without
    // "res" changes nothing.
    LPCWSTR LoadType() const { return typeGiven ? type.GetData() : nullptr; }
};

// Reads an image attribute string: a bare image name, or items key='value'
// separated by single spaces. Reading stops silently at the first item out of
// that form and keeps what came before. `request` starts afresh with the whole
// text as the name; the drawing fields of `info` change only for the keys
// that occur.
void ParseImageAttributes(LPCWSTR text, ImageDrawInfo* info, ImageSourceRequest* request);

}  // namespace SkinUI
