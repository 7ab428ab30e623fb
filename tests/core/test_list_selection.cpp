// The list's selection and expanded row: how they follow insertions,
// removals and moves, agree with the rows' own flags, and how keys move them.

#include <gtest/gtest.h>

#include "list_test_support.h"
#include "ui/controls/UIListBody.h"
#include "ui/controls/UIListContainerElement.h"
#include "ui/controls/UIListHeaderItem.h"
#include "ui/controls/UIListLabelElement.h"
#include "ui/controls/UIScrollBar.h"

using namespace SkinUI;

namespace {

class ListSelection : public ::testing::Test {
protected:
    ListSelection() : tree(L"<Window><VerticalLayout><List name=\"list\"/></VerticalLayout></Window>") {
        list = tree.List(L"list");
    }
    // Rows that can expand, so that the expanded index can be followed too.
    void AddRows(int count) {
        for (int index = 0; index < count; ++index) {
            list->Add(NewRow());
        }
        tree.Settle();
    }
    static CListContainerElementUI* NewRow() {
        auto* row = new CListContainerElementUI;
        row->SetAttributeList(L"height=\"20\" expandable=\"true\"");
        return row;
    }
    IListItemUI* Row(int index) { return AsListItem(list->GetItemAt(index)); }
    // Each row's index agrees with its place, and exactly the current row is flagged.
    void ExpectConsistent() {
        for (int index = 0; index < list->GetCount(); ++index) {
            if (IListItemUI* row = Row(index)) {
                EXPECT_EQ(row->GetIndex(), index);
                EXPECT_EQ(row->IsSelected(), index == list->GetCurSel()) << "row " << index;
                EXPECT_EQ(row->IsExpanded(), index == list->GetExpandedItem()) << "row " << index;
            }
        }
    }

