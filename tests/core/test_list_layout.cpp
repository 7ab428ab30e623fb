// Where a list puts its columns and rows: from the main window's skin, with
// a hidden header, vertical lines, sideways scrolling and moves.

#include <gtest/gtest.h>

#include "list_test_support.h"
#include "ui/controls/UIListBody.h"
#include "ui/controls/UIListHBoxElement.h"
#include "ui/controls/UIListHeaderItem.h"
#include "ui/controls/UIListLabelElement.h"
#include "ui/controls/UIScrollBar.h"

using namespace SkinUI;

namespace {

// Rows as the main window builds them: four cells, 26 pixels high.
CListHBoxElementUI* MainWindowRow() {
    auto* row = new CListHBoxElementUI;
    row->SetAttributeList(L"height=\"26\"");
    for (int cell = 0; cell < 4; ++cell) {
        row->Add(new CControlUI);
    }
    return row;
}

TEST(ListLayout, TheMainWindowsListHasItsColumnsAndThirteenRows) {
    SkinnedTree tree(MAKEINTRESOURCEW(9801));
    CListUI* list = tree.List(L"infolist");
    for (int row = 0; row < 13; ++row) {
        ASSERT_TRUE(list->Add(MainWindowRow()));
    }
    tree.Settle();

    // The list's 568 pixels and its padding of 5 do not fit into the 570 of
    // its column: it gets 565. Header items 120, 220 and 120 wide, the first
    // one pixel in; the last takes the rest of the header's 563 pixels and
    // its padding of -1.
    EXPECT_EQ(list->GetPos(), (RECT{5, 36, 570, 395}));
    const ListInfo& info = *list->GetListInfo();
    ASSERT_EQ(info.columnCount, 4);
    const RECT columns[] = {{6, 38, 126, 64}, {126, 38, 346, 64}, {346, 38, 466, 64}, {466, 38, 569, 64}};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(info.columns[column], columns[column]) << "column " << column;
    }
    EXPECT_FALSE(HasColumnWidth(info.columns[4]));

    EXPECT_EQ(list->GetList()->GetPos(), (RECT{5, 64, 570, 393}));
    for (int index = 0; index < 13; ++index) {
        auto* row = static_cast<CContainerUI*>(list->GetItemAt(index)->GetInterface(L"Container"));
        const LONG top = 64 + 26 * index;
        // As wide as the columns together, from the body's left edge.
        EXPECT_EQ(row->GetPos(), (RECT{5, top, 568, top + 26})) << "row " << index;
        for (int cell = 0; cell < 4; ++cell) {
            const RECT expected = {columns[cell].left, top, columns[cell].right, top + 26};
            EXPECT_EQ(row->GetItemAt(cell)->GetPos(), expected) << "row " << index << " cell " << cell;
        }
    }
    EXPECT_EQ(list->GetVerticalScrollBar(), nullptr) << "the skin turns the list's own bar off";
}

const wchar_t kThreeColumns[] =
    L"<Window><VerticalLayout><List name=\"list\" itemvlinesize=\"1\" header=\"%ls\">"
    L"<ListHeader height=\"20\"><ListHeaderItem width=\"50\" height=\"20\"/>"
    L"<ListHeaderItem width=\"60\" height=\"20\"/><ListHeaderItem width=\"70\" height=\"20\"/>"
    L"<ListHeaderItem name=\"h3\" width=\"40\" height=\"20\"/></ListHeader>"
    L"<ListHBoxElement name=\"row\" height=\"30\"><Control name=\"c0\"/><Control name=\"c1\"/>"
    L"<Control name=\"c2\"/><Control name=\"c3\"/></ListHBoxElement>"
    L"</List></VerticalLayout></Window>";

class ThreeColumns : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(ThreeColumns, CellsEndBeforeTheLinesAndAFourthChildIsNowhere) {
    wchar_t markup[1024];
    swprintf(markup, 1024, kThreeColumns, GetParam());
    SkinnedTree tree(markup);
    CListUI* list = tree.List(L"list");
    CControlUI* fourth = tree.Find<CControlUI>(L"c3");
    const POINT wasFourth = CentreOf(fourth->GetPos());
    ASSERT_EQ(tree.manager().FindControl(wasFourth), fourth);

