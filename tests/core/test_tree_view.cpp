// Tree views: rows in pre-order with their indentation, folder buttons and
// double clicks that collapse and expand whole subtrees, check boxes that
// check them, removal together with the descendants, a very deep chain, and
// what skins build for nodes and for the hosted-control names.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "list_test_support.h"
#include "paint_canvas.h"
#include "ui/controls/UICheckBox.h"
#include "ui/controls/UILabel.h"
#include "ui/controls/UIOption.h"
#include "ui/extra/UITreeView.h"

using namespace SkinUI;

namespace {

using Strings = std::vector<std::wstring>;

constexpr wchar_t kTreeSkin[] =
    LR"(<Window><VerticalLayout>
  <TreeView name="tree" visiblecheckbtn="true">
    <TreeNode text="A">
      <TreeNode text="A1"><TreeNode text="A1a"/></TreeNode>
      <TreeNode text="A2"/>
    </TreeNode>
    <TreeNode text="B"><Label name="badge" text="new" width="30"/></TreeNode>
  </TreeView>
</VerticalLayout></Window>)";

CTreeNodeUI* NewNode(LPCWSTR text) {
    auto* node = new CTreeNodeUI;
    node->SetText(text);
    return node;
}

// Each row as "text@indentation", in parentheses while hidden.
Strings Rows(CTreeViewUI& tree) {
    Strings rows;
    for (int index = 0; index < tree.GetCount(); ++index) {
        auto* node = static_cast<CTreeNodeUI*>(tree.GetItemAt(index)->GetInterface(L"TreeNode"));
        std::wstring row = node->GetText().GetData();
        row += L"@" + std::to_wstring(node->GetIndentation()->GetFixedWidth());
        rows.push_back(node->IsSelfVisible() ? row : L"(" + row + L")");
    }
    return rows;
}

struct SkinnedTreeView : SkinnedTree {
    SkinnedTreeView() : SkinnedTree(kTreeSkin), tree(*Find<CTreeViewUI>(L"tree")) {}
    CTreeNodeUI& Node(int row) { return *static_cast<CTreeNodeUI*>(tree.GetItemAt(row)->GetInterface(L"TreeNode")); }
    bool Saw(LPCWSTR type, CControlUI* sender) const {
        return std::any_of(log.seen.begin(), log.seen.end(),
                           [&](const SeenNotify& seen) { return seen.type == type && seen.sender == sender; });
    }
    void ClickPart(CControlUI* part) {
        Settle();
        Click(CentreOf(part->GetPos()));
    }
    CTreeViewUI& tree;
};

}  // namespace

TEST(TreeView, SkinsAndCodeBuildTheSameRowsInPreOrder) {
    SkinnedTreeView skinned;
    const Strings expected = {L"A@2", L"A1@18", L"A1a@34", L"A2@18", L"B@2"};
    EXPECT_EQ(expected, Rows(skinned.tree));
    // The root's indentation takes no room; each level below is 16 wider.
    for (int row : {0, 1, 2}) {
        CTreeNodeUI& node = skinned.Node(row);
        EXPECT_EQ(36 + (row == 0 ? 0 : 16 * row + 2), node.GetItem()->GetPos().left - node.GetPos().left) << row;
    }
    CControlUI* badge = skinned.manager().FindControlByName(L"badge");
    EXPECT_EQ(skinned.Node(4).GetStrip(), badge->GetParent());

    CTreeViewUI tree;
    CTreeNodeUI* a = NewNode(L"A");
    CTreeNodeUI* a1 = NewNode(L"A1");
    ASSERT_TRUE(a1->AppendChildNode(NewNode(L"A1a")));
    ASSERT_TRUE(a->AppendChildNode(a1));
    ASSERT_TRUE(a->Add(NewNode(L"A2")));
    CTreeNodeUI* b = NewNode(L"B");
    ASSERT_TRUE(tree.Add(b));
    EXPECT_EQ(4, tree.InsertNode(a, 0)) << "the row after A's subtree";
    EXPECT_EQ(expected, Rows(tree));

    // What would put a node in two places, or inside itself, is refused.
    CTreeNodeUI* a1a = a1->GetChildNode(0);
    EXPECT_FALSE(tree.Add(a));
    EXPECT_FALSE(tree.AddAt(a1, 0));
    EXPECT_FALSE(a->AppendChildNode(a));
    EXPECT_FALSE(a1a->AppendChildNode(a));
    EXPECT_FALSE(a1->AppendChildNode(b));
    CLabelUI notANode;
    EXPECT_FALSE(tree.AddAt(&notANode, 0));
    CTreeNodeUI late;
    EXPECT_EQ(-1, tree.InsertNode(&late, 99));

    // A root inserted inside A's rows goes after them; a child inserted
    // ahead of A2 goes before A2's rows.
    EXPECT_TRUE(tree.AddAt(NewNode(L"C"), 2));
    EXPECT_TRUE(a->InsertChildNode(NewNode(L"A0"), 1));
    EXPECT_EQ((Strings{L"A@2", L"A1@18", L"A1a@34", L"A0@18", L"A2@18", L"C@2", L"B@2"}), Rows(tree));
}

