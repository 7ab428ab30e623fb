#include <gtest/gtest.h>

#include <memory>

#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui_test_window.h"

using SkinUI::CContainerUI;
using SkinUI::CControlUI;
using SkinUI::FloatPercent;

namespace {

// A container placed at `rect` without a manager, owning `child`.
CContainerUI* ParentAt(const RECT& rect, CControlUI* child) {
    auto* parent = new CContainerUI;
    parent->Add(child);
    parent->SetPos(rect, false);
    return parent;
}

TEST(ControlGeometry, SetPosRaisesAnInvertedRightAndBottom) {
    CControlUI control;
    control.SetPos(RECT{50, 40, 10, 20});
    EXPECT_EQ(control.GetPos(), (RECT{50, 40, 50, 40}));
    EXPECT_EQ(control.GetWidth(), 0);
    EXPECT_EQ(control.GetX(), 50);
}

TEST(ControlGeometry, FloatControlIsPlacedRelativeToItsParentAndKeepsTheRequestInStep) {
    auto* child = new CControlUI;
    child->SetAttribute(L"float", L"true");
    CContainerUI parent;
    parent.SetPos(RECT{100, 50, 300, 250}, false);
    parent.Add(child);
    child->SetPos(RECT{10, 20, 60, 40}, false);
    EXPECT_EQ(child->GetPos(), (RECT{110, 70, 160, 90}));
    EXPECT_EQ(child->GetFixedXY().cx, 10);
    EXPECT_EQ(child->GetFixedXY().cy, 20);
    EXPECT_EQ(child->GetFixedWidth(), 50);
    EXPECT_EQ(child->GetFixedHeight(), 20);
    EXPECT_EQ(child->GetRelativePos(), (RECT{10, 20, 60, 40}));
}

struct FloatCase {
    const wchar_t* floatValue;
    const wchar_t* pos;
    RECT parent;
    RECT expected;
};

class FloatPlacement : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FloatPlacement, PercentagesOfTheParentSizeMoveTheEdges) {
    const FloatCase& c = GetParam();
    auto* child = new CControlUI;
    child->SetAttribute(L"float", c.floatValue);
    child->SetAttribute(L"pos", c.pos);
    std::unique_ptr<CContainerUI> parent(ParentAt(c.parent, child));
    EXPECT_EQ(child->GetPos(), c.expected);

    // Placing it again from the rewritten request gives the same rectangle.
    const SIZE xy = child->GetFixedXY();
    const int width = child->GetFixedWidth();
    parent->SetPos(c.parent, false);
    EXPECT_EQ(child->GetPos(), c.expected);
    EXPECT_EQ(child->GetFixedXY().cx, xy.cx);
    EXPECT_EQ(child->GetFixedWidth(), width);
}

INSTANTIATE_TEST_SUITE_P(ControlGeometry, FloatPlacement,
                         ::testing::Values(
                             // No percentages: fixed offset and size inside the parent.
                             FloatCase{L"true", L"10,20,60,40", RECT{100, 50, 300, 250}, RECT{110, 70, 160, 90}},
                             // Centred horizontally: the left and right edges move by half the width.
                             FloatCase{L"0.5,0,0.5,0", L"-20,10,20,30", RECT{10, 10, 210, 110}, RECT{90, 20, 130, 40}},
                             // Anchored to the right and bottom edges.
                             FloatCase{L"1,1,1,1", L"-30,-20,-10,-5", RECT{0, 0, 200, 100}, RECT{170, 80, 190, 95}},
                             // Stretched with the parent: right and bottom follow its size.
                             FloatCase{L"0,0,1,1", L"5,5,5,5", RECT{0, 0, 200, 100}, RECT{5, 5, 205, 105}},
                             // Fractions are truncated toward zero.
                             FloatCase{L"0.333,0,0.333,0", L"0,0,10,10", RECT{0, 0, 100, 100}, RECT{33, 0, 43, 10}}));

TEST(ControlGeometry, FloatControlWithoutParentKeepsItsRectangle) {
    CControlUI control;
    control.SetPos(RECT{1, 2, 3, 4});
    control.SetFloat(true);
    control.SetPos(RECT{10, 20, 30, 40});
    EXPECT_EQ(control.GetPos(), (RECT{1, 2, 3, 4}));
    EXPECT_EQ(control.GetRelativePos(), (RECT{0, 0, 0, 0}));
}

