#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"
#include "ui/core/resources/UIFontEntry.h"
#include "ui/core/resources/UIImageEntry.h"

namespace SkinUI {

// What text drawing needs from the window it paints for: its fonts, colours,
// images, language strings and where the mouse is. The UI manager provides it.
class IRichTextHost {
public:
    // Both fall back to the default font and never return a font without
    // its text metrics once the window can measure.
    virtual FontEntry* GetFontInfo(int id) = 0;
    virtual FontEntry* GetFontInfo(HFONT font) = 0;
    // Null when no font of the window or the shared table has exactly these properties.
    virtual HFONT FindFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic) = 0;
    // Null when the font cannot be created.
    virtual HFONT AddFont(int id, LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared) = 0;
    virtual DWORD GetDefaultLinkFontColor() = 0;
    virtual DWORD GetDefaultLinkHoverFontColor() = 0;
    virtual DWORD GetDefaultSelectedColor() = 0;
    // Last mouse position in client coordinates.
    virtual POINT GetMousePos() = 0;
    // `type` null: `name` is a file. Null when the image cannot be loaded.
    virtual ImageEntry* GetOrLoadImage(LPCWSTR name, LPCWSTR type, DWORD mask, bool useHsl) = 0;
    virtual void ProcessLanguageTokens(CUIString& text) = 0;
    // A length of the markup (spacing, offsets, line heights, image sizes)
    // from 96-DPI units to the window's pixels.
    virtual int ScaleLength(int length) = 0;

protected:
    ~IRichTextHost() = default;
};

}  // namespace SkinUI
