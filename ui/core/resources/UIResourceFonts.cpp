#include "ui/core/resources/UIResourceTables.h"

#include "ui/core/base/UIDpi.h"
#include "ui/core/base/UISizeLimits.h"
#include "ui/core/base/UIStringMapValues.h"
#include "ui/core/base/UIUtf8.h"
#include "ui/core/gdi/UIFontKeeper.h"

namespace SkinUI {

namespace {

LOGFONTW StockGuiLogFont() {
    LOGFONTW logFont = {};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    logFont.lfCharSet = DEFAULT_CHARSET;
    return logFont;
}

// `size` in pixels of the device the font is made for.
HFONT CreateSkinFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic) {
    LOGFONTW logFont = StockGuiLogFont();
    // The face name field holds 31 units and the terminator; a longer name is
    // cut as GDI lists such faces, but never inside a surrogate pair.
    const size_t kept = WholeCharacterPrefix(faceName, LF_FACESIZE - 1);
    if (kept > 0) {
        ::CopyMemory(logFont.lfFaceName, faceName, kept * sizeof(WCHAR));
    }
    logFont.lfFaceName[kept] = 0;
    logFont.lfHeight = -ClampFontSize(size);
    if (bold) {
        logFont.lfWeight += FW_BOLD;
    }
    if (underline) {
        logFont.lfUnderline = TRUE;
    }
    if (italic) {
        logFont.lfItalic = TRUE;
    }
    return ::CreateFontIndirectW(&logFont);
}

void FillFontEntry(FontEntry& entry, HFONT font, int dpi, LPCWSTR faceName, int size, bool bold, bool underline,
                   bool italic) {
    entry.font = font;
    entry.dpi = dpi;
    entry.faceName = faceName;
    entry.size = size;
    entry.bold = bold;
    entry.underline = underline;
    entry.italic = italic;
    entry.textMetrics = TEXTMETRICW{};
}

void DeleteFontEntry(FontEntry* entry) {
    Render::CFontKeeper::Delete(entry->font);
    delete entry;
}

// The decimal digits of a non-negative id, without the cost of a format call on every text drawn.
CUIString FontKey(int id) {
    WCHAR digits[12];
    int start = _countof(digits) - 1;
    digits[start] = L'\0';
    unsigned int value = static_cast<unsigned int>(id);
    do {
        digits[--start] = static_cast<WCHAR>(L'0' + value % 10);
        value /= 10;
    } while (value != 0 && start > 0);
    return CUIString(digits + start);
}

}  // namespace

void CResourceTables::InitSharedDefaultFont() {
    const LOGFONTW logFont = StockGuiLogFont();
    FontEntry& entry = m_shared.defaultFont;
    if (entry.font != nullptr) {
        Render::CFontKeeper::Delete(entry.font);
    }
    // The stock font is sized for the screen's DPI; the table keeps 96-DPI units.
    HDC screen = ::GetDC(nullptr);
    const int screenDpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen != nullptr) {
        ::ReleaseDC(nullptr, screen);
    }
    FillFontEntry(entry, ::CreateFontIndirectW(&logFont), screenDpi, logFont.lfFaceName,
                  UnscaleLength(-logFont.lfHeight, screenDpi), logFont.lfWeight >= FW_BOLD, logFont.lfUnderline == 1,
                  logFont.lfItalic == 1);
}

void CResourceTables::SetDpi(int dpi) {
    m_dpi = dpi > 0 ? dpi : kBaseDpi;
}

void CResourceTables::Realize(FontEntry& entry) {
    if (entry.dpi == m_dpi || entry.faceName.IsEmpty()) {
        return;
    }
    HFONT font =
        CreateSkinFont(entry.faceName, ScaleLength(entry.size, m_dpi), entry.bold, entry.underline, entry.italic);
    if (font == nullptr) {
        return;
    }
    Render::CFontKeeper::Delete(entry.font);
    entry.font = font;
    entry.dpi = m_dpi;
    entry.textMetrics = TEXTMETRICW{};
}

void CResourceTables::MeasureIfNeeded(FontEntry& entry) {
    Realize(entry);
    if (m_paintDC == nullptr || entry.font == nullptr || entry.textMetrics.tmHeight != 0) {
        return;
    }
    HGDIOBJ previous = ::SelectObject(m_paintDC, entry.font);
    ::GetTextMetricsW(m_paintDC, &entry.textMetrics);
    ::SelectObject(m_paintDC, previous);
}