    SkinnedTree tree;
    CListUI* list = nullptr;
};

TEST_F(ListSelection, RemovingTheSelectedRowSelectsTheOneThatTakesItsPlace) {
    AddRows(4);
    ASSERT_TRUE(list->SelectItem(1));
    tree.log.seen.clear();
    ASSERT_TRUE(list->RemoveAt(1));
    EXPECT_EQ(list->GetCurSel(), 1);
    ASSERT_EQ(tree.log.seen.size(), 1u);
    EXPECT_EQ(tree.log.seen[0].type, L"itemselect");
    EXPECT_EQ(tree.log.seen[0].wParam, 1u);
    EXPECT_EQ(tree.log.seen[0].lParam, -1) << "no previous selection";
    ExpectConsistent();
}

TEST_F(ListSelection, RemovingTheSelectedLastRowSelectsTheNearestBefore) {
    AddRows(4);
    list->GetItemAt(2)->SetEnabled(false);
    ASSERT_TRUE(list->SelectItem(3));
    ASSERT_TRUE(list->RemoveAt(3));
    EXPECT_EQ(list->GetCurSel(), 1) << "the disabled row is passed over";
    ExpectConsistent();
}

TEST_F(ListSelection, InsertionsAndRemovalsBeforeTheSelectionShiftIt) {
    AddRows(4);
    list->SelectItem(2);
    list->ExpandItem(3);
    ASSERT_TRUE(list->AddAt(NewRow(), 0));
    EXPECT_EQ(list->GetCurSel(), 3);
    EXPECT_EQ(list->GetExpandedItem(), 4);
    // A separator is no row but has a body index all the same.
    ASSERT_TRUE(list->AddAt(new CControlUI, 1));
    EXPECT_EQ(list->GetCurSel(), 4);
    EXPECT_EQ(list->GetExpandedItem(), 5);
    ASSERT_TRUE(list->RemoveAt(0));
    EXPECT_EQ(list->GetCurSel(), 3);
    EXPECT_EQ(list->GetExpandedItem(), 4);
    ExpectConsistent();

    list->RemoveAll();
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_EQ(list->GetExpandedItem(), -1);
}

struct MoveCase {
    int from;
    int count;
    int to;
    int selection;  // before and after the move
    int selectionAfter;
};

class ListMoves : public ListSelection, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(ListMoves, TheSelectionAndTheExpandedRowFollowTheirRows) {
    const MoveCase& move = GetParam();
    AddRows(6);
    list->SelectItem(move.selection);
    list->ExpandItem(move.selection);
    CControlUI* selected = list->GetItemAt(move.selection);
    ASSERT_TRUE(list->SetMultiItemIndex(list->GetItemAt(move.from), move.count, move.to));
    EXPECT_EQ(list->GetCurSel(), move.selectionAfter);
    EXPECT_EQ(list->GetItemAt(list->GetCurSel()), selected);
    EXPECT_EQ(list->GetExpandedItem(), move.selectionAfter);
    ExpectConsistent();
}

INSTANTIATE_TEST_SUITE_P(ListSelection, ListMoves,
                         ::testing::Values(MoveCase{0, 1, 4, 2, 1}, MoveCase{4, 1, 0, 2, 3}, MoveCase{2, 1, 5, 2, 5},
                                           MoveCase{1, 2, 3, 2, 4}, MoveCase{3, 2, 0, 1, 3}, MoveCase{0, 2, 4, 5, 3}));

TEST_F(ListSelection, ImpossibleMovesChangeNothing) {
    AddRows(3);
    list->SelectItem(1);
    EXPECT_FALSE(list->SetItemIndex(list->GetItemAt(0), 3));
    EXPECT_FALSE(list->SetMultiItemIndex(list->GetItemAt(1), 3, 0));
    EXPECT_FALSE(list->SetMultiItemIndex(list->GetItemAt(1), -1, 0));
    CControlUI stranger;
    EXPECT_FALSE(list->SetItemIndex(&stranger, 0));
    EXPECT_EQ(list->GetCurSel(), 1);
    ExpectConsistent();
}

TEST_F(ListSelection, ARowsFlagAndTheListsIndexNeverDisagree) {
    AddRows(3);
    ASSERT_TRUE(Row(1)->Select(true));
    EXPECT_EQ(list->GetCurSel(), 1);
    // Unselecting the current row leaves the list without a selection.
    ASSERT_TRUE(Row(1)->Select(false));
    EXPECT_EQ(list->GetCurSel(), -1);

    // A disabled row refuses only to be selected.
    list->SelectItem(2);
    list->GetItemAt(2)->SetEnabled(false);
    ASSERT_TRUE(Row(2)->Select(false));
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_FALSE(Row(2)->Select(true));

    // A hidden row is refused by the list: its flag goes back.
    list->GetItemAt(0)->SetVisible(false);
    EXPECT_FALSE(Row(0)->Select(true));
    EXPECT_FALSE(Row(0)->IsSelected());
    ExpectConsistent();
}

TEST_F(ListSelection, HidingTheSelectedRowLeavesNoSelectionAndReportsNothing) {
    AddRows(3);
    list->SelectItem(1);
    tree.log.seen.clear();
    list->GetItemAt(1)->SetVisible(false);
    EXPECT_EQ(list->GetCurSel(), -1);
    EXPECT_TRUE(tree.log.seen.empty());
    ExpectConsistent();
}

TEST_F(ListSelection, ARemovedRowThatIsKeptBelongsToNoList) {
    AddRows(3);
    list->SelectItem(1);
    CControlUI* kept = list->GetItemAt(1);
    ASSERT_TRUE(list->Remove(kept, true));
    IListItemUI* row = AsListItem(kept);
    EXPECT_EQ(row->GetOwner(), nullptr);
    EXPECT_EQ(row->GetIndex(), -1);
    EXPECT_FALSE(row->IsSelected());
    EXPECT_FALSE(list->Remove(kept)) << "it is not in the list any more";
    kept->Delete();
    ExpectConsistent();
}

TEST_F(ListSelection, ExpandingASecondRowCollapsesTheFirstUnlessManyMayBeOpen) {
    AddRows(3);
    auto* first = static_cast<CListContainerElementUI*>(list->GetItemAt(0)->GetInterface(L"ListContainerElement"));
    auto* second = static_cast<CListContainerElementUI*>(list->GetItemAt(1)->GetInterface(L"ListContainerElement"));
    ASSERT_TRUE(first->Expand(true));
    ASSERT_TRUE(second->Expand(true));
    EXPECT_FALSE(first->IsExpanded());
    EXPECT_EQ(list->GetExpandedItem(), 1);
    EXPECT_EQ(tree.log.Types(), (std::vector<std::wstring>{L"itemexpand", L"itemcollapse", L"itemexpand"}));

    list->SetAttribute(L"multiexpanding", L"true");
    ASSERT_TRUE(first->Expand(true));
    EXPECT_TRUE(second->IsExpanded());
    EXPECT_TRUE(first->IsExpanded());
}

TEST_F(ListSelection, ARefusedExpansionPutsTheFlagBack) {
    AddRows(2);
    list->GetItemAt(1)->SetVisible(false);
    EXPECT_FALSE(Row(1)->Expand(true));
    EXPECT_FALSE(Row(1)->IsExpanded());
    EXPECT_FALSE(list->ExpandItem(7));
    EXPECT_FALSE(list->ExpandItem(-3));
    EXPECT_EQ(list->GetExpandedItem(), -1);
}

// Keys reach the list when it has the focus; each case starts from a selection.
struct KeyCase {
    const char* name;
    int rows;
    int disabled;  // -1: none
    int selection;
    WPARAM key;
    int expected;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
    *out << keyCase.name;
}

class ListKeys : public ListSelection, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ListKeys, MoveTheSelectionToSelectableRowsOnly) {
    const KeyCase& keyCase = GetParam();
    AddRows(keyCase.rows);
    if (keyCase.disabled >= 0) {
        list->GetItemAt(keyCase.disabled)->SetEnabled(false);
    }
    list->SelectItem(keyCase.selection);
    list->SetFocus();
    tree.Key(keyCase.key);
    EXPECT_EQ(list->GetCurSel(), keyCase.expected);
    ExpectConsistent();
}

