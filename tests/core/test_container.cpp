#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "ui/controls/UIScrollBar.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui_test_window.h"

using SkinUI::CContainerUI;
using SkinUI::CControlUI;

namespace {

// Reports its destruction into a shared list.
class TracedControl : public CControlUI {
public:
    TracedControl(std::vector<TracedControl*>* destroyed, const wchar_t* name) : m_destroyed(destroyed) {
        SetName(name);
    }
    ~TracedControl() override { m_destroyed->push_back(this); }

private:
    std::vector<TracedControl*>* m_destroyed;
};

// A row that a list would accept.
class ListItemControl : public CControlUI {
public:
    LPVOID GetInterface(LPCWSTR name) override {
        return wcscmp(name, L"IListItem") == 0 ? this : CControlUI::GetInterface(name);
    }
};

std::vector<CControlUI*> Children(const CContainerUI& container) {
    std::vector<CControlUI*> children;
    for (int i = 0; i < container.GetCount(); ++i) {
        children.push_back(container.GetItemAt(i));
    }
    return children;
}

class ContainerChildren : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 5; ++i) {
            controls[i] = new CControlUI;
            container.Add(controls[i]);
        }
    }
    std::vector<CControlUI*> Order(std::initializer_list<int> indexes) const {
        std::vector<CControlUI*> order;
        for (int index : indexes) {
            order.push_back(controls[index]);
        }
        return order;
    }

    CContainerUI container;
    CControlUI* controls[5] = {};
};

TEST_F(ContainerChildren, AddLinksTheChildEvenWithoutAManager) {
    EXPECT_FALSE(container.Add(nullptr));
    EXPECT_EQ(container.GetCount(), 5);
    EXPECT_EQ(controls[0]->GetParent(), &container);
    EXPECT_EQ(container.GetItemIndex(controls[3]), 3);
    EXPECT_EQ(container.GetItemAt(5), nullptr);
    EXPECT_EQ(container.GetItemAt(-1), nullptr);
    EXPECT_EQ(container.GetInterface(L"IContainer"), static_cast<SkinUI::IContainerUI*>(&container));
    EXPECT_EQ(container.GetInterface(L"Container"), &container);
    EXPECT_EQ(container.GetInterface(L"Control"), &container);
    EXPECT_EQ(container.GetInterface(L"container"), nullptr);
}

TEST_F(ContainerChildren, AddAtRefusesAnIndexOutOfRangeWithoutTouchingTheControl) {
    CControlUI stray;
    EXPECT_FALSE(container.AddAt(&stray, 6));
    EXPECT_FALSE(container.AddAt(&stray, -1));
    EXPECT_EQ(stray.GetParent(), nullptr);
    auto* inserted = new CControlUI;
    EXPECT_TRUE(container.AddAt(inserted, 5));
    EXPECT_TRUE(container.AddAt(new CControlUI, 0));
    EXPECT_EQ(container.GetItemIndex(inserted), 6);
}

TEST_F(ContainerChildren, SetItemIndexMovesOneChildOrNothing) {
    EXPECT_TRUE(container.SetItemIndex(controls[0], 4));
    EXPECT_EQ(Children(container), Order({1, 2, 3, 4, 0}));
    EXPECT_TRUE(container.SetItemIndex(controls[0], 1));
    EXPECT_EQ(Children(container), Order({1, 0, 2, 3, 4}));
    EXPECT_FALSE(container.SetItemIndex(controls[2], 5));
    EXPECT_FALSE(container.SetItemIndex(controls[2], -1));
    CControlUI stranger;
    EXPECT_FALSE(container.SetItemIndex(&stranger, 0));
    EXPECT_EQ(Children(container), Order({1, 0, 2, 3, 4}));
}

TEST_F(ContainerChildren, SetMultiItemIndexMovesABlock) {
    EXPECT_TRUE(container.SetMultiItemIndex(controls[1], 2, 3));
    EXPECT_EQ(Children(container), Order({0, 3, 4, 1, 2}));
    EXPECT_TRUE(container.SetMultiItemIndex(controls[1], 2, 0));
    EXPECT_EQ(Children(container), Order({1, 2, 0, 3, 4}));
    EXPECT_TRUE(container.SetMultiItemIndex(controls[0], 3, 2));   // already there
    EXPECT_FALSE(container.SetMultiItemIndex(controls[3], 3, 0));  // the block passes the end
    EXPECT_FALSE(container.SetMultiItemIndex(controls[1], 2, 4));  // the target passes the end
    EXPECT_FALSE(container.SetMultiItemIndex(nullptr, 1, 0));
    EXPECT_FALSE(container.SetMultiItemIndex(controls[1], -1, 0));
    CControlUI stranger;
    EXPECT_FALSE(container.SetMultiItemIndex(&stranger, 2, 0));
    EXPECT_EQ(Children(container), Order({1, 2, 0, 3, 4}));
}

