#include "app/FontNameReader.h"

#include <windows.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H

namespace {

constexpr FT_UShort kFullName = TT_NAME_ID_FULL_NAME;
constexpr FT_UShort kTypographicFamily = TT_NAME_ID_TYPOGRAPHIC_FAMILY;
constexpr FT_UShort kEnglishUnitedStates = TT_MS_LANGID_ENGLISH_UNITED_STATES;
// Font files beyond this size are not fonts anyone drops; the mapping would only waste address space.
constexpr LONGLONG kMaxFontFileSize = 512LL * 1024 * 1024;

// A read-only view of a whole file, closed with the object.
class MappedFile {
public:
    explicit MappedFile(const std::wstring& path) {
        m_file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        LARGE_INTEGER size;
        if (m_file == INVALID_HANDLE_VALUE || !GetFileSizeEx(m_file, &size) || size.QuadPart <= 0 ||
            size.QuadPart > kMaxFontFileSize) {
            return;
        }
        m_mapping = CreateFileMappingW(m_file, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (m_mapping == nullptr) {
            return;
        }
        m_bytes = static_cast<const FT_Byte*>(MapViewOfFile(m_mapping, FILE_MAP_READ, 0, 0, 0));
        if (m_bytes != nullptr) {
            m_size = static_cast<FT_Long>(size.QuadPart);
        }
    }
    ~MappedFile() {
        if (m_bytes != nullptr) {
            UnmapViewOfFile(m_bytes);
        }
        if (m_mapping != nullptr) {
            CloseHandle(m_mapping);
        }
        if (m_file != INVALID_HANDLE_VALUE) {
            CloseHandle(m_file);
        }
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const FT_Byte* Bytes() const { return m_bytes; }
    FT_Long Size() const { return m_size; }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
    HANDLE m_mapping = nullptr;
    const FT_Byte* m_bytes = nullptr;
    FT_Long m_size = 0;
};

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

// Windows Unicode records: the typographic family before the full name,
// each in US English first, else the first language the table lists.
std::wstring WindowsName(FT_Face face, FT_UInt count) {
    int bestRank = 0;
    FT_SfntName best = {};
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName record;
        if (FT_Get_Sfnt_Name(face, i, &record) != 0 || record.platform_id != TT_PLATFORM_MICROSOFT ||
            (record.encoding_id != TT_MS_ID_UNICODE_CS && record.encoding_id != TT_MS_ID_UCS_4) || !IsName(record)) {
            continue;
        }
        const int rank =
            (record.name_id == kTypographicFamily ? 2 : 0) + (record.language_id == kEnglishUnitedStates ? 2 : 1);
        if (rank > bestRank) {
            bestRank = rank;
            best = record;
        }
    }
    return bestRank > 0 ? FromUtf16BigEndian(best.string, best.string_len) : std::wstring();
}

}  // namespace

FreeTypeNameReader::FreeTypeNameReader() {
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
    if (m_library == nullptr || path.empty()) {
        return std::wstring();
    }
    const MappedFile file(path);
    if (file.Bytes() == nullptr) {
        return std::wstring();
    }
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(m_library, file.Bytes(), file.Size(), 0, &face) != 0) {
        return std::wstring();
    }
    const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
    std::wstring name = MacintoshName(face, count);
    if (name.empty()) {
        name = WindowsName(face, count);
    }
    if (name.empty() && count == 0 && face->family_name != nullptr) {
        // Bitmap fonts (.fon) carry no name table, only the face name of their header.
        name = FromCodePage(CP_THREAD_ACP, face->family_name, lstrlenA(face->family_name));
    }
    FT_Done_Face(face);
    return name;
}
