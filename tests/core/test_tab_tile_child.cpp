// The tab, tile and child layouts as skins use them: which tab shows as
// children come and go, where tiles land, and a child layout's own skin.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_test_support.h"
#include "location_reset.h"
#include "temp_folder.h"
#include "ui/controls/UILabel.h"
#include "ui/extra/UIChildLayout.h"
#include "ui/extra/UITabLayout.h"
#include "ui/extra/UITileLayout.h"

using namespace SkinUI;

namespace {

const wchar_t kTabs[] =
    L"<Window><TabLayout name=\"tabs\"><Label name=\"a\"/><Label name=\"b\"/><Label name=\"c\"/></TabLayout>"
    L"</Window>";

std::vector<bool> Shown(CTabLayoutUI* tabs) {
    std::vector<bool> shown;
    for (int index = 0; index < tabs->GetCount(); ++index) {
        shown.push_back(tabs->GetItemAt(index)->IsVisible());
    }
    return shown;
}

TEST(TabLayout, OnlyTheSelectedTabShowsAsTabsComeAndGo) {
    SkinnedTree tree(kTabs);
    auto* tabs = static_cast<CTabLayoutUI*>(tree.Find<CControlUI>(L"tabs")->GetInterface(L"TabLayout"));
    EXPECT_EQ(0, tabs->GetCurSel());
    EXPECT_EQ((std::vector<bool>{true, false, false}), Shown(tabs)) << "later children are hidden as they come";
    EXPECT_EQ(tree.Find<CControlUI>(L"a")->GetPos().right, tabs->GetPos().right) << "the tab fills the layout";

    tabs->AddAt(new CLabelUI, 0);
    EXPECT_EQ(1, tabs->GetCurSel()) << "an insertion before the selection moves it along";
    EXPECT_EQ((std::vector<bool>{false, true, false, false}), Shown(tabs));

    EXPECT_TRUE(tabs->SelectItem(3));
    ASSERT_EQ(1u, tree.log.seen.size());
    EXPECT_EQ(L"tabselect", tree.log.seen[0].type);
    EXPECT_EQ(3u, tree.log.seen[0].wParam);
    EXPECT_EQ(1, tree.log.seen[0].lParam);
    EXPECT_TRUE(tabs->SelectItem(3)) << "the current tab again";
    EXPECT_FALSE(tabs->SelectItem(4));
    EXPECT_EQ(1u, tree.log.seen.size()) << "neither sends anything";

    tabs->Remove(tabs->GetItemAt(3));
    EXPECT_EQ(0, tabs->GetCurSel()) << "removing the selected tab shows the first";
    EXPECT_EQ((std::vector<bool>{true, false, false}), Shown(tabs));
    tabs->RemoveAll();
    EXPECT_EQ(-1, tabs->GetCurSel());
    tabs->Add(new CLabelUI);
    EXPECT_EQ(0, tabs->GetCurSel()) << "added once through AddAt, the only child shows";
    EXPECT_EQ((std::vector<bool>{true}), Shown(tabs));
}

TEST(TabLayout, SelectedIdPicksTheTabOfTheSkin) {
    std::wstring markup(kTabs);
    markup.replace(markup.find(L"name=\"tabs\""), 11, L"name=\"tabs\" selectedid=\"2\"");
    SkinnedTree tree(markup.c_str());
    auto* tabs = static_cast<CTabLayoutUI*>(tree.Find<CControlUI>(L"tabs")->GetInterface(L"TabLayout"));
    EXPECT_EQ(2, tabs->GetCurSel());
    EXPECT_EQ((std::vector<bool>{false, false, true}), Shown(tabs));
}

struct TileCase {
    const char* name;
    int width;
    const wchar_t* attributes;
    int children;
    int columns;
    int rows;
    int secondLeft;  // left edge of the second cell, from the layout's left
};

void PrintTo(const TileCase& tile, std::ostream* out) {
    *out << tile.name;
}

class TileGeometry : public ::testing::TestWithParam<TileCase> {};

TEST_P(TileGeometry, ColumnsRowsAndGaps) {
    const TileCase& tile = GetParam();
    std::wstring markup = L"<Window><HorizontalLayout><TileLayout name=\"tiles\" width=\"" +
                          std::to_wstring(tile.width) + L"\" " + tile.attributes + L">";
    for (int index = 0; index < tile.children; ++index) {
        markup += L"<Label/>";
    }
    markup += L"</TileLayout></HorizontalLayout></Window>";
    SkinnedTree tree(markup.c_str());
    auto* tiles = static_cast<CTileLayoutUI*>(tree.Find<CControlUI>(L"tiles")->GetInterface(L"TileLayout"));
    EXPECT_EQ(tile.columns, tiles->GetColumnsInUse());
    EXPECT_EQ(tile.rows, tiles->GetRows());
    if (tile.children > 1 && tile.columns > 1) {
        EXPECT_EQ(tile.secondLeft, tiles->GetItemAt(1)->GetPos().left - tiles->GetPos().left);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TileLayout, TileGeometry,
    ::testing::Values(TileCase{"FiveFitExactly", 500, L"itemsize=\"100,100\"", 6, 5, 2, 100},
                      TileCase{"SpareWidthSpreadBetweenFour", 450, L"itemsize=\"100,100\"", 6, 4, 2, 116},
                      TileCase{"ColumnsGiven", 500, L"itemsize=\"100,100\" columns=\"3\"", 7, 3, 3, 200},
                      TileCase{"ChildPaddingIsTheGap", 500, L"itemsize=\"100,100\" childpadding=\"10\"", 5, 5, 1, 110},
                      TileCase{"NarrowerThanOneItem", 50, L"itemsize=\"100,100\"", 3, 1, 3, 0},
                      TileCase{"NoChildrenIsOneRow", 500, L"itemsize=\"100,100\"", 0, 1, 1, 0},
                      TileCase{"ZeroItemSizeNeverDivides", 500, L"itemsize=\"0,0\"", 4, 500, 1, 0},
                      TileCase{"NegativeItemSizeNeverDivides", 500, L"itemsize=\"-5,-5\"", 2, 500, 1, -5}));

TEST(TileLayout, HiddenChildrenKeepTheirCellAndPaddingShrinksTheTile) {
    SkinnedTree tree(
        L"<Window><HorizontalLayout><TileLayout name=\"tiles\" width=\"300\" itemsize=\"80,80\" columns=\"3\">"
        L"<Label name=\"first\" padding=\"5,5,5,5\"/><Label visible=\"false\"/><Label/><Label name=\"last\"/>"
        L"</TileLayout></HorizontalLayout></Window>");
    auto* tiles = static_cast<CTileLayoutUI*>(tree.Find<CControlUI>(L"tiles")->GetInterface(L"TileLayout"));
    const RECT origin = tiles->GetPos();
    const RECT first = tree.Find<CControlUI>(L"first")->GetPos();
    EXPECT_EQ((RECT{origin.left + 5, origin.top + 5, origin.left + 65, origin.top + 65}), first);
    EXPECT_EQ(origin.top + 80, tree.Find<CControlUI>(L"last")->GetPos().top) << "the fourth cell starts row 2";
    EXPECT_EQ(2, tiles->GetRows());
}

TEST(ChildLayout, BuildsItsSkinOnceAndANestingOfItselfEnds) {
    LocationReset location;
    TempFolder folder;
    folder.Write(L"page.xml", "<Window><VerticalLayout><Label name=\"inner\"/></VerticalLayout></Window>");
    folder.Write(L"self.xml", "<Window><ChildLayout xmlfile=\"self.xml\"/></Window>");
    CResourceLocation::SetResourcePath(folder.Path().c_str());
    SkinnedTree tree(
        L"<Window><VerticalLayout><ChildLayout name=\"child\" xmlfile=\"page.xml\"/>"
        L"<ChildLayout name=\"none\"/><ChildLayout name=\"self\" xmlfile=\"self.xml\"/>"
        L"<ChildLayout name=\"missing\" xmlfile=\"missing.xml\"/></VerticalLayout></Window>");
    auto* child = static_cast<CChildLayoutUI*>(tree.Find<CControlUI>(L"child"));
    ASSERT_EQ(1, child->GetCount());
    EXPECT_NE(nullptr, tree.Find<CControlUI>(L"inner"));
    EXPECT_EQ(nullptr, child->GetInterface(L"Container")) << "it answers as a control";
    EXPECT_EQ(0, static_cast<CChildLayoutUI*>(tree.Find<CControlUI>(L"none"))->GetCount());
    EXPECT_EQ(0, static_cast<CChildLayoutUI*>(tree.Find<CControlUI>(L"missing"))->GetCount());

    child->Init();
    tree.Settle();
    EXPECT_EQ(1, child->GetCount()) << "a second attach replaces the tree";

    int depth = 0;
    for (auto* nested = static_cast<CContainerUI*>(tree.Find<CControlUI>(L"self")); nested->GetCount() > 0;
         nested = static_cast<CContainerUI*>(nested->GetItemAt(0))) {
        ++depth;
    }
    EXPECT_EQ(16, depth) << "a skin that names itself stops where includes stop";
}

}  // namespace
