// The main window as a user meets it: rows filled by drops, the scroll bar
// that appears beside them, the wheel, the delete cells, remove-all with its
// status text, a window that keeps its size, and a close that unmounts.
#include "tests/app/main_window_fixture.h"
#include "ui/controls/UIList.h"
#include "ui/controls/UIOption.h"
#include "ui/controls/UIScrollBar.h"

using namespace SkinUI;

namespace {

CScrollBarUI* ScrollBarOf(CControlUI* control) {
    return static_cast<CScrollBarUI*>(control->GetInterface(L"ScrollBar"));
}

}  // namespace

TEST_F(MainWindowTest, ThirteenRowsOfFourCellsLineUpWithTheHeaderInAWindowThatCannotGrow) {
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    EXPECT_EQ(708, rect.right - rect.left);
    EXPECT_EQ(400, rect.bottom - rect.top);
    MINMAXINFO limits = {};
    ::SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(708, limits.ptMaxTrackSize.x);
    EXPECT_EQ(400, limits.ptMaxTrackSize.y);

    auto* list = static_cast<CListUI*>(Named(L"infolist")->GetInterface(L"List"));
    ASSERT_EQ(FontMountList::kRowCount, list->GetCount());
    const LPCWSTR headers[] = {L"font", L"fontpath", L"loadstate", L"remove"};
    for (int row = 0; row < FontMountList::kRowCount; ++row) {
        for (int cell = 0; cell < CQuilletMain::kCellCount; ++cell) {
            SCOPED_TRACE(testing::Message() << "row " << row << " cell " << cell);
            CButtonUI* button = window->Cell(row, cell);
            EXPECT_EQ(std::to_wstring(cell), button->GetName().GetData());
            EXPECT_EQ(26, button->GetPos().bottom - button->GetPos().top);
            EXPECT_EQ(Named(headers[cell])->GetPos().left, button->GetPos().left);
            EXPECT_EQ(Named(headers[cell])->GetPos().right, button->GetPos().right);
        }
    }
    EXPECT_EQ(122, window->Cell(0, 3)->GetFont());
    EXPECT_EQ(120, Named(L"font")->GetPos().right - Named(L"font")->GetPos().left);
}

TEST_F(MainWindowTest, DropsFillRowsInOrderAndTheThirteenthEntryBringsTheScrollBarBesideThem) {
    CScrollBarUI* bar = ScrollBarOf(Named(L"listscroll"));
    const RECT list = Named(L"infolist")->GetPos();
    DropFonts(12);
    EXPECT_EQ(L"font0.ttf", CellText(0, 0));
    EXPECT_EQ(FontPath(11), CellText(11, 1));
    EXPECT_EQ(L"已加载", CellText(5, 2));
    EXPECT_EQ(L"\u00D7", CellText(3, 3));
    EXPECT_EQ(L"", CellText(12, 0));
    EXPECT_GE(bar->GetPos().top, list.bottom) << "out of sight below the list";

    DropFonts(1, 12);
    EXPECT_EQ(20, bar->GetScrollRange());
    const RECT shown = bar->GetPos();
    EXPECT_EQ(554, shown.left);
    EXPECT_EQ(16, shown.right - shown.left);
    EXPECT_GT(shown.top, list.top + 26) << "below the header";
    EXPECT_LE(shown.bottom, list.bottom);

    Click(window->Cell(0, 3));
    EXPECT_EQ(12, window->Registry().Count());
    EXPECT_EQ(0, bar->GetScrollRange());
    EXPECT_GE(bar->GetPos().top, list.bottom) << "hidden again";
    EXPECT_EQ(L"font1.ttf", CellText(0, 0));
}

TEST_F(MainWindowTest, TheWheelMovesOneEntryPerNotchWithinTheRange) {
    DropFonts(15);
    CScrollBarUI* bar = ScrollBarOf(Named(L"listscroll"));
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(L"font2.ttf", CellText(0, 0));
    EXPECT_EQ(40, bar->GetScrollPos());
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-5 * WHEEL_DELTA)), 0);
    EXPECT_EQ(60, bar->GetScrollPos()) << "clamped at the last entry";
    EXPECT_EQ(FontPath(14), CellText(11, 1));

    bar->SetScrollPos(20, true);
    Pump();
    EXPECT_EQ(L"font1.ttf", CellText(0, 0)) << "dragging the bar moves the rows too";
}

