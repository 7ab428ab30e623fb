// Buttons: the image of each state, the fade between normal and hot, and
// activation by mouse and keyboard.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/manager_probe.h"
#include "tests/core/paint_canvas.h"
#include "tests/core/png_encode.h"
#include "tests/core/temp_folder.h"
#include "ui/controls/UIButton.h"

using namespace SkinUI;

namespace {

using Strings = std::vector<std::wstring>;

constexpr DWORD kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00, kGray = 0x808080;
constexpr DWORD kWhite = 0xFFFFFF;

void Deliver(CControlUI& control, int type, WPARAM wParam = 0, POINT mouse = POINT{5, 5}) {
    UIEvent event;
    event.type = type;
    event.mouse = mouse;
    event.wParam = wParam;
    control.Event(event);
}

// The colour the button shows in its middle on a white canvas.
DWORD ShownColor(CButtonUI& button) {
    PaintCanvas canvas(60, 40, kWhite);
    button.Paint(canvas.Dc(), canvas.Rect(), nullptr);
    const RECT& item = button.GetPos();
    return canvas.Rgb((item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

// A PNG of 2 x 2 pixels per colour, side by side.
std::wstring WriteCells(const TempFolder& folder, LPCWSTR name, const std::vector<DWORD>& colors) {
    const int width = static_cast<int>(colors.size()) * 2;
    std::vector<unsigned char> rgb;
    for (int i = 0; i < width * 2; ++i) {
        const DWORD color = colors[(i % width) / 2];
        rgb.insert(rgb.end(), {static_cast<unsigned char>(color >> 16), static_cast<unsigned char>(color >> 8),
                               static_cast<unsigned char>(color)});
    }
    const pngtest::Bytes png = pngtest::EncodePng(rgb, width, 2, 3);
    return folder.Write(name, png.data(), png.size());
}

enum State { kNormal, kFocused, kHot, kPushed, kDisabled, kStates };

void Reach(CButtonUI& button, State state) {
    const int events[kStates] = {0, UIEVENT_SETFOCUS, UIEVENT_MOUSEENTER, UIEVENT_BUTTONDOWN, 0};
    if (state == kDisabled) {
        button.SetEnabled(false);
    } else if (events[state] != 0) {
        Deliver(button, events[state]);
    }
}

TEST(ButtonImages, EachStateShowsItsImageOrFallsBack) {
    TempFolder folder;
    const std::wstring five = WriteCells(folder, L"five.png", {kRed, kBlue, kGreen, kYellow, kGray});
    const std::wstring narrow = WriteCells(folder, L"narrow.png", {kRed, kBlue});
    const std::wstring normal = L"normalimage=\"color='#FFFF0000'\"";
    const struct {
        std::wstring attributes;
        DWORD shown[kStates];  // normal, focused, hot, pushed, disabled
    } cases[] = {
        {normal + L" hotimage=\"color='#FF00FF00'\" pushedimage=\"color='#FF0000FF'\" "
                  L"focusedimage=\"color='#FFFFFF00'\" disabledimage=\"color='#FF808080'\"",
         {kRed, kYellow, kGreen, kBlue, kGray}},
        {L"fivestatusimage=\"" + five + L"\"", {kRed, kYellow, kGreen, kBlue, kGray}},
        {normal, {kRed, kRed, kRed, kRed, kRed}},
        {normal + L" hotbkcolor=\"#FF00FF00\"", {kRed, kRed, kGreen, kRed, kRed}},
        {L"fivestatusimage=\"" + narrow + L"\"", {kWhite, kWhite, kWhite, kWhite, kWhite}},
        {L"fivestatusimage=\"" + folder.Path() + L"missing.png\"", {kWhite, kWhite, kWhite, kWhite, kWhite}},
    };
    CUIManager manager;
    for (const auto& test : cases) {
        for (int state = kNormal; state < kStates; ++state) {
            CButtonUI button;
            button.SetManager(&manager, nullptr, false);
            button.SetPos(RECT{0, 0, 20, 20}, false);
            button.SetAttributeList(test.attributes.c_str());
            Reach(button, static_cast<State>(state));
            EXPECT_TRUE(PixelNear(ShownColor(button), test.shown[state], 1)) << "state " << state;
        }
    }
    CButtonUI floating;
    floating.SetManager(&manager, nullptr, false);
    floating.SetFloat(true);
    floating.SetFiveStatusImage(five.c_str());
    EXPECT_EQ(floating.GetFixedWidth(), 2) << "a float button takes the size of one cell";
    EXPECT_EQ(floating.GetFixedHeight(), 2);
}

class ButtonInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        button = tree.Place(new CButtonUI, RECT{10, 10, 50, 30});
        button->SetName(L"b");
        tree.Settle();
        tree.manager().AddNotifier(&recorder);
    }
    void TearDown() override { tree.manager().RemoveNotifier(&recorder); }
    bool FadeTimerRuns() {
        // Starting a running timer fails; a stopped one is stopped again at once.
        const bool running = !tree.manager().SetTimer(button, CButtonUI::kFadeTimerId, 30);
        if (!running) {
            tree.manager().KillTimer(button, CButtonUI::kFadeTimerId);
        }
        return running;
    }

    ProbeTree tree;
    NotifyRecorder recorder;
    CButtonUI* button = nullptr;
};

TEST_F(ButtonInWindow, TheFadeRunsOnTimer11AndEndsAtItsBounds) {
    button->SetAttributeList(L"normalimage=\"color='#FFFF0000'\" hotimage=\"color='#FF0000FF'\" fadedelta=\"100\"");
    tree.Send(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(FadeTimerRuns());
    EXPECT_TRUE(PixelNear(ShownColor(*button), kRed, 1));
    Deliver(*button, UIEVENT_TIMER, CButtonUI::kFadeTimerId);
    const DWORD halfway = ShownColor(*button);
    EXPECT_GT(Channel(halfway, 0), 0x40);
    EXPECT_GT(Channel(halfway, 16), 0x40);
    Deliver(*button, UIEVENT_TIMER, CButtonUI::kFadeTimerId);
    Deliver(*button, UIEVENT_TIMER, CButtonUI::kFadeTimerId);
    EXPECT_FALSE(FadeTimerRuns());
    EXPECT_TRUE(PixelNear(ShownColor(*button), kBlue, 1));

    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(PixelNear(ShownColor(*button), kRed, 1)) << "pressed without a pushed image: the opaque normal one";
    tree.Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));

    tree.Send(WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
    Deliver(*button, UIEVENT_TIMER, CButtonUI::kFadeTimerId);
    EXPECT_TRUE(FadeTimerRuns());
    button->SetAttribute(L"fadedelta", L"0");
    EXPECT_FALSE(FadeTimerRuns());
    EXPECT_TRUE(PixelNear(ShownColor(*button), kRed, 1)) << "switched off halfway, the fade ends where it was going";

    tree.Send(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_FALSE(FadeTimerRuns()) << "no fade delta, no timer";
}

TEST_F(ButtonInWindow, AClickNeedsPressAndReleaseInsideAndKeysActivateTheFocus) {
    // Pressed inside, dragged out, released where `up` says.
    const auto press = [&](LPARAM up) {
        tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        tree.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 100));
        EXPECT_EQ(button->GetButtonState() & UISTATE_PUSHED, 0u);
        tree.Send(WM_MOUSEMOVE, MK_LBUTTON, up);
        tree.Send(WM_LBUTTONUP, 0, up);
        return recorder.Take();
    };
    EXPECT_EQ(press(MAKELPARAM(100, 100)), Strings{});
    EXPECT_EQ(press(MAKELPARAM(30, 20)), Strings{L"click:b"});
    EXPECT_EQ(button->GetButtonState() & (UISTATE_PUSHED | UISTATE_CAPTURED), 0u);

    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    tree.Send(WM_CANCELMODE);
    tree.Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(recorder.Take(), Strings{}) << "a press that another window ended is no click";
    EXPECT_EQ(button->GetButtonState() & (UISTATE_PUSHED | UISTATE_CAPTURED), 0u);

    const struct {
        WPARAM key;
        bool keyboard;
        bool enabled;
        Strings expected;
    } keys[] = {
        {VK_SPACE, true, true, {L"click:b"}}, {VK_RETURN, true, true, {L"click:b"}}, {'A', true, true, {}},
        {VK_SPACE, false, true, {}},          {VK_SPACE, true, false, {}},
    };
    for (const auto& key : keys) {
        button->SetKeyboardEnabled(key.keyboard);
        button->SetEnabled(key.enabled);
        tree.manager().SetFocus(button, false);
        recorder.Take();
        tree.Send(WM_KEYDOWN, key.key);
        EXPECT_EQ(recorder.Take(), key.expected) << key.key;
    }
}

TEST_F(ButtonInWindow, TheContextMenuNotificationCarriesTheControlPointer) {
    button->SetContextMenuUsed(true);
    tree.Send(WM_RBUTTONDOWN, 0, MAKELPARAM(20, 20));
    tree.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree.Window()), MAKELPARAM(20, 20));
    ASSERT_FALSE(recorder.seen.empty());
    EXPECT_EQ(recorder.seen.back().type, L"menu");
    EXPECT_EQ(recorder.seen.back().lParam, reinterpret_cast<LPARAM>(button));
}

}  // namespace
