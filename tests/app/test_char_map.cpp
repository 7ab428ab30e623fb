// The character map over a mounted font with several pages of characters:
// pages by wheel and by scroll bar, the preview, copying one character, the
// tooltips, and a second font taking the place of the first.
#include <algorithm>
#include <string>
#include <vector>

#include "app/windows/CharMap.h"
#include "tests/app/clipboard_probe.h"
#include "tests/app/main_window_fixture.h"
#include "tests/app/test_fonts.h"
#include "ui/controls/UICheckBox.h"
#include "ui/controls/UIScrollBar.h"

using namespace SkinUI;

namespace {

std::wstring FaceOf(HFONT font) {
    LOGFONTW logFont = {};
    ::GetObjectW(font, sizeof(logFont), &logFont);
    return logFont.lfFaceName;
}

class CharMapTest : public MainWindowTest {
protected:
    void SetUp() override {
        if (!TestFontsExist()) {
            GTEST_SKIP() << "test fonts were not generated";
        }
        MainWindowTest::SetUp();
        many = TestFontFolder() + L"QuilletManyChars.ttf";
        alpha = TestFontFolder() + L"QuilletAlpha.ttf";
        ::AddFontResourceW(many.c_str());
        ::AddFontResourceW(alpha.c_str());
        map = window->GetCharMap();
        bar =
            static_cast<CScrollBarUI*>(map->GetManager().FindControlByName(L"viewscroll")->GetInterface(L"ScrollBar"));
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        ::RemoveFontResourceW(many.c_str());
        ::RemoveFontResourceW(alpha.c_str());
    }
    std::wstring CellText(int index) { return map->Cell(index)->GetText().GetData(); }
    void Load(const std::wstring& path) { map->LoadFont(path, reader.ReadFace(path)); }
    static std::wstring BmpText(char32_t character) { return std::wstring(1, static_cast<wchar_t>(character)); }
    void Wheel(int notches) {
        ::SendMessageW(*map, WM_MOUSEWHEEL, MAKEWPARAM(0, notches * WHEEL_DELTA), 0);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT) {
                ::DispatchMessageW(&msg);
            }
        }
    }

    std::wstring many;
    std::wstring alpha;
    CharMap* map = nullptr;
    CScrollBarUI* bar = nullptr;
    FreeTypeNameReader reader;
};

TEST_F(CharMapTest, PagesCoverExactlyTheCharactersByWheelAndByScrollBar) {
    Load(many);
    const int count = static_cast<int>(map->Characters().size());
    ASSERT_GT(count, 2 * CharMap::kPageSize) << "the font spans three pages";
    const int pages = (count + CharMap::kPageSize - 1) / CharMap::kPageSize;
    EXPECT_EQ(CharMap::kPageStep * (pages - 1), bar->GetScrollRange());
    EXPECT_EQ(L" ", CellText(0)) << "U+0020 comes first";
    EXPECT_EQ(L"U+0020", std::wstring(map->Cell(0)->GetToolTip().GetData()));

    Wheel(-1);
    EXPECT_EQ(BmpText(map->Characters()[CharMap::kPageSize]), CellText(0));
    Wheel(-10);
    EXPECT_EQ(bar->GetScrollRange(), bar->GetScrollPos()) << "the last page that holds characters";
    const int onLastPage = count - (pages - 1) * CharMap::kPageSize;
    EXPECT_EQ(BmpText(map->Characters()[count - 1]), CellText(onLastPage - 1));
    EXPECT_EQ(L"", CellText(onLastPage));
    EXPECT_EQ(L"", std::wstring(map->Cell(onLastPage)->GetToolTip().GetData()));

    bar->SetScrollPos(CharMap::kPageStep, true);
    Pump();
    EXPECT_EQ(BmpText(map->Characters()[CharMap::kPageSize]), CellText(0)) << "the bar pages too";
}

TEST_F(CharMapTest, ACellShowsItsCharacterInThePreviewAndCopiesExactlyIt) {
    Load(many);
    auto* copyBox =
        static_cast<CCheckBoxUI*>(map->GetManager().FindControlByName(L"copychar")->GetInterface(L"CheckBox"));
    copyBox->Selected(true, false);
    map->GetManager().SendNotify(map->Cell(33), L"click");
    EXPECT_EQ(L"A", std::wstring(map->GetManager().FindControlByName(L"showselfont")->GetText().GetData()));
    EXPECT_EQ(L"A", ClipboardText());

    Load(alpha);
    const int count = static_cast<int>(map->Characters().size());
    ASSERT_LT(count, CharMap::kPageSize);
    EXPECT_EQ(0, bar->GetScrollRange());
    map->GetManager().SendNotify(map->Cell(count), L"click");
    EXPECT_EQ(L"", std::wstring(map->GetManager().FindControlByName(L"showselfont")->GetText().GetData()));
    EXPECT_EQ(L"A", ClipboardText()) << "an empty cell copies nothing";
}