    ASSERT_TRUE(list->Remove(tree.Find<CControlUI>(L"h3")));
    tree.Settle();
    const ListInfo& info = *list->GetListInfo();
    ASSERT_EQ(info.columnCount, 3);
    EXPECT_EQ(info.columns[0].right - info.columns[0].left, 50);
    EXPECT_EQ(info.columns[2].right - info.columns[2].left, 70);
    const RECT row = tree.Find<CControlUI>(L"row")->GetPos();
    for (int cell = 0; cell < 3; ++cell) {
        wchar_t name[4];
        swprintf(name, 4, L"c%d", cell);
        const LONG right = info.columns[cell].right - (cell < 2 ? 1 : 0);
        EXPECT_EQ(tree.Find<CControlUI>(name)->GetPos(), (RECT{info.columns[cell].left, row.top, right, row.bottom}))
            << "cell " << cell;
    }
    EXPECT_TRUE(::IsRectEmpty(&fourth->GetPos()));
    EXPECT_NE(tree.manager().FindControl(wasFourth), fourth);
}

INSTANTIATE_TEST_SUITE_P(ListLayout, ThreeColumns, ::testing::Values(L"shown", L"hidden"));

// A list 200 wide whose three 150-pixel columns need a horizontal bar, and
// whose rows need a vertical one.
class WideList : public ::testing::Test {
protected:
    WideList()
        : tree(
              L"<Window><VerticalLayout><List name=\"list\" width=\"200\" height=\"120\" hscrollbar=\"true\" "
              L"vscrollbar=\"true\"><ListHeader height=\"20\"><ListHeaderItem name=\"h0\" width=\"150\" "
              L"height=\"20\"/><ListHeaderItem name=\"h1\" width=\"150\" height=\"20\"/>"
              L"<ListHeaderItem name=\"h2\" width=\"150\" height=\"20\"/></ListHeader>"
              L"</List></VerticalLayout></Window>") {
        list = tree.List(L"list");
        for (int row = 0; row < 10; ++row) {
            auto* label = new CListLabelElementUI;
            label->SetFixedHeight(30);
            list->Add(label);
        }
        tree.Settle();
    }

    SkinnedTree tree;
    CListUI* list = nullptr;
};

TEST_F(WideList, ScrollingSidewaysMovesCaptionsAndColumnsAlikeButNeverDown) {
    ASSERT_NE(list->GetHorizontalScrollBar(), nullptr);
    ASSERT_TRUE(list->GetHorizontalScrollBar()->IsVisible());
    ASSERT_TRUE(list->GetVerticalScrollBar()->IsVisible());
    CControlUI* caption = tree.Find<CControlUI>(L"h1");
    const RECT before = caption->GetPos();
    const RECT rowBefore = list->GetItemAt(0)->GetPos();

    list->SetScrollPos(SIZE{30, 40});
    const RECT after = caption->GetPos();
    EXPECT_EQ(after, (RECT{before.left - 30, before.top, before.right - 30, before.bottom}));
    EXPECT_EQ(list->GetListInfo()->columns[1], after);
    EXPECT_EQ(list->GetItemAt(0)->GetPos().top, rowBefore.top - 40);

    // A new layout keeps the offset.
    list->NeedUpdate();
    tree.Settle();
    EXPECT_EQ(caption->GetPos(), after);
    EXPECT_EQ(list->GetListInfo()->columns[1], after);
}

TEST_F(WideList, MovingTheListMovesItsColumns) {
    const RECT column = list->GetListInfo()->columns[2];
    list->Move(SIZE{7, 3}, false);
    EXPECT_EQ(list->GetListInfo()->columns[2],
              (RECT{column.left + 7, column.top + 3, column.right + 7, column.bottom + 3}));
}

TEST_F(WideList, HiddenOrFloatCaptionsLeaveTheirColumnEmpty) {
    tree.Find<CControlUI>(L"h1")->SetVisible(false);
    tree.Find<CControlUI>(L"h2")->SetFloat(true);
    tree.Settle();
    const ListInfo& info = *list->GetListInfo();
    EXPECT_TRUE(HasColumnWidth(info.columns[0]));
    EXPECT_FALSE(HasColumnWidth(info.columns[1]));
    EXPECT_FALSE(HasColumnWidth(info.columns[2]));
}

TEST(ListLayout, SidewaysScrollingStopsWritingColumnsAtSixtyFour) {
    SkinnedTree tree(L"<Window><VerticalLayout><List name=\"list\" hscrollbar=\"true\"/></VerticalLayout></Window>");
    CListUI* list = tree.List(L"list");
    for (int column = 0; column < 70; ++column) {
        auto* caption = new CListHeaderItemUI;
        caption->SetAttributeList(L"width=\"40\" height=\"20\"");
        list->Add(caption);
    }
    tree.Settle();
    ASSERT_EQ(list->GetListInfo()->columnCount, kMaxListColumns);
    CControlUI* last = list->GetHeader()->GetItemAt(69);
    const LONG left = last->GetPos().left;
    list->SetScrollPos(SIZE{100, 0});
    EXPECT_EQ(last->GetPos().left, left - 100) << "every caption moves";
    EXPECT_EQ(list->GetListInfo()->columns[63], list->GetHeader()->GetItemAt(63)->GetPos());
}

