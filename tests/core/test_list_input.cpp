// A list under the mouse and the keyboard of a real window: what a click, a
// double-click and Return report, how a column separator is dragged, and
// how rows paint their state.

#include <gtest/gtest.h>

#include "list_test_support.h"
#include "paint_canvas.h"
#include "ui/controls/UIListHeaderItem.h"
#include "ui/controls/UIListLabelElement.h"

using namespace SkinUI;

namespace {

const wchar_t kLabelList[] =
    L"<Window><VerticalLayout><List name=\"list\" itemheight=\"20\" itembkcolor=\"#FFFF0000\" "
    L"itemselectedbkcolor=\"#FF0000FF\" itemhotbkcolor=\"\" itemaltbk=\"true\" itemhlinesize=\"1\" "
    L"itemhlinecolor=\"#FF00FF00\"><ListHeader height=\"20\">"
    L"<ListHeaderItem name=\"name\" width=\"100\" height=\"20\" sepwidth=\"%d\"/>"
    L"<ListHeaderItem name=\"size\" width=\"100\" height=\"20\"/></ListHeader>"
    L"<ListLabelElement text=\"one\"/><ListLabelElement text=\"two\"/><ListLabelElement text=\"three\"/>"
    L"<ListLabelElement text=\"four\"/></List></VerticalLayout></Window>";

std::wstring LabelList(int sepWidth) {
    wchar_t markup[1024];
    swprintf(markup, 1024, kLabelList, sepWidth);
    return markup;
}

class ListInput : public ::testing::Test {
protected:
    ListInput() : tree(LabelList(4).c_str()) { list = tree.List(L"list"); }
    POINT RowCentre(int index) { return CentreOf(list->GetItemAt(index)->GetPos()); }

    SkinnedTree tree;
    CListUI* list = nullptr;
};

TEST_F(ListInput, AClickReportsItemclickThenItemselect) {
    tree.Click(RowCentre(2));
    ASSERT_EQ(tree.log.Types(), (std::vector<std::wstring>{L"itemclick", L"itemselect"}));
    EXPECT_EQ(tree.log.seen[0].sender, list->GetItemAt(2));
    EXPECT_EQ(tree.log.seen[1].sender, list);
    EXPECT_EQ(tree.log.seen[1].wParam, 2u);
    EXPECT_EQ(tree.log.seen[1].lParam, -1);
    EXPECT_EQ(list->GetCurSel(), 2);

    tree.log.seen.clear();
    tree.Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(RowCentre(0).x, RowCentre(0).y));
    ASSERT_EQ(tree.log.Types(), (std::vector<std::wstring>{L"itemclick", L"itemselect"}));
    EXPECT_EQ(tree.log.seen[1].lParam, 2) << "the previous selection";
}

TEST_F(ListInput, ADoubleClickAndReturnActivateTheRow) {
    const POINT at = RowCentre(1);
    tree.Click(at);
    tree.log.seen.clear();
    tree.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    tree.Send(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    ASSERT_EQ(tree.log.Types(), (std::vector<std::wstring>{L"itemactivate"}));
    EXPECT_EQ(tree.log.seen[0].sender, list->GetItemAt(1));

    // Return on the list activates its selected row.
    tree.log.seen.clear();
    list->SetFocus();
    tree.Key(VK_RETURN);
    ASSERT_EQ(tree.log.Types(), (std::vector<std::wstring>{L"itemactivate"}));
    EXPECT_EQ(tree.log.seen[0].sender, list->GetItemAt(1));
}

TEST_F(ListInput, AClickOnACaptionReportsHeaderclick) {
    CControlUI* caption = tree.Find<CControlUI>(L"size");
    tree.Click(CentreOf(caption->GetPos()));
    ASSERT_EQ(tree.log.Types(), (std::vector<std::wstring>{L"headerclick"}));
    EXPECT_EQ(tree.log.seen[0].sender, caption);
}

TEST_F(ListInput, TheSizingCursorShowsOnlyOverTheSeparator) {
    CControlUI* caption = tree.Find<CControlUI>(L"name");
    const RECT place = caption->GetPos();
    UIEvent event;
    event.type = UIEVENT_SETCURSOR;
    event.mouse = POINT{place.right - 2, place.top + 5};
    caption->Event(event);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_SIZEWE));
    event.mouse = POINT{place.left + 5, place.top + 5};
    caption->Event(event);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW)) << "the sizing cursor must not stick";
}

