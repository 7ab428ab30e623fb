// A click on a row as the option boxes decide: copy the folder, show it in
// the shell, open the character map, copy the font's name; and what the
// title line says afterwards, success or not.
#include <string>
#include <vector>

#include "app/system/Clipboard.h"
#include "tests/app/clipboard_probe.h"
#include "tests/app/main_window_fixture.h"
#include "ui/controls/UICheckBox.h"

using namespace SkinUI;

namespace {

void PutOnClipboard(const std::wstring& text) {
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    CopyToClipboard(owner, text);
    ::DestroyWindow(owner);
}

// What the shell was asked to show, with what the clipboard and the character
// map looked like at that moment: the order of the actions.
struct FolderRequest {
    std::wstring path;
    std::wstring clipboard;
    bool charMapShown;
};
std::vector<FolderRequest> g_folderRequests;
HWND g_charMap = nullptr;

void RecordFolderRequest(const std::wstring& path) {
    g_folderRequests.push_back({path, ClipboardText(), ::IsWindowVisible(g_charMap) != FALSE});
}

class RowClickTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        g_folderRequests.clear();
        charMap = window->GetCharMap()->GetHWND();
        g_charMap = charMap;
        window->SetFolderOpener(&RecordFolderRequest);
        names.names[FontPath(0)] = L"Quillet Test Name";
        DropFonts(2);
        PutOnClipboard(L"before");
    }
    HWND charMap = nullptr;

    void Check(LPCWSTR box, bool selected) {
        static_cast<CCheckBoxUI*>(Named(box)->GetInterface(L"CheckBox"))->Selected(selected, false);
    }
};

TEST_F(RowClickTest, APathCellRunsTheCheckedActionsInTheirOrder) {
    for (int mask = 0; mask < 8; ++mask) {
        const bool copy = (mask & 1) != 0;
        const bool open = (mask & 2) != 0;
        const bool map = (mask & 4) != 0;
        SCOPED_TRACE(testing::Message() << "copy " << copy << " open " << open << " map " << map);
        Check(L"copypath", copy);
        Check(L"openfile", open);
        Check(L"charsetmap", map);
        ::ShowWindow(charMap, SW_HIDE);
        PutOnClipboard(L"before");
        g_folderRequests.clear();

        Click(window->Cell(0, 1));
        EXPECT_EQ(copy ? L"C:\\Fonts" : L"before", ClipboardText());
        ASSERT_EQ(open ? 1u : 0u, g_folderRequests.size());
        if (open) {
            EXPECT_EQ(FontPath(0), g_folderRequests[0].path);
            EXPECT_EQ(copy ? L"C:\\Fonts" : L"before", g_folderRequests[0].clipboard) << "copied before";
            EXPECT_FALSE(g_folderRequests[0].charMapShown) << "the character map comes last";
        }
        EXPECT_EQ(map, ::IsWindowVisible(charMap) != FALSE);
        if (map) {
            EXPECT_EQ(
                L"Quillet Test Name",
                std::wstring(window->GetCharMap()->GetManager().FindControlByName(L"apptitle")->GetText().GetData()));
        }
        EXPECT_EQ(copy ? L"已复制路径到剪贴板" : L"墨匣", TitleText());
        ::SendMessageW(hwnd, WM_TIMER, 2, 0);
    }
}

TEST_F(RowClickTest, ANameCellCopiesTheFontNameOnlyWhenThatBoxIsChecked) {
    Check(L"copyfontname", false);
    Click(window->Cell(0, 0));
    EXPECT_EQ(L"before", ClipboardText());
    EXPECT_EQ(L"墨匣", TitleText());

    Check(L"copyfontname", true);
    Click(window->Cell(0, 0));
    EXPECT_EQ(L"Quillet Test Name", ClipboardText());
    EXPECT_EQ(L"已复制字体名称到剪贴板", TitleText());

    Click(window->Cell(1, 0));
    EXPECT_EQ(L"Quillet Test Name", ClipboardText()) << "a font without a name leaves the clipboard as it was";
    EXPECT_EQ(L"未找到字体名称", TitleText()) << "the clipboard did not fail: there was no name";
}

TEST_F(RowClickTest, AClipboardHeldByAnotherProgramIsReportedAsAFailure) {
    Check(L"copypath", true);
    Check(L"charsetmap", false);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Opened());
        Click(window->Cell(0, 1));
    }
    EXPECT_EQ(L"复制失败", TitleText());
    EXPECT_EQ(L"before", ClipboardText());
}

TEST_F(RowClickTest, CellsOfEmptyRowsAndStateCellsDoNothing) {
    Check(L"copypath", true);
    Check(L"openfile", true);
    Click(window->Cell(0, 2));
    Click(window->Cell(5, 1));
    EXPECT_EQ(L"before", ClipboardText());
    EXPECT_TRUE(g_folderRequests.empty());
    EXPECT_EQ(2, window->Registry().Count());
}

}  // namespace