TEST(ContainerDestruction, RemoveDestroysUnlessToldNotToOrNotOwning) {
    std::vector<TracedControl*> destroyed;
    CContainerUI container;
    auto* first = new TracedControl(&destroyed, L"first");
    auto* second = new TracedControl(&destroyed, L"second");
    auto* third = new TracedControl(&destroyed, L"third");
    container.Add(first);
    container.Add(second);
    container.Add(third);

    EXPECT_TRUE(container.Remove(first, true));
    EXPECT_TRUE(destroyed.empty());
    EXPECT_EQ(first->GetParent(), &container);
    delete first;

    container.SetAutoDestroy(false);
    EXPECT_TRUE(container.RemoveAt(0));
    EXPECT_EQ(destroyed.size(), 1u);
    EXPECT_EQ(second->GetParent(), &container);
    delete second;
    EXPECT_FALSE(container.Remove(second));
    EXPECT_FALSE(container.Remove(nullptr));
    EXPECT_FALSE(container.RemoveAt(3));

    container.SetAutoDestroy(true);
    EXPECT_TRUE(container.Remove(third));  // no manager: at once
    EXPECT_EQ(destroyed.back(), third);
    EXPECT_EQ(container.GetCount(), 0);
}

TEST(ContainerDestruction, WithAManagerRemovedChildrenDieAfterTheCurrentMessage) {
    std::vector<TracedControl*> destroyed;
    WindowedManager windowed;
    auto* root = new CContainerUI;
    auto* child = new TracedControl(&destroyed, L"child");
    root->Add(child);
    windowed.manager.AttachRoot(root);
    EXPECT_EQ(windowed.manager.FindControlByName(L"child"), child);

    root->Remove(child);
    EXPECT_TRUE(destroyed.empty());
    EXPECT_EQ(child->GetParent(), nullptr);
    windowed.window.PumpMessages();
    ASSERT_EQ(destroyed.size(), 1u);
    EXPECT_EQ(windowed.manager.FindControlByName(L"child"), nullptr);

    auto* a = new TracedControl(&destroyed, L"a");
    auto* b = new TracedControl(&destroyed, L"b");
    root->Add(a);
    root->Add(b);
    root->SetDelayedDestroy(false);
    root->RemoveAll();
    EXPECT_EQ(destroyed.size(), 3u);
    EXPECT_EQ(root->GetCount(), 0);
}

TEST(ContainerDestruction, DeferredSubtreesDieWithTheManagerAtTheLatest) {
    std::vector<TracedControl*> destroyed;
    {
        WindowedManager windowed;
        auto* root = new CContainerUI;
        auto* inner = new CContainerUI;
        inner->Add(new TracedControl(&destroyed, L"deep"));
        root->Add(inner);
        windowed.manager.AttachRoot(root);
        root->Remove(inner);  // handed to the manager's delayed clean-up
        EXPECT_TRUE(destroyed.empty());
    }
    EXPECT_EQ(destroyed.size(), 1u);
}

TEST(ContainerLayout, EveryChildGetsTheClientAreaWithinItsLimits) {
    CContainerUI container;
    auto* plain = new CControlUI;
    auto* limited = new CControlUI;
    limited->SetMaxWidth(50);
    limited->SetMinHeight(300);
    auto* hidden = new CControlUI;
    hidden->SetVisible(false);
    container.Add(plain);
    container.Add(limited);
    container.Add(hidden);
    container.SetInset(RECT{5, 6, 7, 8});
    container.SetPos(RECT{0, 0, 100, 200}, false);
    EXPECT_EQ(container.GetClientPos(), (RECT{5, 6, 93, 192}));
    EXPECT_EQ(plain->GetPos(), (RECT{5, 6, 93, 192}));
    EXPECT_EQ(limited->GetPos(), (RECT{5, 6, 55, 306}));
    EXPECT_EQ(hidden->GetPos(), (RECT{0, 0, 0, 0}));
}