TEST_F(CharMapTest, ASecondFontReplacesTheGridAndPreviewFonts) {
    Load(many);
    EXPECT_EQ(L"Quillet Test Many", FaceOf(map->GetManager().GetFont(CharMap::kCellFont)));
    Load(alpha);
    EXPECT_EQ(L"Quillet Test Alpha", FaceOf(map->GetManager().GetFont(CharMap::kCellFont)));
    EXPECT_EQ(L"Quillet Test Alpha", FaceOf(map->GetManager().GetFont(CharMap::kPreviewFont)));
    EXPECT_EQ(L"Quillet Test Alpha Regular",
              std::wstring(map->GetManager().FindControlByName(L"apptitle")->GetText().GetData()));
}

TEST_F(CharMapTest, AStyleOfALargerFamilyIsAskedForByTheNameGdiKnows) {
    // Name id 1 "Quillet Test Win Legacy", id 16 "Quillet Test Win Typographic": Windows' GDI knows only the first.
    const std::wstring styled = TestFontFolder() + L"QuilletWindowsTypographic.ttf";
    Load(styled);
    EXPECT_EQ(L"Quillet Test Win Legacy", FaceOf(map->GetManager().GetFont(CharMap::kCellFont)));
    EXPECT_EQ(L"Quillet Test Win Legacy", FaceOf(map->GetManager().GetFont(CharMap::kPreviewFont)));
    EXPECT_EQ(L"Quillet Test Win Typographic",
              std::wstring(map->GetManager().FindControlByName(L"apptitle")->GetText().GetData()))
        << "the title is the name 复制字体名称 copies";
    EXPECT_EQ(reader.ReadFace(styled).characters, map->Characters()) << "the file's own characters";
}

TEST_F(CharMapTest, ACharacterAboveTheBmpIsShownCopiedAndNamedWhole) {
    Load(TestFontFolder() + L"QuilletBeyondBmp.ttf");
    const int count = static_cast<int>(map->Characters().size());
    ASSERT_EQ(0xF0000u, static_cast<unsigned>(map->Characters().back()));
    Wheel(-(count / CharMap::kPageSize));
    const int cell = (count - 1) % CharMap::kPageSize;
    const std::wstring pair = L"\xDB80\xDC00";
    EXPECT_EQ(pair, CellText(cell));
    EXPECT_EQ(L"U+F0000", std::wstring(map->Cell(cell)->GetToolTip().GetData()));
    static_cast<CCheckBoxUI*>(map->GetManager().FindControlByName(L"copychar")->GetInterface(L"CheckBox"))
        ->Selected(true, false);
    map->GetManager().SendNotify(map->Cell(cell), L"click");
    EXPECT_EQ(pair, ClipboardText());
}

TEST_F(CharMapTest, ClosingHidesTheWindowAndKeepsIt) {
    Load(many);
    ::ShowWindow(*map, SW_SHOWNA);
    ::SendMessageW(*map, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(*map));
    EXPECT_FALSE(::IsWindowVisible(*map));
    EXPECT_TRUE(map->Characters().empty());
}

// A file FreeType cannot read (here a bitmap font's executable header with
// nothing after it, as a mutated .fon left it) is asked of GDI, whose ranges
// may come out of order: the pages still go in code order, each character once.
TEST_F(CharMapTest, CharactersAskedOfGdiComeInOrderOnce) {
    const std::wstring path = TestJournalPath() + L".fon";
    const char header[] = "MZ\r\x01\x01\0\0\0\x04\0\0\0\xff\xff\0\0";
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    ::WriteFile(file, header, sizeof(header), &written, nullptr);
    ::CloseHandle(file);

    Load(path);
    ::DeleteFileW(path.c_str());
    const std::vector<char32_t>& characters = map->Characters();
    ASSERT_FALSE(characters.empty()) << "GDI answers for the substitute face";
    EXPECT_TRUE(std::adjacent_find(characters.begin(), characters.end(),
                                   [](char32_t a, char32_t b) { return a >= b; }) == characters.end());
}

}  // namespace
