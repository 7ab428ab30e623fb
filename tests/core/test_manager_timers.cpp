#include <gtest/gtest.h>

#include "manager_probe.h"

using namespace SkinUI;

namespace {

// Long enough that no timer fires by itself during a test: ticks are sent by hand.
constexpr UINT kNeverFires = 600000;

class ManagerTimers : public ::testing::Test {
protected:
    void SetUp() override {
        first = tree.Add(L"first", RECT{0, 0, 10, 10});
        second = tree.Add(L"second", RECT{20, 0, 30, 10});
        tree.Settle();
    }

    void Tick(UINT_PTR nativeId) { tree.Send(WM_TIMER, nativeId, 0); }

    ProbeTree tree;
    ProbeControl* first = nullptr;
    ProbeControl* second = nullptr;
};

TEST_F(ManagerTimers, FirstTimerIs17AndAKilledTimerRestartsUnderItsOldIdentifier) {
    CUIManager& manager = tree.manager();
    ASSERT_TRUE(manager.SetTimer(first, 5, kNeverFires));
    EXPECT_FALSE(manager.SetTimer(first, 5, kNeverFires)) << "a running timer is left alone";
    Tick(17);
    ASSERT_TRUE(manager.KillTimer(first, 5));
    EXPECT_FALSE(manager.KillTimer(first, 5));
    Tick(17);
    ASSERT_TRUE(manager.SetTimer(first, 5, kNeverFires));
    Tick(17);

    const std::vector<SeenEvent> expected = {{L"first", UIEVENT_TIMER, 5}, {L"first", UIEVENT_TIMER, 5}};
    EXPECT_EQ(expected, tree.log);
}

TEST_F(ManagerTimers, IdentifiersWrapTo17AndSkipThoseInUse) {
    CUIManager& manager = tree.manager();
    ASSERT_TRUE(manager.SetTimer(first, 1, kNeverFires));  // 17
    const UINT count = CControlTimers::kLastNativeId - CControlTimers::kFirstNativeId;
    for (UINT userId = 100; userId < 100 + count; ++userId) {
        ASSERT_TRUE(manager.SetTimer(second, userId, kNeverFires)) << userId;  // 18 .. 254
    }
    EXPECT_FALSE(manager.SetTimer(first, 2, kNeverFires)) << "every identifier is taken";

    manager.KillTimers(first);
    ASSERT_TRUE(manager.SetTimer(first, 3, kNeverFires)) << "17 is free again";
    for (UINT_PTR nativeId : {UINT_PTR{0}, UINT_PTR{1}, UINT_PTR{17}, UINT_PTR{254}}) {
        Tick(nativeId);
    }

    const std::vector<SeenEvent> expected = {{L"first", UIEVENT_TIMER, 3}, {L"second", UIEVENT_TIMER, 100 + count - 1}};
    EXPECT_EQ(expected, tree.log) << "nothing ever runs on 0 or the application's identifiers";
}

TEST_F(ManagerTimers, ATimerTickBecomesATimerNotification) {
    // The control base turns its timer event into a notification.
    auto* plain = new CControlUI;
    tree.root->Add(plain);
    NotifyRecorder listener;
    tree.manager().AddNotifier(&listener);
    ASSERT_TRUE(tree.manager().SetTimer(plain, 9, kNeverFires));
    Tick(17);
    tree.manager().RemoveNotifier(&listener);
    ASSERT_EQ(1u, listener.seen.size());
    EXPECT_EQ(L"timer", listener.seen[0].type);
    EXPECT_EQ(plain, listener.seen[0].sender);
    EXPECT_EQ(9u, listener.seen[0].wParam);
}

}  // namespace