HFONT CResourceTables::AddFont(int id, LPCWSTR faceName, int size, bool bold, bool underline, bool italic,
                               bool shared) {
    HFONT font = CreateSkinFont(faceName, ScaleLength(size, m_dpi), bold, underline, italic);
    if (font == nullptr) {
        return nullptr;
    }
    auto* entry = new FontEntry;
    FillFontEntry(*entry, font, m_dpi, faceName, size, bold, underline, italic);
    MeasureIfNeeded(*entry);
    auto* replaced = static_cast<FontEntry*>(BlockForAdd(shared).fonts.Set(FontKey(id), entry));
    if (replaced != nullptr) {
        DeleteFontEntry(replaced);
    }
    return font;
}

FontEntry* CResourceTables::FindFontEntry(int id) {
    if (id < 0) {
        return nullptr;
    }
    const CUIString key = FontKey(id);
    auto* entry = static_cast<FontEntry*>(m_own.fonts.Find(key));
    if (entry != nullptr) {
        return entry;
    }
    if (m_lender != nullptr) {
        return m_lender->FindFontEntry(id);
    }
    return static_cast<FontEntry*>(m_shared.fonts.Find(key));
}

FontEntry* CResourceTables::FindFontEntry(HFONT font) {
    if (font == nullptr) {
        return nullptr;
    }
    auto hasHandle = [font](FontEntry* entry) { return entry->font == font; };
    FontEntry* entry = FindMapValue<FontEntry>(m_own.fonts, hasHandle);
    if (entry != nullptr) {
        return entry;
    }
    if (m_lender != nullptr) {
        return m_lender->FindFontEntry(font);
    }
    return FindMapValue<FontEntry>(m_shared.fonts, hasHandle);
}

HFONT CResourceTables::GetFont(int id) {
    FontEntry* entry = FindFontEntry(id);
    if (entry == nullptr) {
        return GetDefaultFontInfo()->font;
    }
    Realize(*entry);
    return entry->font;
}

HFONT CResourceTables::FindFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic) {
    const CUIString wanted(faceName);
    auto matches = [&](FontEntry* entry) {
        return entry->faceName == wanted && entry->size == size && entry->bold == bold &&
               entry->underline == underline && entry->italic == italic;
    };
    FontEntry* entry = FindMapValue<FontEntry>(m_own.fonts, matches);
    if (entry == nullptr && m_lender != nullptr) {
        return m_lender->FindFont(faceName, size, bold, underline, italic);
    }
    if (entry == nullptr) {
        entry = FindMapValue<FontEntry>(m_shared.fonts, matches);
    }
    if (entry == nullptr) {
        return nullptr;
    }
    Realize(*entry);
    return entry->font;
}

FontEntry* CResourceTables::GetFontInfo(int id) {
    FontEntry* entry = FindFontEntry(id);
    if (entry == nullptr) {
        return GetDefaultFontInfo();
    }
    MeasureIfNeeded(*entry);
    return entry;
}

FontEntry* CResourceTables::GetFontInfo(HFONT font) {
    FontEntry* entry = FindFontEntry(font);
    if (entry == nullptr) {
        return GetDefaultFontInfo();
    }
    MeasureIfNeeded(*entry);
    return entry;
}

void CResourceTables::SetDefaultFont(LPCWSTR faceName, int size, bool bold, bool underline, bool italic, bool shared) {
    // An empty face name marks a block without a default font of its own.
    if (faceName == nullptr || *faceName == L'\0') {
        return;
    }
    HFONT font = CreateSkinFont(faceName, ScaleLength(size, m_dpi), bold, underline, italic);
    if (font == nullptr) {
        return;
    }
    FontEntry& entry = shared ? m_shared.defaultFont : m_own.defaultFont;
    if (entry.font != nullptr) {
        Render::CFontKeeper::Delete(entry.font);
    }
    FillFontEntry(entry, font, m_dpi, faceName, size, bold, underline, italic);
    MeasureIfNeeded(entry);
}

FontEntry* CResourceTables::GetDefaultFontInfo() {
    if (m_own.defaultFont.faceName.IsEmpty() && m_lender != nullptr) {
        return m_lender->GetDefaultFontInfo();
    }
    FontEntry& entry = m_own.defaultFont.faceName.IsEmpty() ? m_shared.defaultFont : m_own.defaultFont;
    MeasureIfNeeded(entry);
    return &entry;
}

void CResourceTables::RemoveAllFonts(bool shared) {
    (shared ? m_shared : m_own).RemoveAllFonts();
}

}  // namespace SkinUI
