// Progress bars and sliders: how much of the fore image a value fills, where
// the thumb lies, and what presses, drags and the wheel of a real window do
// to a slider's value and its "valuechanged" reports.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_test_support.h"
#include "paint_canvas.h"
#include "ui/UIControlFactory.h"
#include "ui/extra/UIProgress.h"
#include "ui/extra/UISlider.h"

using namespace SkinUI;

namespace {

using Strings = std::vector<std::wstring>;

constexpr DWORD kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// The bounding box of the pixels of `color` once `control` is painted on a
// white canvas; all zero when there are none.
RECT PaintedBox(CControlUI& control, DWORD color) {
    PaintCanvas canvas(240, 140, kWhite);
    control.Paint(canvas.Dc(), canvas.Rect(), nullptr);
    const std::vector<DWORD> pixels = canvas.Snapshot();
    const int width = canvas.Rect().right;
    RECT box = {0, 0, 0, 0};
    for (int index = 0; index < static_cast<int>(pixels.size()); ++index) {
        if (PixelNear(pixels[index] & 0xFFFFFF, color, 1)) {
            const RECT pixel = {index % width, index / width, index % width + 1, index / width + 1};
            ::UnionRect(&box, &box, &pixel);
        }
    }
    return box;
}

// A control made by element name, configured, at `rect` of a manager without a window.
CControlUI* Make(LPCWSTR element, CUIManager& manager, RECT rect, LPCWSTR attributes) {
    CControlUI* control = CreateControlForElement(element);
    control->SetManager(&manager, nullptr, false);
    control->SetPos(rect, false);
    control->SetAttributeList(attributes);
    return control;
}

TEST(ProgressFill, TheForeImageCoversTheShareOfTheValue) {
    const struct {
        LPCWSTR attributes;
        RECT filled;
    } cases[] = {
        {L"value=\"50\"", {0, 0, 100, 12}},
        {L"hor=\"false\" value=\"50\"", {0, 6, 200, 12}},
        {L"hor=\"false\" max=\"3\" value=\"1\"", {0, 8, 200, 12}},
        {L"value=\"100\"", {0, 0, 200, 12}},
        {L"value=\"0\"", {0, 0, 0, 0}},
        {L"value=\"150\"", {0, 0, 200, 12}},
        {L"max=\"1000000000\" value=\"500000000\"", {0, 0, 100, 12}},
        {L"min=\"-2000000000\" max=\"2000000000\" value=\"1000000000\"", {0, 0, 150, 12}},
        {L"value=\"50\" max=\"20\"", {0, 0, 200, 12}},
    };
    CUIManager manager;
    for (const auto& test : cases) {
        const std::wstring attributes = std::wstring(L"foreimage=\"color='#FFFF0000'\" ") + test.attributes;
        CControlUI* progress = Make(L"Progress", manager, RECT{0, 0, 200, 12}, attributes.c_str());
        EXPECT_EQ(PaintedBox(*progress, kRed), test.filled) << test.attributes;
        progress->Delete();
    }
}

TEST(ProgressRange, EqualBoundsNeverDivideByZero) {
    CUIManager manager;
    auto* slider = static_cast<CSliderUI*>(Make(L"Slider", manager, RECT{10, 20, 120, 30},
                                                L"value=\"5\" min=\"5\" max=\"5\" thumbimage=\"color='#FF0000FF'\""));
    EXPECT_EQ(slider->GetThumbRect(), (RECT{10, 20, 20, 30})) << "asked before any paint";

    UIEvent press;
    press.type = UIEVENT_BUTTONDOWN;
    press.mouse = POINT{118, 25};
    slider->Event(press);
    EXPECT_EQ(slider->GetValue(), 5) << "a press does not leave the bounds";
    press.type = UIEVENT_BUTTONUP;
    slider->Event(press);
    EXPECT_EQ(slider->GetValue(), 6) << "a release reads the bounds as painting puts them";

    EXPECT_EQ(PaintedBox(*slider, kBlue), (RECT{110, 20, 120, 30}));
    EXPECT_EQ(slider->GetMaxValue(), 6) << "painting puts the maximum above the minimum";
    slider->Delete();
}

const wchar_t kSliders[] =
    L"<Window><VerticalLayout>"
    L"<Slider name=\"h\" float=\"true\" pos=\"10,20,120,30\" thumbimage=\"color='#FFFF0000'\" "
    L"thumbhotimage=\"color='#FF00FF00'\" thumbpushedimage=\"color='#FF0000FF'\"/>"
    L"<Slider name=\"v\" float=\"true\" pos=\"200,20,210,130\" hor=\"false\"/>"
    L"</VerticalLayout></Window>";

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

class SliderInWindow : public ::testing::Test {
protected:
    SliderInWindow() : tree(kSliders) {
        horizontal = static_cast<CSliderUI*>(tree.Find<CControlUI>(L"h")->GetInterface(L"Slider"));
        vertical = static_cast<CSliderUI*>(tree.Find<CControlUI>(L"v")->GetInterface(L"Slider"));
    }
    void Wheel(POINT at, int delta) {
        ::ClientToScreen(tree.Window(), &at);
        tree.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), At(at.x, at.y));
    }
    // The colour in the middle of the horizontal slider's thumb.
    DWORD ThumbColor() {
        const RECT thumb = horizontal->GetThumbRect();
        PaintCanvas canvas(240, 140, kWhite);
        horizontal->Paint(canvas.Dc(), canvas.Rect(), nullptr);
        return canvas.Rgb((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
    }

    SkinnedTree tree;
    CSliderUI* horizontal = nullptr;
    CSliderUI* vertical = nullptr;
};

TEST_F(SliderInWindow, AClickSetsTheValueUnderTheThumbsMiddle) {
    const struct {
        bool onVertical;
        POINT at;
        int value;
        RECT thumb;
    } cases[] = {
        {false, {10 + 55, 25}, 50, {60, 20, 70, 30}},    {false, {10 + 3, 25}, 0, {10, 20, 20, 30}},
        {false, {120 - 2, 25}, 100, {110, 20, 120, 30}}, {true, {205, 130 - 55}, 50, {200, 70, 210, 80}},
        {true, {205, 20 + 3}, 100, {200, 20, 210, 30}},  {true, {205, 130 - 2}, 0, {200, 120, 210, 130}},
    };
    for (const auto& test : cases) {
        CSliderUI* slider = test.onVertical ? vertical : horizontal;
        tree.Click(test.at);
        EXPECT_EQ(slider->GetValue(), test.value) << test.at.x << "," << test.at.y;
        EXPECT_EQ(slider->GetThumbRect(), test.thumb);
        EXPECT_EQ(tree.log.Types(), Strings{L"valuechanged"});
        tree.log.seen.clear();
    }
}

TEST_F(SliderInWindow, ADragReportsAtItsEndOrAtEveryMoveWhenImmediate) {
    const struct {
        bool immediate;
        bool cancelled;  // another window takes the mouse before the release
        size_t reports;
    } cases[] = {{false, false, 1}, {true, false, 3}, {false, true, 1}};
    for (const auto& test : cases) {
        horizontal->SetImmediateMode(test.immediate);
        horizontal->SetValue(0);
        tree.Send(WM_MOUSEMOVE, 0, At(15, 25));
        tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(15, 25));
        tree.Send(WM_MOUSEMOVE, MK_LBUTTON, At(45, 25));
        tree.Send(WM_MOUSEMOVE, MK_LBUTTON, At(75, 25));
        EXPECT_EQ(horizontal->GetValue(), 60);
        EXPECT_EQ(ThumbColor(), kBlue) << "held";
        tree.Send(test.cancelled ? WM_CANCELMODE : WM_LBUTTONUP, 0, At(75, 25));
        EXPECT_EQ(tree.log.Types(), Strings(test.reports, L"valuechanged")) << test.immediate << test.cancelled;
        EXPECT_EQ(horizontal->GetValue(), 60);
        EXPECT_EQ(ThumbColor(), kGreen) << "let go, still under the mouse";
        tree.log.seen.clear();
    }
}