TEST(TreeView, FolderButtonsAndDoubleClicksCollapseAndExpandWholeSubtrees) {
    SkinnedTreeView view;
    CTreeNodeUI& a = view.Node(0);
    CTreeNodeUI& a1 = view.Node(1);
    view.ClickPart(a1.GetFolderButton());
    view.ClickPart(a.GetFolderButton());
    EXPECT_EQ((Strings{L"A@2", L"(A1@18)", L"(A1a@34)", L"(A2@18)", L"B@2"}), Rows(view.tree));
    EXPECT_TRUE(view.Saw(L"itemcollapse", &a));

    // A child appended under a collapsed node stays hidden.
    ASSERT_TRUE(a.AppendChildNode(NewNode(L"A3")));
    view.ClickPart(a.GetFolderButton());
    EXPECT_EQ((Strings{L"A@2", L"A1@18", L"(A1a@34)", L"A2@18", L"A3@18", L"B@2"}), Rows(view.tree));
    EXPECT_TRUE(view.Saw(L"itemexpand", &a));

    view.Settle();
    const POINT onA = CentreOf(a.GetItem()->GetPos());
    view.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(onA.x, onA.y));
    EXPECT_EQ((Strings{L"A@2", L"(A1@18)", L"(A1a@34)", L"(A2@18)", L"(A3@18)", L"B@2"}), Rows(view.tree));
    EXPECT_TRUE(view.Saw(L"itemdbclick", &a));
    EXPECT_TRUE(view.Saw(L"itemcollapse", &a));
}

TEST(TreeView, CheckingANodeChecksItsWholeSubtreeAndEachBoxReports) {
    SkinnedTreeView view;
    view.ClickPart(view.Node(0).GetCheckBox());
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(row < 4, view.Node(row).IsChecked()) << row;
    }
    const Strings types = view.log.Types();
    EXPECT_EQ(4, std::count(types.begin(), types.end(), L"selectchanged"));
    view.tree.CheckSubtree(false);
    for (int row = 0; row < 5; ++row) {
        EXPECT_FALSE(view.Node(row).IsChecked()) << row;
    }
}

TEST(TreeView, ARemovedNodeTakesItsDescendantsAndLeavesItsParent) {
    SkinnedTreeView view;
    CTreeNodeUI& a = view.Node(0);
    view.tree.SelectItem(2);
    ASSERT_TRUE(view.tree.Remove(&view.Node(1)));
    EXPECT_EQ((Strings{L"A@2", L"A2@18", L"B@2"}), Rows(view.tree));
    EXPECT_EQ(1, a.GetChildCount());
    EXPECT_EQ(1, view.tree.GetCurSel()) << "the selection moves to a row that stays";
    view.tree.ShowSubtree(false, &a);
    EXPECT_EQ((Strings{L"A@2", L"(A2@18)", L"B@2"}), Rows(view.tree));

    // Kept, a node leaves with its subtree and can come back elsewhere.
    CTreeNodeUI* a2 = &view.Node(1);
    ASSERT_TRUE(view.tree.RemoveAt(0, true));
    EXPECT_EQ(nullptr, a.GetTreeView());
    EXPECT_EQ(a2, a.GetChildNode(0));
    EXPECT_EQ(&a, a2->GetParentNode());
    EXPECT_TRUE(view.tree.Add(&a));
    EXPECT_EQ((Strings{L"B@2", L"A@2", L"(A2@18)"}), Rows(view.tree));
}