TEST(ListLayout, ChangingACaptionsWidthLaysTheListOutAgain) {
    SkinnedTree tree(
        L"<Window><VerticalLayout><List name=\"list\"><ListHeader><ListHeaderItem name=\"h0\" width=\"50\" "
        L"height=\"20\"/><ListHeaderItem width=\"60\" height=\"20\"/></ListHeader>"
        L"<ListHBoxElement name=\"row\" height=\"20\"><Control/><Control name=\"cell\"/></ListHBoxElement>"
        L"</List></VerticalLayout></Window>");
    CListUI* list = tree.List(L"list");
    const LONG cellLeft = tree.Find<CControlUI>(L"cell")->GetPos().left;

    tree.Find<CControlUI>(L"h0")->SetAttribute(L"width", L"80");
    tree.Settle();
    EXPECT_EQ(list->GetListInfo()->columns[0].right - list->GetListInfo()->columns[0].left, 80);
    EXPECT_EQ(tree.Find<CControlUI>(L"cell")->GetPos().left, cellLeft + 30);

    auto* caption = new CListHeaderItemUI;
    caption->SetAttributeList(L"width=\"40\" height=\"20\"");
    list->GetHeader()->Add(caption);
    tree.Settle();
    EXPECT_EQ(list->GetListInfo()->columnCount, 3);
}

// Label rows estimate their height from the list's item height or its font.
class LabelRowHeight : public ::testing::Test {
protected:
    LabelRowHeight() : tree(L"<Window><VerticalLayout><List name=\"list\"/></VerticalLayout></Window>") {
        list = tree.List(L"list");
        row = new CListLabelElementUI;
        row->SetText(L"row");
        list->Add(row);
    }
    int HeightOfLine(int font) { return tree.manager().GetFontInfo(font)->textMetrics.tmHeight; }

    SkinnedTree tree;
    CListUI* list = nullptr;
    CListLabelElementUI* row = nullptr;
};

TEST_F(LabelRowHeight, TheItemHeightWinsAndTheFontSetsItOtherwise) {
    list->SetAttribute(L"itemheight", L"26");
    EXPECT_EQ(row->MeasureSize(SIZE{200, 200}).cy, 26);
    EXPECT_GT(row->MeasureSize(SIZE{200, 200}).cx, 0) << "measured without a fixed width";
    row->SetFixedWidth(90);
    EXPECT_EQ(row->MeasureSize(SIZE{200, 200}).cx, 90);

    list->SetAttribute(L"itemheight", L"0");
    list->SetAttribute(L"itemtextpadding", L"0,3,0,5");
    EXPECT_EQ(row->MeasureSize(SIZE{200, 200}).cy, 3 + 5 + HeightOfLine(-1) + 8);
}

TEST_F(LabelRowHeight, AFontReplacedUnderItsIdIsMeasuredAgain) {
    tree.manager().AddFont(1112, L"Tahoma", 12, false, false, false);
    list->SetAttribute(L"itemfont", L"1112");
    EXPECT_EQ(row->MeasureSize(SIZE{200, 200}).cy, HeightOfLine(1112) + 8);
    const int small = HeightOfLine(1112);
    tree.manager().AddFont(1112, L"Tahoma", 40, false, false, false);
    ASSERT_GT(HeightOfLine(1112), small);
    EXPECT_EQ(row->MeasureSize(SIZE{200, 200}).cy, HeightOfLine(1112) + 8);
}

TEST(ListLayout, RowsAndCaptionsWithoutAManagerAskForNothing) {
    CListUI list;
    auto* row = new CListLabelElementUI;
    row->SetText(L"text");
    list.Add(row);
    EXPECT_EQ(row->MeasureSize(SIZE{100, 100}).cx, 0);
    EXPECT_EQ(row->MeasureSize(SIZE{100, 100}).cy, 0);
    CListHeaderItemUI caption;
    caption.SetFixedWidth(40);
    EXPECT_EQ(caption.MeasureSize(SIZE{100, 100}).cx, 0);
    EXPECT_EQ(caption.MeasureSize(SIZE{100, 100}).cy, 0);
}

}  // namespace