TEST_F(MainWindowTest, ADeleteCellUnmountsItsRowAndLaterEntriesMoveUp) {
    DropFonts(5);
    Click(window->Cell(3, 3));
    EXPECT_EQ(0, fonts.References(FontPath(3)));
    EXPECT_EQ(L"font4.ttf", CellText(3, 0));
    EXPECT_EQ(L"", CellText(4, 0));
    Click(window->Cell(7, 3));
    EXPECT_EQ(4, window->Registry().Count()) << "an empty row's cell does nothing";
}

TEST_F(MainWindowTest, RemoveAllReportsTheCountUntilTheFirstTimer) {
    DropFonts(3);
    Click(Named(L"removeall"));
    EXPECT_EQ(L"已卸载: 3个字体", TitleText());
    EXPECT_TRUE(fonts.mounted.empty());
    EXPECT_EQ(L"", CellText(0, 1));
    ::SendMessageW(hwnd, WM_TIMER, 1, 0);
    EXPECT_EQ(L"墨匣", TitleText());
}

TEST_F(MainWindowTest, AFontAnotherProgramUsesStaysListedAndTheTitleSaysWhy) {
    DropFonts(2);
    fonts.inUse.insert(FontPath(0));
    Click(window->Cell(0, 3));
    EXPECT_EQ(L"未能卸载: 字体正被其它程序使用", TitleText());
    EXPECT_EQ(L"font0.ttf", CellText(0, 0));
    Click(Named(L"removeall"));
    EXPECT_EQ(L"已卸载: 1个字体，1个正被使用，未能卸载", TitleText());
    EXPECT_EQ(L"font0.ttf", CellText(0, 0));
    EXPECT_EQ(L"", CellText(1, 0));
    EXPECT_EQ(std::vector<std::wstring>({FontPath(0)}), journal.Read());
}

TEST_F(MainWindowTest, TheCharacterMapOfARemovedFontIsHidden) {
    DropFonts(3);
    CharMap* map = window->GetCharMap();
    window->OpenCharMap(FontPath(2));
    Click(window->Cell(0, 3));
    EXPECT_TRUE(::IsWindowVisible(*map)) << "another font went";
    Click(window->Cell(1, 3));
    EXPECT_FALSE(::IsWindowVisible(*map));
    EXPECT_TRUE(map->FontPath().empty());

    window->OpenCharMap(FontPath(1));
    EXPECT_TRUE(::IsWindowVisible(*map)) << "the next open loads afresh";
    Click(Named(L"removeall"));
    EXPECT_FALSE(::IsWindowVisible(*map));
}

TEST_F(MainWindowTest, NeitherTheMaximiseButtonNorACaptionDoubleClickChangesTheWindow) {
    Click(Named(L"maxbtn"));
    ::SendMessageW(hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    Pump();
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    EXPECT_FALSE(::IsZoomed(hwnd));
    EXPECT_EQ(708, rect.right - rect.left);
}

TEST_F(MainWindowTest, ClosingUnmountsEveryListedFontAndEndsTheLoopWithZero) {
    DropFonts(3);
    window->GetManager().SendNotify(Named(L"closewnd"), L"click");
    int quitCode = -1;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitCode = static_cast<int>(msg.wParam);
        } else {
            ::DispatchMessageW(&msg);
        }
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_TRUE(fonts.mounted.empty());
    EXPECT_EQ(0, quitCode);
}

TEST_F(MainWindowTest, WithUseFocusTheMouseHandsTheForegroundBetweenTheWindows) {
    CharMap* map = window->GetCharMap();
    ::ShowWindow(hwnd, SW_SHOWNA);
    ::ShowWindow(*map, SW_SHOWNA);
    Pump();
    auto* useFocus = static_cast<COptionUI*>(Named(L"usefocus")->GetInterface(L"Option"));
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    const LPARAM overList = MAKELPARAM(300, 200);

    ::SetForegroundWindow(*map);
    ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, overList);
    EXPECT_EQ(*map, ::GetForegroundWindow()) << "switched off: the mouse moves nothing";

    useFocus->Selected(true, false);
    ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, overList);
    EXPECT_EQ(hwnd, ::GetForegroundWindow()) << "moving over the main window takes the foreground";

    ::SetCursorPos(rect.left + 300, rect.bottom + 20);
    ::SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(*map, ::GetForegroundWindow()) << "leaving below the title bar hands it to the character map";

    ::SendMessageW(*map, WM_MOUSELEAVE, 0, 0);
    Click(CenterOf(window->Cell(0, 1)), WM_RBUTTONDOWN, WM_RBUTTONUP);
    ::SetForegroundWindow(*map);
    ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, overList);
    EXPECT_EQ(*map, ::GetForegroundWindow()) << "not while the row menu is open";
}
