// The names that "复制字体名称" and the character map take from font files:
// which record wins, files of every kind, paths in any script, broken files.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/fonts/FontNameReader.h"
#include "tests/app/test_fonts.h"

namespace {

// A folder of its own under the temp directory, removed with its files.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + name + L"\\";
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::wstring& file : m_files) {
            DeleteFileW(file.c_str());
        }
        RemoveDirectoryW(m_path.c_str());
    }
    std::wstring Write(const std::wstring& name, const std::vector<char>& bytes) {
        const std::wstring file = m_path + name;
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        if (!bytes.empty()) {
            WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        }
        CloseHandle(handle);
        m_files.push_back(file);
        return file;
    }
    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
    std::vector<std::wstring> m_files;
};

std::vector<char> ReadBytes(const std::wstring& path) {
    std::vector<char> bytes;
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const DWORD size = GetFileSize(handle, nullptr);
    bytes.resize(size);
    DWORD read = 0;
    ReadFile(handle, bytes.data(), size, &read, nullptr);
    CloseHandle(handle);
    return bytes;
}

class FontNameReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!TestFontsExist()) {
            GTEST_SKIP() << "test fonts were not generated";
        }
    }
    FreeTypeNameReader reader;
};

TEST_F(FontNameReaderTest, EachKindOfNameTableGivesItsName) {
    const struct {
        LPCWSTR file;
        LPCWSTR name;
    } cases[] = {
        {L"QuilletMacNames.ttf", L"Quillet Test Mac Regular"},
        {L"QuilletTypographic.ttf", L"Quillet Test Typographic"},  // Macintosh ids 4 and 16: 16 wins
        {L"QuilletWindowsNames.ttf", L"Quillet Test Windows Regular"},
        {L"QuilletWindowsTypographic.ttf", L"Quillet Test Win Typographic"},
        {L"QuilletPair.ttc", L"Quillet Test Alpha Regular"},  // a collection gives its first face
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.name, reader.ReadFullName(TestFontFolder() + c.file)) << c.file;
    }
}

TEST_F(FontNameReaderTest, ABitmapFontWithoutNameTableGivesItsFaceName) {
    const std::wstring bitmapFont = L"Z:\\usr\\share\\wine\\fonts\\sserife.fon";
    if (GetFileAttributesW(bitmapFont.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "Wine's bitmap fonts are not installed";
    }
    EXPECT_EQ(L"MS Sans Serif", reader.ReadFullName(bitmapFont));
    const FontFaceInfo face = reader.ReadFace(bitmapFont);
    EXPECT_EQ(L"MS Sans Serif", face.gdiFamily);
    EXPECT_FALSE(face.charactersRead) << "its code page is GDI's to convert";
}

TEST_F(FontNameReaderTest, TheFaceIsTheWindowsFamilyWithTheFilesOwnCharacters) {
    const struct {
        LPCWSTR file;
        LPCWSTR family;
        char32_t last;
    } cases[] = {
        {L"QuilletTypographic.ttf", L"Quillet Test Legacy", U'~'},  // never the typographic family
        {L"QuilletWindowsTypographic.ttf", L"Quillet Test Win Legacy", U'~'},
        {L"QuilletMacNames.ttf", L"Quillet Test Mac", U'~'},  // no Windows records: FreeType's family
        {L"QuilletPair.ttc", L"Quillet Test Alpha", U'~'},
        {L"QuilletBeyondBmp.ttf", L"Quillet Test Beyond", 0xF0000},
        {L"QuilletTwoHundred.ttf", L"Quillet Test Two Hundred", 0x108},
    };
    for (const auto& c : cases) {
        const FontFaceInfo face = reader.ReadFace(TestFontFolder() + c.file);
        EXPECT_EQ(c.family, face.gdiFamily) << c.file;
        EXPECT_EQ(reader.ReadFullName(TestFontFolder() + c.file), face.fullName) << c.file;
        ASSERT_TRUE(face.charactersRead) << c.file;
        ASSERT_FALSE(face.characters.empty()) << c.file;
        EXPECT_EQ(U' ', face.characters.front()) << c.file;
        EXPECT_EQ(c.last, face.characters.back()) << c.file;
        EXPECT_TRUE(std::is_sorted(face.characters.begin(), face.characters.end())) << c.file;
    }
    EXPECT_EQ(200u, reader.ReadFace(TestFontFolder() + L"QuilletTwoHundred.ttf").characters.size());
}

// A file that goes away after its first 12 bytes (the header of a font or a
// collection): a read gives at most those, and any read beyond them fails.
bool FailBeyondTheHeader(HANDLE file, unsigned long offset, void* buffer, unsigned long count, DWORD* read) {
    constexpr unsigned long kLeft = 12;
    if (offset >= kLeft) {
        SetLastError(ERROR_DEV_NOT_EXIST);
        return false;
    }
    return ReadFileAt(file, offset, buffer, count < kLeft - offset ? count : kLeft - offset, read);
}

TEST_F(FontNameReaderTest, AFileWhoseReadsFailGivesNoNameAndNoFace) {
    FreeTypeNameReader vanishing(&FailBeyondTheHeader);
    for (LPCWSTR file : {L"QuilletWindowsNames.ttf", L"QuilletPair.ttc"}) {
        EXPECT_EQ(L"", vanishing.ReadFullName(TestFontFolder() + file)) << file;
        const FontFaceInfo face = vanishing.ReadFace(TestFontFolder() + file);
        EXPECT_EQ(L"", face.gdiFamily) << file;
        EXPECT_FALSE(face.charactersRead) << file;
    }
}

TEST_F(FontNameReaderTest, AFolderNamedOutsideTheCodePageStillGivesTheName) {
    ScratchFolder folder(L"字体 Ωשׁ");
    const std::wstring copy = folder.Write(L"名前.ttf", ReadBytes(TestFontFolder() + L"QuilletWindowsNames.ttf"));
    EXPECT_EQ(L"Quillet Test Windows Regular", reader.ReadFullName(copy));
}

TEST_F(FontNameReaderTest, BrokenOrMissingFilesGiveAnEmptyName) {
    ScratchFolder folder(L"quillet_broken_fonts");
    std::vector<char> truncated = ReadBytes(TestFontFolder() + L"QuilletMacNames.ttf");
    truncated.resize(300);
    std::vector<char> garbage(4096);
    for (size_t i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 2654435761u) >> 13);
    }
    const std::wstring paths[] = {
        folder.Write(L"truncated.ttf", truncated),
        folder.Write(L"garbage.ttf", garbage),
        folder.Write(L"empty.ttf", {}),
        folder.Path() + L"missing.ttf",
        folder.Path(),
        L"",
    };
    for (const std::wstring& path : paths) {
        EXPECT_EQ(L"", reader.ReadFullName(path)) << path.c_str();
        EXPECT_EQ(L"", reader.ReadFace(path).gdiFamily) << path.c_str();
    }
}

}  // namespace
