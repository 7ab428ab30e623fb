#include <gtest/gtest.h>

#include <functional>

#include "manager_probe.h"

using namespace SkinUI;

namespace {

// A listener that runs a test's action on every notification it is given.
class ActingListener : public INotifyUI {
public:
    void Notify(NotifyMsg& msg) override {
        types.push_back(msg.type.GetData());
        if (act) {
            act(msg);
        }
    }
    std::function<void(NotifyMsg&)> act;
    std::vector<std::wstring> types;
};

// Says whether it is still alive.
class TrackedControl : public CControlUI {
public:
    explicit TrackedControl(bool& alive) : m_alive(alive) { m_alive = true; }
    ~TrackedControl() override { m_alive = false; }

private:
    bool& m_alive;
};

class ManagerNotify : public ::testing::Test {
protected:
    void SetUp() override {
        sender = tree.Add(L"sender", RECT{0, 0, 10, 10});
        tree.Settle();
        tree.manager().AddNotifier(&listener);
    }
    void TearDown() override { tree.manager().RemoveNotifier(&listener); }
    void Pump() { tree.windowed.window.PumpMessages(); }

    ProbeTree tree;
    NotifyRecorder listener;
    ProbeControl* sender = nullptr;
};

TEST_F(ManagerNotify, QueuedReportsWithoutRepeatCollapseIntoTheLatest) {
    CUIManager& manager = tree.manager();
    manager.SendNotify(sender, L"scroll", 1, 0, true, false);
    manager.SendNotify(sender, L"scroll", 2, 0, true, false);
    manager.SendNotify(sender, L"Scroll", 3, 0, true, false);
    EXPECT_TRUE(listener.seen.empty()) << "queued reports wait for the message";
    Pump();
    ASSERT_EQ(2u, listener.seen.size());
    EXPECT_EQ(2u, listener.seen[0].wParam);
    EXPECT_EQ(3u, listener.seen[1].wParam) << "names are compared with case";

    listener.seen.clear();
    manager.SendNotify(sender, L"scroll", 1, 0, true, true);
    manager.SendNotify(sender, L"scroll", 2, 0, true, true);
    Pump();
    ASSERT_EQ(2u, listener.seen.size());
    EXPECT_EQ(1u, listener.seen[0].wParam);
    EXPECT_EQ(2u, listener.seen[1].wParam);
}

TEST_F(ManagerNotify, ASenderDestroyedBeforeDeliveryArrivesAsNull) {
    tree.manager().SendNotify(sender, L"itemclick", 0, 0, true);
    tree.root->Remove(sender);  // deferred: destroyed by the same pass, after delivery
    auto* doomed = tree.Add(L"doomed", RECT{0, 0, 10, 10});
    tree.manager().SendNotify(doomed, L"link", 0, 0, true);
    tree.root->Remove(doomed, true);
    doomed->Delete();
    Pump();
    ASSERT_EQ(2u, listener.seen.size());
    EXPECT_EQ(nullptr, listener.seen[1].sender);
}

TEST_F(ManagerNotify, DetachedTreesAreDestroyedAfterTheQueuedReports) {
    bool alive = false;
    auto* detached = new TrackedControl(alive);
    tree.root->Add(detached);
    tree.root->Remove(detached, true);
    ActingListener watcher;
    bool aliveDuringDelivery = false;
    watcher.act = [&](NotifyMsg&) { aliveDuringDelivery = alive; };
    tree.manager().AddNotifier(&watcher);
    tree.manager().DeferDestroy(detached);
    tree.manager().SendNotify(sender, L"click", 0, 0, true);
    EXPECT_TRUE(alive);
    Pump();
    tree.manager().RemoveNotifier(&watcher);
    EXPECT_TRUE(aliveDuringDelivery);
    EXPECT_FALSE(alive);
}

TEST_F(ManagerNotify, AModalLoopInsideAListenerDefersDestructionUntilTheOuterMessageEnds) {
    bool alive = false;
    auto* detached = new TrackedControl(alive);
    tree.root->Add(detached);
    tree.root->Remove(detached, true);
    ActingListener modal;
    bool aliveAfterNestedPass = false;
    modal.act = [&](NotifyMsg& msg) {
        if (msg.type != L"open") {
            return;
        }
        tree.manager().DeferDestroy(detached);
        tree.manager().SendNotify(sender, L"inner", 0, 0, true);
        Pump();  // the dialog's own loop
        aliveAfterNestedPass = alive;
    };
    tree.manager().AddNotifier(&modal);
    tree.manager().SendNotify(sender, L"open", 0, 0, true);
    Pump();
    Pump();
    tree.manager().RemoveNotifier(&modal);
    EXPECT_EQ((std::vector<std::wstring>{L"open", L"inner"}), modal.types);
    EXPECT_TRUE(aliveAfterNestedPass) << "the handler below the nested loop may still use it";
    EXPECT_FALSE(alive);
}

TEST(ManagerLifetime, AListenerThatDestroysTheManagerEndsTheDelivery) {
    TestWindow& window = SharedTestWindow();
    auto* manager = new CUIManager;
    manager->Init(window.Handle(), L"doomed");
    window.Route(manager);
    ActingListener destroyer;
    destroyer.act = [&](NotifyMsg&) {
        window.Route(nullptr);
        delete manager;
        manager = nullptr;
    };
    NotifyRecorder later;
    manager->AddNotifier(&destroyer);
    manager->AddNotifier(&later);
    manager->SendNotify(nullptr, L"click");
    EXPECT_EQ(nullptr, manager);
    EXPECT_TRUE(later.seen.empty());

    manager = new CUIManager;
    manager->Init(window.Handle(), L"doomed");
    window.Route(manager);
    manager->AddNotifier(&destroyer);
    manager->AddNotifier(&later);
    manager->SendNotify(nullptr, L"first", 0, 0, true);
    manager->SendNotify(nullptr, L"second", 0, 0, true);
    window.PumpMessages();
    EXPECT_EQ(nullptr, manager);
    EXPECT_EQ((std::vector<std::wstring>{L"click", L"first"}), destroyer.types);
    EXPECT_TRUE(later.seen.empty());
}

}  // namespace