TEST(TreeView, ATenThousandLevelChainIsBuiltWalkedAndDestroyed) {
    constexpr int kDepth = 10000;
    CTreeNodeUI* top = NewNode(L"0");
    CTreeNodeUI* deepest = top;
    for (int level = 1; level < kDepth; ++level) {
        CTreeNodeUI* next = NewNode(L"");
        ASSERT_TRUE(deepest->AppendChildNode(next));
        deepest = next;
    }
    SkinnedTree view(L"<Window><TreeView name=\"tree\"/></Window>");
    auto& tree = *view.Find<CTreeViewUI>(L"tree");
    DWORD t0 = GetTickCount();
    ASSERT_EQ(kDepth, tree.InsertNode(top, 0));
    printf("insert %lu\n", GetTickCount() - t0);
    t0 = GetTickCount();
    EXPECT_EQ(CTreeNodeUI::kRootIndent + CTreeNodeUI::kIndentStep * (kDepth - 1),
              deepest->GetIndentation()->GetFixedWidth());
    view.Settle();
    printf("settle %lu\n", GetTickCount() - t0);
    t0 = GetTickCount();
    EXPECT_GE(deepest->GetItem()->GetWidth(), 0);
    tree.ShowSubtree(false, top);
    printf("hide %lu\n", GetTickCount() - t0);
    t0 = GetTickCount();
    EXPECT_FALSE(deepest->IsSelfVisible());
    tree.ShowSubtree(true, top);
    printf("show %lu\n", GetTickCount() - t0);
    t0 = GetTickCount();
    tree.CheckSubtree(true, top);
    printf("check %lu\n", GetTickCount() - t0);
    t0 = GetTickCount();
    EXPECT_TRUE(deepest->IsSelfVisible());
    EXPECT_TRUE(deepest->IsChecked());
    // Kept, the chain leaves whole; destroyed outside the tree, it goes whole.
    ASSERT_TRUE(tree.Remove(top, true));
    printf("remove %lu\n", GetTickCount() - t0);
    t0 = GetTickCount();
    EXPECT_EQ(0, tree.GetCount());
    EXPECT_EQ(deepest, top->GetLastDescendant());
    top->Delete();
    printf("delete %lu\n", GetTickCount() - t0);
    t0 = GetTickCount();
}

TEST(HostedElements, RichEditActiveXAndWebBrowserBuildControlsThatPaintAndKeepChildren) {
    SkinnedTree view(
        LR"(<Window><VerticalLayout>
      <ActiveX name="activex" height="10" bkcolor="#FF00FF00"><Control name="inner"/></ActiveX>
      <WebBrowser name="browser" height="10" bkcolor="#FF0000FF"/>
      <RichEdit name="rich" height="30" bkcolor="#FF0000FF" textcolor="#FFFF0000"
                text="many words that wrap onto line after line after line after line after line"/>
      <Control/>
    </VerticalLayout></Window>)");
    for (LPCWSTR name : {L"activex", L"browser", L"rich"}) {
        CControlUI* control = view.manager().FindControlByName(name);
        ASSERT_NE(nullptr, control) << name;
        EXPECT_NE(nullptr, control->GetInterface(control->GetClass())) << name;
        EXPECT_NE(nullptr, control->GetInterface(L"IContainer")) << name;
    }
    EXPECT_STREQ(L"WebBrowser", view.manager().FindControlByName(L"browser")->GetClass());
    EXPECT_EQ(view.manager().FindControlByName(L"activex"), view.manager().FindControlByName(L"inner")->GetParent());

    view.manager().FindControlByName(L"rich")->SetFixedWidth(60);
    view.Settle();
    PaintCanvas canvas(800, 600, 0xFFFFFF);
    view.root->Paint(canvas.Dc(), canvas.Rect(), nullptr);
    EXPECT_EQ(0x00FF00u, canvas.Rgb(5, 5));
    EXPECT_EQ(0x0000FFu, canvas.Rgb(5, 15));
    int lines = 0;
    bool previousRed = false;
    for (int y = 0; y < 80; ++y) {
        bool red = false;
        for (int x = 0; x < 100; ++x) {
            red = red || PixelNear(canvas.Rgb(x, y), 0xFF0000, 60);
        }
        EXPECT_TRUE(!red || (y >= 20 && y < 50)) << "text outside the rich edit at y " << y;
        lines += red && !previousRed ? 1 : 0;
        previousRed = red;
    }
    EXPECT_GE(lines, 2) << "wrapped text";
}
