#include <gtest/gtest.h>

#include "manager_probe.h"

using namespace SkinUI;

namespace {

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

class ManagerMouse : public ::testing::Test {
protected:
    void SetUp() override {
        a = tree.Add(L"a", RECT{10, 10, 110, 60});
        b = tree.Add(L"b", RECT{200, 10, 300, 60});
        watcher = tree.Add(L"watcher", RECT{400, 10, 500, 60});
        tree.Settle();
    }
    void TearDown() override {
        if (tree.manager().IsCaptured()) {
            tree.manager().ReleaseCapture();
        }
    }

    ProbeTree tree;
    ProbeControl* a = nullptr;
    ProbeControl* b = nullptr;
    ProbeControl* watcher = nullptr;
};

TEST_F(ManagerMouse, MovingFromOneControlToAnotherTellsTheLeaveWatchFirst) {
    ASSERT_TRUE(tree.manager().AddLeaveWatch(watcher));
    EXPECT_FALSE(tree.manager().AddLeaveWatch(watcher)) << "a control is watched once";

    tree.Send(WM_MOUSEMOVE, 0, At(20, 20));
    tree.Send(WM_MOUSEMOVE, 0, At(30, 25));
    tree.Send(WM_MOUSEMOVE, 0, At(250, 30));

    const std::vector<SeenEvent> expected = {
        {L"a", UIEVENT_MOUSEENTER, 0},       {L"a", UIEVENT_MOUSEMOVE, 0},  {L"a", UIEVENT_MOUSEMOVE, 0},
        {L"watcher", UIEVENT_MOUSELEAVE, 0}, {L"a", UIEVENT_MOUSELEAVE, 0}, {L"b", UIEVENT_MOUSEENTER, 0},
        {L"b", UIEVENT_MOUSEMOVE, 0},
    };
    EXPECT_EQ(expected, tree.MouseEvents());
    EXPECT_EQ((POINT{250, 30}).x, tree.manager().GetMousePos().x);
}

TEST_F(ManagerMouse, WhileTheButtonIsHeldMovesGoToThePressedControlOnly) {
    tree.Send(WM_MOUSEMOVE, 0, At(20, 20));
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    EXPECT_TRUE(tree.manager().IsCaptured());
    EXPECT_EQ(a, tree.manager().GetFocus()) << "a pressed control takes the focus";
    tree.Send(WM_MOUSEMOVE, MK_LBUTTON, At(250, 30));
    tree.Send(WM_LBUTTONUP, 0, At(250, 30));
    EXPECT_FALSE(tree.manager().IsCaptured());
    tree.Send(WM_MOUSEMOVE, 0, At(251, 30));

    const std::vector<SeenEvent> expected = {
        {L"a", UIEVENT_MOUSEENTER, 0},         {L"a", UIEVENT_MOUSEMOVE, 0}, {L"a", UIEVENT_BUTTONDOWN, MK_LBUTTON},
        {L"a", UIEVENT_MOUSEMOVE, MK_LBUTTON}, {L"a", UIEVENT_BUTTONUP, 0},  {L"a", UIEVENT_MOUSELEAVE, 0},
        {L"b", UIEVENT_MOUSEENTER, 0},         {L"b", UIEVENT_MOUSEMOVE, 0},
    };
    EXPECT_EQ(expected, tree.MouseEvents());
}

TEST_F(ManagerMouse, WheelTellsTheControlUnderTheMouseWhichWayAndHoverFollows) {
    POINT screen = {220, 20};
    ::ClientToScreen(tree.Window(), &screen);
    tree.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(screen.x, screen.y));
    tree.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));

    const std::vector<SeenEvent> expected = {
        {L"b", UIEVENT_SCROLLWHEEL, 1}, {L"b", UIEVENT_MOUSEENTER, 0}, {L"b", UIEVENT_MOUSEMOVE, 0},
        {L"b", UIEVENT_SCROLLWHEEL, 0}, {L"b", UIEVENT_MOUSEMOVE, 0},
    };
    EXPECT_EQ(expected, tree.MouseEvents());
}

// The keys are asked once a message: a change between two messages shows in
// every event of the second, including the enter and leave it makes.
TEST_F(ManagerMouse, EachMessageSeesTheKeysHeldThen) {
    {
        ShiftHeld shift;
        tree.Send(WM_MOUSEMOVE, 0, At(20, 20));
    }
    tree.Send(WM_MOUSEMOVE, 0, At(250, 30));
    const std::vector<SeenEvent> events = tree.MouseEvents();
    ASSERT_EQ(5u, events.size());
    for (size_t index = 0; index < events.size(); ++index) {
        const bool first = index < 2;  // a's enter and move
        EXPECT_EQ(first, (events[index].keyState & UIKEYSTATE_SHIFT) != 0) << events[index];
    }
}

// The common controls are loaded with the first tip, not with the window.
TEST_F(ManagerMouse, HoverOverAControlWithATipShowsTheSystemTooltip) {
    a->SetToolTip(L"the tip");
    tree.Send(WM_MOUSEMOVE, 0, At(20, 20));
    tree.Send(WM_MOUSEHOVER, 0, At(20, 20));
    struct Search {
        HWND owner;
        bool found;
    } search = {tree.Window(), false};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lParam) {
            auto* search = reinterpret_cast<Search*>(lParam);
            wchar_t name[64] = L"";
            ::GetClassNameW(hwnd, name, 64);
            search->found |= ::GetWindow(hwnd, GW_OWNER) == search->owner && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    EXPECT_TRUE(search.found);
}