TEST_F(SliderInWindow, TheWheelStepsWithinTheBounds) {
    horizontal->SetAttributeList(L"step=\"5\" value=\"99\"");
    const struct {
        int delta;
        int value;
    } turns[] = {{WHEEL_DELTA, 100}, {WHEEL_DELTA, 100}, {-WHEEL_DELTA, 95}};
    for (const auto& turn : turns) {
        Wheel(POINT{60, 25}, turn.delta);
        EXPECT_EQ(horizontal->GetValue(), turn.value);
        EXPECT_EQ(tree.log.Types(), Strings{L"valuechanged"});
        tree.log.seen.clear();
    }
}

TEST_F(SliderInWindow, ADisabledSliderDropsItsStateAndIgnoresTheMouse) {
    tree.Send(WM_MOUSEMOVE, 0, At(15, 25));
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(15, 25));
    EXPECT_EQ(ThumbColor(), kBlue);
    horizontal->SetEnabled(false);
    EXPECT_EQ(ThumbColor(), kRed) << "neither held nor hot";
    EXPECT_EQ(horizontal->GetControlFlags(), 0u);
    tree.Send(WM_MOUSEMOVE, MK_LBUTTON, At(75, 25));
    tree.Send(WM_LBUTTONUP, 0, At(75, 25));
    tree.Click(POINT{75, 25});
    Wheel(POINT{75, 25}, WHEEL_DELTA);
    EXPECT_EQ(horizontal->GetValue(), 0);
    EXPECT_EQ(ThumbColor(), kRed);
    EXPECT_EQ(tree.log.Types(), Strings{});
}

}  // namespace