INSTANTIATE_TEST_SUITE_P(ListSelection, ListKeys,
                         ::testing::Values(KeyCase{"DownFromNothing", 3, -1, -1, VK_DOWN, 0},
                                           KeyCase{"DownSkipsADisabledRow", 4, 2, 1, VK_DOWN, 3},
                                           KeyCase{"UpOnTheFirstStays", 3, -1, 0, VK_UP, 0},
                                           KeyCase{"UpSkipsADisabledRow", 4, 1, 2, VK_UP, 0},
                                           KeyCase{"HomeFindsTheFirstSelectable", 4, 0, 3, VK_HOME, 1},
                                           KeyCase{"End", 4, -1, 0, VK_END, 3},
                                           KeyCase{"EndWithTheLastDisabledSelectsNothing", 4, 3, 0, VK_END, -1},
                                           KeyCase{"DownOnTheLastStays", 3, -1, 2, VK_DOWN, 2},
                                           KeyCase{"EveryKeyOnAnEmptyList", 0, -1, -1, VK_END, -1}));

TEST_F(ListSelection, KeysReturnAndIndicesOutOfRangeAreSafeOnAnEmptyList) {
    list->SetFocus();
    for (WPARAM key : {VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_RETURN}) {
        tree.Key(key);
    }
    list->EnsureVisible(5);
    EXPECT_FALSE(list->SelectItem(0));
    EXPECT_FALSE(list->RemoveAt(0));
    EXPECT_FALSE(list->RemoveAt(-1));
    EXPECT_EQ(list->FindSelectableItem(0), -1);
    EXPECT_TRUE(tree.log.seen.empty());

    AddRows(2);
    EXPECT_EQ(list->FindSelectableItem(0), 0) << "the rows are searched, not the header and body";
    list->SelectItem(1);
    list->EnsureVisible(99);
    list->EnsureVisible(-4);
    EXPECT_EQ(list->GetCurSel(), 1);
}

TEST_F(ListSelection, NothingIsInsertedTwiceAndTheHeadersRemovalIsRemembered) {
    CListHeaderUI* header = list->GetHeader();
    ASSERT_NE(header, nullptr);
    const int children = list->CVerticalLayoutUI::GetCount();
    EXPECT_FALSE(list->Add(header));
    EXPECT_FALSE(list->AddAt(header, 0));
    EXPECT_EQ(list->CVerticalLayoutUI::GetCount(), children);

    ASSERT_TRUE(list->Remove(header));
    EXPECT_EQ(list->GetHeader(), nullptr);
    AddRows(2);
    EXPECT_FALSE(list->AddAt(list->GetItemAt(1), 0));
    EXPECT_EQ(list->GetCount(), 2);
    list->SetAttribute(L"header", L"hidden");
    list->SetAttribute(L"headerbkimage", L"file='none.png'");
    CListHeaderItemUI orphan;
    EXPECT_FALSE(list->Add(&orphan)) << "no header to take it";
    list->SetScrollPos(SIZE{10, 10});
    tree.Settle();
    EXPECT_EQ(list->GetListInfo()->columnCount, 0);

    auto* replacement = new CListHeaderUI;
    ASSERT_TRUE(list->Add(replacement));
    EXPECT_EQ(list->GetHeader(), replacement);
}

TEST_F(ListSelection, ScrollBarAttributesOfTheListGoToItsBody) {
    list->SetAttribute(L"vscrollbar", L"true");
    list->SetAttribute(L"hscrollbarstyle", L"linesize=\"5\"");
    list->SetAttribute(L"vscrollbarstyle", L"linesize=\"7\"");
    CScrollBarUI* vertical = list->GetList()->GetVerticalScrollBar();
    CScrollBarUI* horizontal = list->GetList()->GetHorizontalScrollBar();
    ASSERT_NE(vertical, nullptr);
    ASSERT_NE(horizontal, nullptr) << "styling the vertical bar keeps the horizontal one";
    EXPECT_EQ(vertical->GetLineSize(), 7);
    EXPECT_EQ(horizontal->GetLineSize(), 5);
    EXPECT_EQ(list->GetVerticalScrollBar(), vertical);
    list->SetAttribute(L"childpadding", L"4");
    EXPECT_EQ(list->GetList()->GetChildPadding(), 4);
}

}  // namespace