TEST_F(ManagerMouse, RightClickThenContextMenuCarriesTheControl) {
    tree.Send(WM_RBUTTONDOWN, MK_RBUTTON, At(20, 20));
    POINT screen = {20, 20};
    ::ClientToScreen(tree.Window(), &screen);
    tree.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree.Window()), MAKELPARAM(screen.x, screen.y));
    tree.Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree.Window()), MAKELPARAM(screen.x, screen.y));

    const std::vector<SeenEvent> expected = {
        {L"a", UIEVENT_RBUTTONDOWN, MK_RBUTTON},
        {L"a", UIEVENT_CONTEXTMENU, 0},
    };
    EXPECT_EQ(expected, tree.MouseEvents()) << "the second menu has no clicked control";
    EXPECT_FALSE(tree.manager().IsCaptured());
}

TEST_F(ManagerMouse, ALostCaptureEndsThePressWithoutAButtonUp) {
    HWND other = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    ::SetCapture(other);
    EXPECT_FALSE(tree.manager().IsCaptured());
    ::DestroyWindow(other);
    tree.Send(WM_LBUTTONUP, 0, At(20, 20));
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    tree.Send(WM_LBUTTONUP, 0, At(20, 20));

    std::vector<SeenEvent> presses;
    for (const SeenEvent& event : tree.log) {
        if (event.type == UIEVENT_BUTTONDOWN || event.type == UIEVENT_BUTTONUP || event.type == UIEVENT_CANCELPRESS) {
            presses.push_back(event);
        }
    }
    const std::vector<SeenEvent> expected = {
        {L"a", UIEVENT_BUTTONDOWN, MK_LBUTTON},
        {L"a", UIEVENT_CANCELPRESS, 0},
        {L"a", UIEVENT_BUTTONDOWN, MK_LBUTTON},
        {L"a", UIEVENT_BUTTONUP, 0},
    };
    EXPECT_EQ(expected, presses) << "the manager's own release is no loss";
}

TEST_F(ManagerMouse, ADestroyedControlIsForgottenEverywhere) {
    // Indexed under the name its class reports, which the base destructor cannot ask for.
    class AliasControl : public ProbeControl {
    public:
        using ProbeControl::ProbeControl;
        CUIString GetName() const override { return L"alias"; }
    };
    auto* doomed = new AliasControl(tree.log, L"doomed", UIFLAG_TABSTOP, L"Control");
    doomed->SetFloat(true);
    doomed->SetFixedXY(SIZE{10, 100});
    doomed->SetFixedWidth(100);
    doomed->SetFixedHeight(50);
    tree.root->Add(doomed);
    doomed->SetPos(RECT{10, 100, 110, 150}, false);
    tree.Settle();
    CUIManager& manager = tree.manager();
    ASSERT_EQ(doomed, manager.FindControlByName(L"alias"));

    NotifyRecorder listener;
    manager.AddNotifier(&listener);
    tree.Send(WM_MOUSEMOVE, 0, At(20, 120));
    tree.Send(WM_LBUTTONDOWN, MK_LBUTTON, At(20, 120));
    tree.Send(WM_KEYDOWN, 'X', 0);
    manager.AddLeaveWatch(doomed);
    manager.AddPostPaint(doomed);
    manager.AddOptionGroup(L"group", doomed);
    ASSERT_TRUE(manager.SetTimer(doomed, 4, 100000));
    manager.SendNotify(doomed, L"later", 0, 0, true);
    ASSERT_EQ(doomed, manager.GetFocus());

    tree.root->Remove(doomed, true);
    doomed->Delete();
    tree.log.clear();

    EXPECT_EQ(nullptr, manager.GetFocus());
    EXPECT_EQ(nullptr, manager.FindControlByName(L"alias"));
    EXPECT_EQ(nullptr, manager.GetOptionGroup(L"group")) << "an emptied group goes away";
    EXPECT_EQ(0, manager.GetPostPaintCount());
    // Hover, click, key target, leave watch and timer no longer lead to it.
    tree.Send(WM_MOUSEMOVE, MK_LBUTTON, At(250, 30));
    tree.Send(WM_LBUTTONUP, 0, At(250, 30));
    tree.Send(WM_KEYUP, 'X', 0);
    for (UINT_PTR id = CControlTimers::kFirstNativeId; id <= CControlTimers::kLastNativeId; ++id) {
        tree.Send(WM_TIMER, id, 0);
    }
    EXPECT_FALSE(manager.IsCaptured());
    // The capture outlives the pressed control until the button comes up.
    const std::vector<SeenEvent> expected = {{L"b", UIEVENT_MOUSEMOVE, MK_LBUTTON}};
    EXPECT_EQ(expected, tree.log);
    listener.seen.clear();
    tree.windowed.window.PumpMessages();
    ASSERT_EQ(1u, listener.seen.size());
    EXPECT_EQ(L"later", listener.seen[0].type);
    EXPECT_EQ(nullptr, listener.seen[0].sender);
    manager.RemoveNotifier(&listener);
}

}  // namespace
