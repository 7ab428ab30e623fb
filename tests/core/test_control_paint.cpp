#include <gtest/gtest.h>

#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/gdi/UIDibSurface.h"
#include "ui/core/manager/UIManager.h"

using SkinUI::CControlUI;

namespace {

constexpr DWORD kWhite = 0xFFFFFF;

// A white 40 x 40 canvas and a control at (0, 0, 20, 20) painted on it.
class ControlPaint : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(surface.IsValid());
        for (int i = 0; i < 40 * 40; ++i) {
            surface.GetPixels()[i] = kWhite;
        }
        control.SetPos(RECT{0, 0, 20, 20}, false);
    }
    bool PaintAll(const RECT& paintRect = RECT{0, 0, 40, 40}, CControlUI* stop = nullptr) {
        const bool result = control.Paint(surface.GetDC(), paintRect, stop);
        ::GdiFlush();
        return result;
    }
    DWORD Pixel(int x, int y) const { return surface.GetPixels()[y * 40 + x] & 0xFFFFFF; }

    SkinUI::Render::CDibSurface surface{40, 40};
    CControlUI control;
};

int Channel(DWORD color, int shift) {
    return static_cast<int>((color >> shift) & 0xFF);
}

TEST_F(ControlPaint, AnOpaqueBackgroundFillsOnlyThePartBeingRepainted) {
    control.SetAttribute(L"bkcolor", L"#FF0000FF");
    EXPECT_TRUE(PaintAll(RECT{0, 0, 10, 40}));
    EXPECT_EQ(Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(Pixel(15, 5), kWhite);
    EXPECT_EQ(Pixel(5, 25), kWhite);  // outside the control
}

TEST_F(ControlPaint, ATranslucentBackgroundCoversTheWholeItem) {
    control.SetAttribute(L"bkcolor", L"#80FF0000");
    PaintAll(RECT{0, 0, 10, 40});
    EXPECT_NE(Pixel(15, 5), kWhite);
    EXPECT_EQ(Pixel(15, 5), Pixel(5, 5));
    EXPECT_EQ(Channel(Pixel(15, 5), 16), 0xFF);  // red over white keeps red full
    EXPECT_EQ(Pixel(25, 5), kWhite);
}

TEST_F(ControlPaint, TwoAndThreeColoursMakeVerticalGradients) {
    control.SetAttribute(L"bkcolor", L"#FF000000");
    control.SetAttribute(L"bkcolor2", L"#FF0000FF");
    PaintAll();
    EXPECT_LE(Channel(Pixel(10, 0), 0), 16);
    EXPECT_GE(Channel(Pixel(10, 19), 0), 0xEE);

    control.SetAttribute(L"bkcolor3", L"#FF000000");
    PaintAll();
    EXPECT_LE(Channel(Pixel(10, 0), 0), 40);
    EXPECT_GE(Channel(Pixel(10, 10), 0), 0xEE);  // the middle colour at the split
    EXPECT_LE(Channel(Pixel(10, 19), 0), 40);
}

TEST_F(ControlPaint, OneBorderWidthDrawsARectangleInsideTheItem) {
    control.SetAttribute(L"bordersize", L"1");
    control.SetAttribute(L"bordercolor", L"#FFFF0000");
    PaintAll();
    EXPECT_EQ(Pixel(0, 10), 0xFF0000u);
    EXPECT_EQ(Pixel(19, 10), 0xFF0000u);
    EXPECT_EQ(Pixel(10, 0), 0xFF0000u);
    EXPECT_EQ(Pixel(10, 19), 0xFF0000u);
    EXPECT_EQ(Pixel(10, 10), kWhite);
    EXPECT_EQ(Pixel(20, 10), kWhite);
}

TEST_F(ControlPaint, ABorderNeedsALeftWidthAndAColour) {
    control.SetAttribute(L"bordersize", L"0,0,0,1");
    control.SetAttribute(L"bordercolor", L"#FFFF0000");
    PaintAll();
    EXPECT_EQ(Pixel(10, 19), kWhite);

    control.SetAttribute(L"bordersize", L"1");
    control.SetAttribute(L"bordercolor", L" #FFFF0000");  // reads as no colour
    PaintAll();
    EXPECT_EQ(Pixel(0, 10), kWhite);
}

TEST_F(ControlPaint, SeparateBorderLinesStayInsideTheItem) {
    control.SetAttribute(L"bordersize", L"1,0,1,1");
    control.SetAttribute(L"bordercolor", L"#FF00FF00");
    PaintAll();
    EXPECT_EQ(Pixel(0, 10), 0x00FF00u);
    EXPECT_EQ(Pixel(19, 10), 0x00FF00u);
    EXPECT_EQ(Pixel(10, 19), 0x00FF00u);
    EXPECT_EQ(Pixel(10, 0), kWhite);  // no top line
    EXPECT_EQ(Pixel(20, 10), kWhite);
    EXPECT_EQ(Pixel(10, 20), kWhite);
}

TEST_F(ControlPaint, AFocusedControlUsesTheFocusBorderColour) {
    control.SetAttribute(L"bordersize", L"1");
    control.SetAttribute(L"bordercolor", L"#FFFF0000");
    control.SetAttribute(L"focusbordercolor", L"#FF0000FF");
    SkinUI::UIEvent focus;
    focus.type = SkinUI::UIEVENT_SETFOCUS;
    control.Event(focus);
    PaintAll();
    EXPECT_EQ(Pixel(0, 10), 0x0000FFu);
}

TEST_F(ControlPaint, ColourAdjustmentAppliesOnlyWithColorHsl) {
    control.SetAttribute(L"bkcolor", L"#FFFF0000");
    SkinUI::CUIManager::SetHSL(300, 100, 100);  // hue turned by 120 degrees: red becomes green
    PaintAll();
    EXPECT_EQ(Pixel(5, 5), 0xFF0000u);
    control.SetAttribute(L"colorhsl", L"true");
    PaintAll();
    const DWORD adjusted = Pixel(5, 5);
    SkinUI::CUIManager::SetHSL(180, 100, 100);
    EXPECT_LE(Channel(adjusted, 16), 2);
    EXPECT_GE(Channel(adjusted, 8), 0xFD);
}

TEST_F(ControlPaint, StopControlAndPaintDelegatesDecideWhatIsDrawn) {
    control.SetAttribute(L"bkcolor", L"#FF0000FF");
    EXPECT_FALSE(PaintAll(RECT{0, 0, 40, 40}, &control));
    EXPECT_EQ(Pixel(5, 5), kWhite);

    struct Refuse {
        bool Paint(void*) { return false; }
    } refuse;
    control.OnPaint += SkinUI::MakeDelegate(&refuse, &Refuse::Paint);
    EXPECT_TRUE(PaintAll());
    EXPECT_EQ(Pixel(5, 5), kWhite);
}

TEST_F(ControlPaint, ARoundedControlIsClippedToItsCorners) {
    control.SetAttribute(L"bkcolor", L"#FF0000FF");
    control.SetAttribute(L"borderround", L"10,10");
    PaintAll();
    EXPECT_EQ(Pixel(0, 0), kWhite);
    EXPECT_EQ(Pixel(10, 10), 0x0000FFu);
    EXPECT_EQ(Pixel(10, 0), 0x0000FFu);
}

TEST_F(ControlPaint, ChildrenAreClippedToTheClientAreaAndFloatChildrenToTheItem) {
    SkinUI::CContainerUI container;
    auto* child = new CControlUI;
    child->SetAttribute(L"bkcolor", L"#FF0000FF");
    auto* floating = new CControlUI;
    floating->SetAttribute(L"bkcolor", L"#FFFF0000");
    floating->SetAttribute(L"float", L"true");
    container.Add(child);
    container.Add(floating);
    container.SetInset(RECT{0, 0, 0, 10});
    container.SetPos(RECT{0, 0, 20, 20}, false);
    child->SetPos(RECT{0, 0, 30, 30}, false);
    floating->SetPos(RECT{10, 12, 30, 30}, false);
    EXPECT_TRUE(container.Paint(surface.GetDC(), RECT{0, 0, 40, 40}, nullptr));
    ::GdiFlush();
    EXPECT_EQ(Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(Pixel(5, 15), kWhite);      // the child, but in the inset
    EXPECT_EQ(Pixel(15, 15), 0xFF0000u);  // a float child may use the inset
    EXPECT_EQ(Pixel(25, 15), kWhite);     // outside the container
    EXPECT_EQ(Pixel(25, 5), kWhite);
}

}  // namespace