TEST(ContainerVisibility, AncestorVisibilityReachesEveryDescendant) {
    CContainerUI outer;
    auto* inner = new CContainerUI;
    auto* leaf = new CControlUI;
    inner->Add(leaf);
    outer.Add(inner);
    outer.SetVisible(false);
    EXPECT_FALSE(leaf->IsVisible());
    auto* late = new CControlUI;
    inner->Add(late);  // added while hidden
    EXPECT_FALSE(late->IsVisible());
    outer.SetVisible(true);
    EXPECT_TRUE(leaf->IsVisible());
    EXPECT_TRUE(late->IsVisible());
    inner->SetVisible(false);
    outer.SetVisible(false);
    outer.SetVisible(true);
    EXPECT_FALSE(leaf->IsVisible());  // its own parent is still hidden
}

CControlUI* TakeFirst(CControlUI* control, LPVOID) {
    return control;
}

CControlUI* CollectAll(CControlUI* control, LPVOID data) {
    static_cast<std::vector<CControlUI*>*>(data)->push_back(control);
    return nullptr;
}

CControlUI* UnderPoint(CControlUI* control, LPVOID data) {
    return ::PtInRect(&control->GetPos(), *static_cast<POINT*>(data)) ? control : nullptr;
}

class ContainerSearch : public ::testing::Test {
protected:
    void SetUp() override {
        root.SetInset(RECT{0, 0, 0, 10});
        first = new CControlUI;
        second = new CControlUI;
        floating = new CControlUI;
        floating->SetAttribute(L"float", L"true");
        floating->SetAttribute(L"pos", L"0,90,100,100");  // lies in the inset
        root.Add(first);
        root.Add(second);
        root.Add(floating);
        root.SetPos(RECT{0, 0, 100, 100}, false);
    }

    CControlUI* HitTest(POINT point, UINT extraFlags = 0) {
        return root.FindControl(UnderPoint, &point, SkinUI::UIFIND_VISIBLE | SkinUI::UIFIND_HITTEST | extraFlags);
    }

    CContainerUI root;
    CControlUI* first = nullptr;
    CControlUI* second = nullptr;
    CControlUI* floating = nullptr;
};

TEST_F(ContainerSearch, VisitingOrderFollowsTheFlags) {
    std::vector<CControlUI*> visited;
    root.FindControl(CollectAll, &visited, SkinUI::UIFIND_ALL);
    EXPECT_EQ(visited, (std::vector<CControlUI*>{first, second, floating, &root}));
    visited.clear();
    root.FindControl(CollectAll, &visited, SkinUI::UIFIND_ME_FIRST | SkinUI::UIFIND_TOP_FIRST);
    EXPECT_EQ(visited, (std::vector<CControlUI*>{&root, floating, second, first}));
    visited.clear();
    second->SetVisible(false);
    first->SetEnabled(false);
    root.FindControl(CollectAll, &visited, SkinUI::UIFIND_VISIBLE | SkinUI::UIFIND_ENABLED);
    EXPECT_EQ(visited, (std::vector<CControlUI*>{floating, &root}));
}

TEST_F(ContainerSearch, HitTestsPreferTheTopmostChildInTheClientArea) {
    EXPECT_EQ(HitTest(POINT{50, 50}), first);
    EXPECT_EQ(HitTest(POINT{50, 50}, SkinUI::UIFIND_TOP_FIRST), second);
    // In the inset only the float child and the container itself can be hit.
    EXPECT_EQ(HitTest(POINT{50, 95}), floating);
    floating->SetVisible(false);
    EXPECT_EQ(HitTest(POINT{50, 95}), &root);
    EXPECT_EQ(HitTest(POINT{150, 50}), nullptr);
}

TEST_F(ContainerSearch, MouseFlagsDecideWhoCanBeHit) {
    first->SetMouseEnabled(false);
    EXPECT_EQ(HitTest(POINT{50, 50}), second);
    root.SetMouseChildEnabled(false);
    EXPECT_EQ(HitTest(POINT{50, 50}), &root);
    root.SetMouseEnabled(false);
    EXPECT_EQ(HitTest(POINT{50, 50}), nullptr);
    // Without a hit test the flags do not matter.
    POINT point = {50, 50};
    EXPECT_EQ(root.FindControl(TakeFirst, &point, SkinUI::UIFIND_ALL), first);
}

TEST_F(ContainerSearch, CoverIsOfferedBeforeTheChildren) {
    auto* cover = new CControlUI;
    root.SetCover(cover);
    cover->SetPos(RECT{0, 0, 100, 100}, false);
    EXPECT_EQ(HitTest(POINT{50, 50}), cover);
    root.SetMouseChildEnabled(false);
    EXPECT_EQ(HitTest(POINT{50, 50}), &root);
}

