#include <gtest/gtest.h>

#include "manager_probe.h"

using namespace SkinUI;

namespace {

class ManagerKeyboard : public ::testing::Test {
protected:
    void SetUp() override {
        first = tree.Add(L"first", RECT{0, 0, 50, 20}, UIFLAG_TABSTOP);
        tree.Add(L"plain", RECT{60, 0, 110, 20});
        second = tree.Add(L"second", RECT{120, 0, 170, 20}, UIFLAG_TABSTOP);
        last = tree.Add(L"last", RECT{180, 0, 230, 20}, UIFLAG_TABSTOP);
    }

    bool PreMessage(UINT message, WPARAM wParam) {
        LRESULT result = 0;
        return tree.manager().PreMessageHandler(message, wParam, 0, result);
    }

    ProbeTree tree;
    ProbeControl* first = nullptr;
    ProbeControl* second = nullptr;
    ProbeControl* last = nullptr;
};

TEST_F(ManagerKeyboard, TabWaitsForThePendingLayoutThenTakesTheFirstTabStop) {
    ASSERT_TRUE(tree.manager().IsUpdateNeeded());
    EXPECT_TRUE(PreMessage(WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(nullptr, tree.manager().GetFocus()) << "the tab order is not known before the layout";

    ::UpdateWindow(tree.Window());
    tree.windowed.window.PumpMessages();
    EXPECT_EQ(first, tree.manager().GetFocus());
}

TEST_F(ManagerKeyboard, TabAndShiftTabSkipPlainControlsAndWrapAround) {
    tree.Settle();
    tree.manager().SetFocus(first);
    EXPECT_TRUE(PreMessage(WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(second, tree.manager().GetFocus());
    tree.manager().SetFocus(last);
    EXPECT_TRUE(PreMessage(WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(first, tree.manager().GetFocus());
    {
        ShiftHeld shift;
        EXPECT_TRUE(PreMessage(WM_KEYDOWN, VK_TAB));
        EXPECT_EQ(last, tree.manager().GetFocus());
        EXPECT_TRUE(PreMessage(WM_KEYDOWN, VK_TAB));
        EXPECT_EQ(second, tree.manager().GetFocus());
    }
}

TEST_F(ManagerKeyboard, FocusChangesReachTheControlsAndTheListeners) {
    tree.Settle();
    NotifyRecorder listener;
    tree.manager().AddNotifier(&listener);
    tree.manager().SetFocus(first);
    tree.manager().SetFocus(second);
    second->SetEnabled(false);
    tree.manager().SetFocus(second);
    tree.manager().RemoveNotifier(&listener);

    const std::vector<SeenEvent> expected = {
        {L"first", UIEVENT_SETFOCUS, 0}, {L"first", UIEVENT_KILLFOCUS, 0}, {L"second", UIEVENT_SETFOCUS, 0}};
    EXPECT_EQ(expected, tree.log);
    ASSERT_EQ(3u, listener.seen.size());
    EXPECT_EQ(L"setfocus", listener.seen[0].type);
    EXPECT_EQ(L"killfocus", listener.seen[1].type);
    EXPECT_EQ(first, listener.seen[1].sender);
    EXPECT_EQ(second, listener.seen[2].sender);
    EXPECT_TRUE(first->IsFocused() == false && second->IsFocused());
}

TEST_F(ManagerKeyboard, KeysGoToTheFocusAndKeyUpToTheControlThatHadKeyDown) {
    tree.Settle();
    tree.manager().SetFocus(first);
    tree.log.clear();
    tree.Send(WM_KEYDOWN, 'A');
    tree.Send(WM_CHAR, 'a');
    tree.manager().SetFocus(second);
    tree.log.clear();
    tree.Send(WM_KEYUP, 'A');
    tree.Send(WM_KEYUP, 'A');

    const std::vector<SeenEvent> expected = {{L"first", UIEVENT_KEYUP, 'A'}};
    EXPECT_EQ(expected, tree.log) << "one key-up, to the control that saw the key go down";
}

TEST_F(ManagerKeyboard, AltShortcutOfALabelFocusesTheControlTheSearchMeetsNext) {
    // The search runs from the topmost child down, so it meets "before"
    // right after the label; a hidden control in between does not count.
    ProbeControl* before = tree.Add(L"before", RECT{0, 30, 50, 50});
    ProbeControl* hidden = tree.Add(L"hidden", RECT{60, 30, 110, 50});
    ProbeControl* label = tree.Add(L"label", RECT{120, 30, 170, 50}, 0, L"Label");
    ProbeControl* after = tree.Add(L"after", RECT{180, 30, 230, 50});
    hidden->SetVisible(false);
    label->SetShortcut(L'N');
    tree.Settle();

    EXPECT_TRUE(PreMessage(WM_SYSCHAR, L'n')) << "the shortcut ignores case";
    EXPECT_EQ(before, tree.manager().GetFocus());
    EXPECT_EQ(1, before->activations);
    EXPECT_EQ(0, label->activations);
    EXPECT_EQ(0, after->activations);

    after->SetShortcut(L'q');
    EXPECT_TRUE(PreMessage(WM_SYSCHAR, L'Q')) << "a control that is not a label is its own target";
    EXPECT_EQ(after, tree.manager().GetFocus());
    EXPECT_FALSE(PreMessage(WM_SYSCHAR, L'z'));
}

class CountingAccelerator : public ITranslateAccelerator {
public:
    explicit CountingAccelerator(LRESULT answer) : m_answer(answer) {}
    LRESULT TranslateAccelerator(MSG*) override {
        ++calls;
        return m_answer;
    }
    int calls = 0;

private:
    LRESULT m_answer;
};

TEST_F(ManagerKeyboard, TheMessageLoopAsksAcceleratorsThenTheTabHandling) {
    tree.Settle();
    CUIManager& manager = tree.manager();
    CountingAccelerator passes(1);
    CountingAccelerator consumes(0);
    EXPECT_FALSE(manager.AddTranslateAccelerator(nullptr));
    ASSERT_TRUE(manager.AddTranslateAccelerator(&passes));
    MSG tab = {tree.Window(), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    manager.SetFocus(first);
    EXPECT_TRUE(CUIManager::TranslateMessage(&tab));
    EXPECT_EQ(second, manager.GetFocus());
    MSG letter = {tree.Window(), WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    EXPECT_FALSE(CUIManager::TranslateMessage(&letter));

    ASSERT_TRUE(manager.AddTranslateAccelerator(&consumes));
    EXPECT_TRUE(CUIManager::TranslateMessage(&letter));
    EXPECT_EQ(3, passes.calls);
    EXPECT_EQ(1, consumes.calls);
    manager.RemoveTranslateAccelerator(&passes);
    manager.RemoveTranslateAccelerator(&consumes);
}

TEST(ManagerMessageLoop, ReturnsTheCodeOfTheQuitMessage) {
    ::PostQuitMessage(7);
    EXPECT_EQ(7, CUIManager::MessageLoop());
}

}  // namespace
