#pragma once
// Reads what a font file says of itself: its name for "复制字体名称", and the
// face name and characters the character map draws.
#include <string>
#include <vector>

#include "app/fonts/FontFile.h"

// What the character map draws from a font file.
struct FontFaceInfo {
    // What ReadFullName gives, read in the same pass.
    std::wstring fullName;
    // The name GDI knows the file's first face by, empty when FreeType cannot read the file.
    std::wstring gdiFamily;
    // Every character the face maps, ascending, when charactersRead.
    std::vector<char32_t> characters;
    // False when the file's own map could not be read; GDI must then be asked.
    bool charactersRead = false;
};

class IFontNameReader {
public:
    virtual ~IFontNameReader() = default;
    // The font's full name, or empty when the file cannot be read as a font
    // or names itself nowhere.
    virtual std::wstring ReadFullName(const std::wstring& path) = 0;
    // The first face's names and characters, read from the file itself in one pass.
    virtual FontFaceInfo ReadFace(const std::wstring& path) = 0;
};

// Reads the name table and character map with FreeType. The file is opened
// through its wide path and read on demand, so a path in any script works.
class FreeTypeNameReader final : public IFontNameReader {
public:
    explicit FreeTypeNameReader(FileReadAt readAt = &ReadFileAt);
    ~FreeTypeNameReader() override;
    FreeTypeNameReader(const FreeTypeNameReader&) = delete;
    FreeTypeNameReader& operator=(const FreeTypeNameReader&) = delete;

    std::wstring ReadFullName(const std::wstring& path) override;
    FontFaceInfo ReadFace(const std::wstring& path) override;
    // ReadFace's gdiFamily alone, without the characters.
    std::wstring ReadGdiFamily(const std::wstring& path);

private:
    FT_Library m_library = nullptr;
    FileReadAt m_readAt;
};
