#include "app/fonts/FontNameReader.h"

#include <windows.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H

namespace {

constexpr FT_UShort kFullName = TT_NAME_ID_FULL_NAME;
constexpr FT_UShort kTypographicFamily = TT_NAME_ID_TYPOGRAPHIC_FAMILY;
constexpr FT_UShort kEnglishUnitedStates = TT_MS_LANGID_ENGLISH_UNITED_STATES;
// Names end at their first zero, as a terminated string would.
std::wstring FromCodePage(UINT codePage, const char* bytes, int length) {
    if (bytes == nullptr) {
        return std::wstring();
    }
    for (int i = 0; i < length; ++i) {
        if (bytes[i] == 0) {
            length = i;
            break;
        }
    }
    if (length <= 0) {
        return std::wstring();
    }
    const int needed = MultiByteToWideChar(codePage, 0, bytes, length, nullptr, 0);
    if (needed <= 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, bytes, length, &text[0], needed);
    return text;
}

std::wstring FromUtf16BigEndian(const FT_Byte* bytes, FT_UInt length) {
    std::wstring text;
    text.reserve(length / 2);
    for (FT_UInt i = 0; i + 1 < length; i += 2) {
        const wchar_t unit = static_cast<wchar_t>((bytes[i] << 8) | bytes[i + 1]);
        if (unit == 0) {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

bool IsName(const FT_SfntName& record) {
    return record.name_id == kFullName || record.name_id == kTypographicFamily;
}

// Macintosh English records, read in the thread's ANSI code page as fonts of
// this program's users expect; the last match in table order wins, which
// gives the typographic family over the full name.
std::wstring MacintoshName(FT_Face face, FT_UInt count) {
    FT_SfntName chosen = {};
    bool found = false;
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName record;
        if (FT_Get_Sfnt_Name(face, i, &record) == 0 && record.platform_id == TT_PLATFORM_MACINTOSH &&
            record.language_id == 0 && IsName(record)) {
            chosen = record;
            found = true;
        }
    }
    return found ? FromCodePage(CP_THREAD_ACP, reinterpret_cast<const char*>(chosen.string),
                                static_cast<int>(chosen.string_len))
                 : std::wstring();
}

bool IsWindowsUnicode(const FT_SfntName& record) {
    // Symbol fonts write their names as UTF-16 too, under the symbol encoding.
    return record.platform_id == TT_PLATFORM_MICROSOFT &&
           (record.encoding_id == TT_MS_ID_UNICODE_CS || record.encoding_id == TT_MS_ID_UCS_4 ||
            record.encoding_id == TT_MS_ID_SYMBOL_CS);
}

int LanguageRank(const FT_SfntName& record) {
    return record.language_id == kEnglishUnitedStates ? 2 : 1;
}

// The Windows Unicode record that `rank` values most (0: not wanted); among
// equals the first in table order.
template <typename Rank>
std::wstring WindowsName(FT_Face face, FT_UInt count, Rank rank) {
    int bestRank = 0;
    FT_SfntName best = {};
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName record;
        if (FT_Get_Sfnt_Name(face, i, &record) != 0 || !IsWindowsUnicode(record)) {
            continue;
        }
        const int recordRank = rank(record);
        if (recordRank > bestRank) {
            bestRank = recordRank;
            best = record;
        }
    }
    return bestRank > 0 ? FromUtf16BigEndian(best.string, best.string_len) : std::wstring();
}

// The typographic family before the full name, each in US English first,
// else the first language the table lists.
std::wstring WindowsFullName(FT_Face face, FT_UInt count) {
    return WindowsName(face, count, [](const FT_SfntName& record) {
        return IsName(record) ? (record.name_id == kTypographicFamily ? 2 : 0) + LanguageRank(record) : 0;
    });
}

// GDI on Windows knows a face by its Windows family (name id 1) and full
// name only: never by the typographic family or a Macintosh name.
std::wstring GdiFamilyName(FT_Face face) {
    std::wstring family;
    if (FT_IS_SFNT(face)) {
        family = WindowsName(face, FT_Get_Sfnt_Name_Count(face), [](const FT_SfntName& record) {
            return record.name_id == TT_NAME_ID_FONT_FAMILY ? LanguageRank(record) : 0;
        });
    }
    if (family.empty() && face->family_name != nullptr) {
        // Bitmap fonts name their face in their header; FreeType reads it.
        family = FromCodePage(CP_THREAD_ACP, face->family_name, lstrlenA(face->family_name));
    }
    return family;
}

std::wstring FullName(FT_Face face) {
    const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
    std::wstring name = MacintoshName(face, count);
    if (name.empty()) {
        name = WindowsFullName(face, count);
    }
    if (name.empty() && count == 0 && face->family_name != nullptr) {
        // Bitmap fonts (.fon) carry no name table, only the face name of their header.
        name = FromCodePage(CP_THREAD_ACP, face->family_name, lstrlenA(face->family_name));
    }
    return name;
}

bool IsCharacter(FT_ULong code) {
    return code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

// Every code point the face maps, ascending. Outline fonts only: a bitmap
// font's map is in its own code page, which GDI converts better than a guess.
bool ReadCharacters(FT_Face face, std::vector<char32_t>& characters) {
    if (!FT_IS_SFNT(face) ||
        (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 && FT_Select_Charmap(face, FT_ENCODING_MS_SYMBOL) != 0)) {
        return false;
    }
    FT_UInt glyph = 0;
    for (FT_ULong code = FT_Get_First_Char(face, &glyph); glyph != 0; code = FT_Get_Next_Char(face, code, &glyph)) {
        if (IsCharacter(code)) {
            characters.push_back(static_cast<char32_t>(code));
        }
    }
    return true;
}

}  // namespace

FreeTypeNameReader::FreeTypeNameReader(FileReadAt readAt) : m_readAt(readAt) {
    if (FT_Init_FreeType(&m_library) != 0) {
        m_library = nullptr;
    }
}

FreeTypeNameReader::~FreeTypeNameReader() {
    if (m_library != nullptr) {
        FT_Done_FreeType(m_library);
    }
}

std::wstring FreeTypeNameReader::ReadFullName(const std::wstring& path) {
    const FontFileFace file(m_library, path, m_readAt);
    return file.Face() != nullptr ? FullName(file.Face()) : std::wstring();
}

std::wstring FreeTypeNameReader::ReadGdiFamily(const std::wstring& path) {
    const FontFileFace file(m_library, path, m_readAt);
    return file.Face() != nullptr ? GdiFamilyName(file.Face()) : std::wstring();
}

FontFaceInfo FreeTypeNameReader::ReadFace(const std::wstring& path) {
    FontFaceInfo info;
    const FontFileFace file(m_library, path, m_readAt);
    if (file.Face() != nullptr) {
        info.fullName = FullName(file.Face());
        info.gdiFamily = GdiFamilyName(file.Face());
        info.charactersRead = ReadCharacters(file.Face(), info.characters);
    }
    return info;
}