// Dragging from `grab` pixels inside the item's left edge by `moves`; the
// column ends up `width` wide, and its column rectangle follows. A press
// beside the separator is a click on the caption instead.
struct DragCase {
    const char* name;
    int sepWidth;
    int grab;
    std::vector<int> moves;
    int width;
    bool onSeparator;
};

void PrintTo(const DragCase& drag, std::ostream* out) {
    *out << drag.name;
}

class SeparatorDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(SeparatorDrag, ResizesTheColumnButNeverToItsMinimum) {
    const DragCase& drag = GetParam();
    SkinnedTree tree(LabelList(drag.sepWidth).c_str());
    CListUI* list = tree.List(L"list");
    CControlUI* caption = tree.Find<CControlUI>(L"name");
    const RECT place = caption->GetPos();
    POINT at = {place.left + drag.grab, (place.top + place.bottom) / 2};
    tree.Send(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    for (int move : drag.moves) {
        at.x += move;
        tree.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }
    tree.Send(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(tree.log.seen.empty(), drag.onSeparator) << "a drag is no click";
    tree.Settle();
    EXPECT_EQ(caption->GetWidth(), drag.width);
    const RECT& column = list->GetListInfo()->columns[0];
    EXPECT_EQ(column.right - column.left, drag.width);
}

INSTANTIATE_TEST_SUITE_P(ListInput, SeparatorDrag,
                         ::testing::Values(DragCase{"RightEdgeWidensByEveryMove", 4, 97, {10, 15}, 125, true},
                                           DragCase{"RightEdgeNarrows", 4, 96, {-30}, 70, true},
                                           DragCase{"JustBesideTheRightEdgeIsNoSeparator", 4, 95, {30}, 100, false},
                                           DragCase{"LeftEdgeWithANegativeWidth", -4, 2, {-20}, 120, true},
                                           DragCase{"LeftEdgeNarrows", -4, 3, {25}, 75, true},
                                           DragCase{"NeverDownToTheMinimum", 4, 98, {-83, -1}, 17, true},
                                           DragCase{"TheMinimumStopsAMoveButNotTheNext", 4, 98, {-90, 10}, 20, true}));

TEST_F(ListInput, ADragWhoseCaptureIsLostStopsFollowingTheMouse) {
    CControlUI* caption = tree.Find<CControlUI>(L"name");
    const RECT place = caption->GetPos();
    POINT at = {place.left + 97, (place.top + place.bottom) / 2};
    tree.Send(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    tree.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x + 10, at.y));
    tree.Send(WM_CANCELMODE, 0, 0);
    tree.Send(WM_MOUSEMOVE, 0, MAKELPARAM(at.x + 40, at.y));
    tree.Settle();
    EXPECT_EQ(110, caption->GetWidth()) << "the width reached before the capture went";
    const RECT& column = list->GetListInfo()->columns[0];
    EXPECT_EQ(110, column.right - column.left);
}

TEST(ListPaint, AlternateRowsLoseTheirBackgroundButKeepTheSelectedColour) {
    SkinnedTree tree(LabelList(4).c_str());
    CListUI* list = tree.List(L"list");
    list->SelectItem(3);
    tree.Send(WM_MOUSEMOVE, 0, MAKELPARAM(790, 590));  // no row is hot
    tree.Settle();
    PaintCanvas canvas(800, 600, 0xFFFFFFFF);
    tree.root->Paint(canvas.Dc(), canvas.Rect(), nullptr);

    const DWORD expected[] = {0xFF0000, 0xFFFFFF, 0xFF0000, 0x0000FF};
    for (int index = 0; index < 4; ++index) {
        const RECT row = list->GetItemAt(index)->GetPos();
        EXPECT_EQ(canvas.Rgb(row.right - 3, row.top + 2), expected[index]) << "row " << index;
        EXPECT_EQ(canvas.Rgb(row.right - 3, row.bottom), 0x00FF00u) << "the line below row " << index;
    }
}

}  // namespace
