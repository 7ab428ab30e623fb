#pragma once
// Reads the name a font file gives itself, for "复制字体名称" and the
// character map's face.
#include <string>

class IFontNameReader {
public:
    virtual ~IFontNameReader() = default;
    // The font's full name, or empty when the file cannot be read as a font
    // or names itself nowhere.
    virtual std::wstring ReadFullName(const std::wstring& path) = 0;
};

struct FT_LibraryRec_;

// Reads the name table with FreeType. The file is opened through its wide
// path and handed to FreeType as bytes, so a path in any script works.
class FreeTypeNameReader final : public IFontNameReader {
public:
    FreeTypeNameReader();
    ~FreeTypeNameReader() override;
    FreeTypeNameReader(const FreeTypeNameReader&) = delete;
    FreeTypeNameReader& operator=(const FreeTypeNameReader&) = delete;

    std::wstring ReadFullName(const std::wstring& path) override;

private:
    FT_LibraryRec_* m_library = nullptr;
};