TEST(ControlGeometry, InvalidateIsClippedByEveryAncestor) {
    WindowedManager windowed;
    auto* outer = new CContainerUI;
    auto* inner = new CContainerUI;
    auto* leaf = new CControlUI;
    outer->Add(inner);
    inner->Add(leaf);
    windowed.manager.AttachRoot(outer);
    outer->SetPos(RECT{10, 10, 200, 200}, false);
    inner->SetPos(RECT{50, 0, 300, 150}, false);
    leaf->SetPos(RECT{150, 100, 400, 400}, false);
    windowed.window.TakeInvalidated();

    leaf->Invalidate();
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{150, 100, 200, 150}));

    leaf->SetPos(RECT{500, 500, 600, 600}, false);  // outside the inner container
    leaf->Invalidate();
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{0, 0, 0, 0}));

    leaf->SetPos(RECT{20, 20, 60, 60}, false);
    leaf->SetVisible(false);
    windowed.window.TakeInvalidated();
    leaf->Invalidate();
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{0, 0, 0, 0}));
}

TEST(ControlGeometry, SetPosRepaintsOldAndNewRectangleWithinTheAncestors) {
    WindowedManager windowed;
    auto* leaf = new CControlUI;
    CContainerUI* root = AttachUnderRoot(windowed, leaf);
    root->SetPos(RECT{0, 0, 100, 100}, false);
    leaf->SetPos(RECT{10, 10, 20, 20}, false);
    windowed.window.TakeInvalidated();

    leaf->SetPos(RECT{60, 70, 150, 80}, true);
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{10, 10, 100, 80}));
    leaf->SetPos(RECT{0, 0, 5, 5}, false);
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{0, 0, 0, 0}));

    leaf->Move(SIZE{10, 0}, true);
    EXPECT_EQ(windowed.window.TakeInvalidated(), (RECT{0, 0, 15, 5}));
    EXPECT_EQ(leaf->GetPos(), (RECT{10, 0, 15, 5}));
}

TEST(ControlGeometry, CoverTakesTheControlsRectangleWithinItsLimits) {
    CControlUI control;
    auto* cover = new CControlUI;
    cover->SetMaxHeight(10);
    control.SetCover(cover);
    EXPECT_EQ(cover->GetParent(), &control);

    WindowedManager windowed;  // covers are placed only for attached controls
    control.SetManager(&windowed.manager, nullptr, false);
    control.SetPos(RECT{10, 20, 110, 220}, false);
    EXPECT_EQ(cover->GetPos(), (RECT{10, 20, 110, 30}));

    control.Move(SIZE{5, 5}, false);
    EXPECT_EQ(cover->GetPos(), (RECT{15, 25, 115, 35}));
    control.SetManager(nullptr, nullptr, false);
}

TEST(ControlGeometry, FloatCoverIsPlacedByItsRequestOverTheControl) {
    WindowedManager windowed;
    auto* root = new CContainerUI;
    windowed.manager.AttachRoot(root);
    auto* cover = new CControlUI;
    cover->SetAttribute(L"float", L"1,0,1,0");
    cover->SetAttribute(L"pos", L"-16,0,0,16");
    root->SetCover(cover);
    root->SetPos(RECT{100, 100, 300, 200}, false);
    EXPECT_EQ(cover->GetPos(), (RECT{284, 100, 300, 116}));
}

TEST(ControlGeometry, CoverOfAFloatControlCoversTheControlNotItsRequest) {
    WindowedManager windowed;
    auto* root = new CContainerUI;
    auto* floating = new CControlUI;
    floating->SetAttribute(L"float", L"true");
    floating->SetAttribute(L"pos", L"10,10,50,30");
    root->Add(floating);
    windowed.manager.AttachRoot(root);
    auto* cover = new CControlUI;
    floating->SetCover(cover);
    root->SetPos(RECT{200, 100, 400, 300}, false);
    EXPECT_EQ(floating->GetPos(), (RECT{210, 110, 250, 130}));
    EXPECT_EQ(cover->GetPos(), (RECT{210, 110, 250, 130}));
}

TEST(ControlGeometry, CoverFollowsEvenWhenNothingOfTheControlCanBeSeen) {
    WindowedManager windowed;
    auto* leaf = new CControlUI;
    CContainerUI* root = AttachUnderRoot(windowed, leaf);
    root->SetPos(RECT{0, 0, 100, 100}, false);
    auto* cover = new CControlUI;
    leaf->SetCover(cover);

    leaf->SetPos(RECT{300, 300, 350, 320}, true);  // scrolled out of its parent
    EXPECT_EQ(cover->GetPos(), (RECT{300, 300, 350, 320}));
    leaf->Move(SIZE{-300, -300}, true);
    EXPECT_EQ(cover->GetPos(), (RECT{0, 0, 50, 20}));
}

}  // namespace