TEST(ContainerSelection, SelectableItemsAreVisibleEnabledListItems) {
    CContainerUI list;
    EXPECT_EQ(list.FindSelectableItem(0, true), -1);
    list.Add(new CControlUI);       // 0: not a list item
    list.Add(new ListItemControl);  // 1
    auto* disabled = new ListItemControl;
    disabled->SetEnabled(false);
    list.Add(disabled);             // 2
    list.Add(new ListItemControl);  // 3
    EXPECT_EQ(list.FindSelectableItem(-5, true), 1);
    EXPECT_EQ(list.FindSelectableItem(2, true), 3);
    EXPECT_EQ(list.FindSelectableItem(2, false), 1);
    EXPECT_EQ(list.FindSelectableItem(99, false), 3);
    EXPECT_EQ(list.FindSelectableItem(0, false), 1);  // none backwards: forward from 0
}

// Paints nothing but records the order in which controls were painted.
class PaintProbe : public CControlUI {
public:
    explicit PaintProbe(std::vector<PaintProbe*>* painted) : m_painted(painted) {}
    bool DoPaint(HDC, const RECT&, CControlUI*) override {
        m_painted->push_back(this);
        return true;
    }

private:
    std::vector<PaintProbe*>* m_painted;
};

TEST(ContainerPaint, PaintingStopsAtTheStopControlAndSkipsWhatIsNotInView) {
    std::vector<PaintProbe*> painted;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, 200, 200);
    HGDIOBJ old = ::SelectObject(dc, bitmap);

    CContainerUI root;
    auto* first = new PaintProbe(&painted);
    auto* second = new PaintProbe(&painted);
    auto* outside = new PaintProbe(&painted);
    auto* floating = new PaintProbe(&painted);
    root.Add(first);
    root.Add(outside);
    root.Add(floating);
    root.Add(second);
    root.SetPos(RECT{0, 0, 100, 100}, false);
    outside->SetPos(RECT{100, 0, 150, 50}, false);
    floating->SetFloat(true);
    floating->SetPos(RECT{10, 10, 20, 20}, false);

    EXPECT_TRUE(root.Paint(dc, RECT{0, 0, 200, 200}, nullptr));
    EXPECT_EQ(painted, (std::vector<PaintProbe*>{first, floating, second}));

    painted.clear();
    EXPECT_FALSE(root.Paint(dc, RECT{0, 0, 200, 200}, second));
    EXPECT_EQ(painted, (std::vector<PaintProbe*>{first, floating}));

    painted.clear();
    EXPECT_FALSE(root.Paint(dc, RECT{0, 0, 200, 200}, &root));
    EXPECT_TRUE(painted.empty());

    painted.clear();
    EXPECT_TRUE(root.Paint(dc, RECT{12, 12, 15, 15}, nullptr));
    EXPECT_EQ(painted, (std::vector<PaintProbe*>{first, floating, second}));

    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

// Keeps its scroll bars in an inner container, as a list keeps them in its body.
class BarsInside : public CContainerUI {
public:
    BarsInside() { Add(inner); }
    void EnableScrollBar(bool vertical, bool horizontal) override { inner->EnableScrollBar(vertical, horizontal); }
    SkinUI::CScrollBarUI* GetVerticalScrollBar() const override { return inner->GetVerticalScrollBar(); }
    SkinUI::CScrollBarUI* GetHorizontalScrollBar() const override { return inner->GetHorizontalScrollBar(); }

    CContainerUI* inner = new CContainerUI;
};

TEST(ContainerAttributes, ScrollBarAttributesReachBarsKeptElsewhere) {
    BarsInside outer;
    outer.SetAttribute(L"hscrollbar", L"true");
    outer.SetAttribute(L"vscrollbarstyle", L"linesize=\"7\"");
    ASSERT_NE(outer.inner->GetVerticalScrollBar(), nullptr);
    EXPECT_EQ(outer.inner->GetVerticalScrollBar()->GetLineSize(), 7);
    EXPECT_NE(outer.inner->GetHorizontalScrollBar(), nullptr) << "the horizontal bar is kept";
    outer.SetAttribute(L"vscrollbar", L"false");
    EXPECT_EQ(outer.inner->GetVerticalScrollBar(), nullptr);
    EXPECT_NE(outer.inner->GetHorizontalScrollBar(), nullptr);
}

}  // namespace
