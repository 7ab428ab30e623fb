#pragma once

#include <windows.h>

#include "ui/core/base/UIString.h"
#include "ui/core/base/UIStringMap.h"
#include "ui/core/resources/UIFontEntry.h"
#include "ui/core/resources/UIImageEntry.h"

namespace SkinUI {

// The named resources that skin attributes refer to by short keys. Every
// window has one block, and one more is shared by the whole process. The
// block owns its fonts, images and texts.
struct ResourceBlock {
    static constexpr int kBucketCount = 83;

    ResourceBlock();
    ~ResourceBlock();
    ResourceBlock(const ResourceBlock&) = delete;
    ResourceBlock& operator=(const ResourceBlock&) = delete;

    void RemoveAllFonts();
    void RemoveAllImages();
    void RemoveAllDefaultAttributeLists();

    DWORD disabledFontColor = 0;
    DWORD defaultFontColor = 0;
    DWORD linkFontColor = 0;
    DWORD linkHoverFontColor = 0;
    DWORD selectedColor = 0;
    FontEntry defaultFont;             // an empty face name: not set
    CStringMap fonts;                  // decimal font id -> FontEntry*
    CStringMap images;                 // image name -> ImageEntry*
    CStringMap defaultAttributeLists;  // control class name -> CUIString*
};

// The block that every window falls back on; it lives until the process ends.
ResourceBlock& SharedResourceBlock();

// One window's view of the resources: every look-up tries the window's own
// block first, then the tables it borrows from (if any), then the shared
// block. Adds go to the window's block unless asked for the shared one or
// unless the window uses shared resources.
class CResourceTables {
public:
    // Fills the shared block's colours and default font the first time a
    // window is made on it, then starts the window with the shared colours.
    explicit CResourceTables(ResourceBlock& shared = SharedResourceBlock());
    CResourceTables(const CResourceTables&) = delete;
    CResourceTables& operator=(const CResourceTables&) = delete;

    // The device context that text metrics are measured with; null: none yet.
    void SetPaintDC(HDC dc) { m_paintDC = dc; }
    // Fonts are sized in 96-DPI units and made for this DPI when next asked for.
    void SetDpi(int dpi);
    void SetSharedResources(bool useShared) { m_useSharedResources = useShared; }
    // A window that shows another window's controls (a popup) borrows that
    // window's fonts, images, default attribute lists and colours, so that
    // the controls look as they were measured. `lender` must outlive this
    // table or be unset first; null (or this table) borrows from no one.
    void BorrowFrom(CResourceTables* lender);

    // Fonts are built on the stock GUI font; null, and nothing stored, when
    // the font cannot be created. Adding an id that exists replaces it.
    HFONT AddFont(int id, LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared = false);
    // A negative or unknown id gives the default font.
    HFONT GetFont(int id);
    // Exact match of face name (case-sensitive) and all four attributes.
    HFONT FindFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic);
    // As GetFont, with the metrics measured on first need.
    FontEntry* GetFontInfo(int id);
    FontEntry* GetFontInfo(HFONT font);
    // Nothing changes for an empty face name or a font that cannot be created.
    void SetDefaultFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared = false);
    // The window's default font when it has one, else the shared one.
    FontEntry* GetDefaultFontInfo();
    void RemoveAllFonts(bool shared = false);

    // `type` null or empty: `name` is a file. Otherwise a resource of that
    // type, by number when the name starts with a digit. Adding a name that
    // exists in the same block refreshes that entry in place, so pointers to
    // it stay valid. Null, and nothing stored, when the image cannot be had.
    ImageEntry* AddImage(LPCWSTR name, LPCWSTR type = nullptr, DWORD mask = 0, bool useHsl = false,
                         bool shared = false);
    ImageEntry* GetImage(LPCWSTR name);
    // An image missing everywhere is loaded into the lender's table when
    // there is one: controls keep pointers to images, and the borrowed
    // controls outlive the borrowing window.
    ImageEntry* GetOrLoadImage(LPCWSTR name, LPCWSTR type = nullptr, DWORD mask = 0, bool useHsl = false);
    void RemoveAllImages(bool shared = false);

    // Attribute lists applied to every control of a class before its own.
    void AddClassDefaults(LPCWSTR className, LPCWSTR attributes, bool shared = false);
    LPCWSTR GetClassDefaults(LPCWSTR className);
    void RemoveAllDefaultAttributeList(bool shared = false);

    // With `shared`, the shared colour changes, and this window's colour
    // follows only when it was still the old shared colour.
    void SetDefaultDisabledColor(DWORD color, bool shared = false);
    void SetDefaultFontColor(DWORD color, bool shared = false);
    void SetDefaultLinkFontColor(DWORD color, bool shared = false);
    void SetDefaultLinkHoverFontColor(DWORD color, bool shared = false);
    void SetDefaultSelectedColor(DWORD color, bool shared = false);
    DWORD GetDefaultDisabledColor() const { return m_own.disabledFontColor; }
    DWORD GetDefaultFontColor() const { return m_own.defaultFontColor; }
    DWORD GetDefaultLinkFontColor() const { return m_own.linkFontColor; }
    DWORD GetDefaultLinkHoverFontColor() const { return m_own.linkHoverFontColor; }
    DWORD GetDefaultSelectedColor() const { return m_own.selectedColor; }

    // The process-wide language strings (tooltip texts).
    static void AddLanguageString(int id, LPCWSTR text);
    static LPCWSTR GetLanguageString(int id);
    static void ProcessLanguageTokens(CUIString& text);

private:
    ResourceBlock& BlockForAdd(bool shared) { return shared || m_useSharedResources ? m_shared : m_own; }
    void InitSharedDefaultFont();
    FontEntry* FindFontEntry(int id);
    FontEntry* FindFontEntry(HFONT font);
    // Makes the entry's font anew when it was made for another DPI.
    void Realize(FontEntry& entry);
    void MeasureIfNeeded(FontEntry& entry);
    void SetColor(DWORD ResourceBlock::*field, DWORD color, bool shared);

    ResourceBlock m_own;
    ResourceBlock& m_shared;
    CResourceTables* m_lender = nullptr;
    HDC m_paintDC = nullptr;
    int m_dpi = 96;
    bool m_useSharedResources = false;
};

}  // namespace SkinUI
