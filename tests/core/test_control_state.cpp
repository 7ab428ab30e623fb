#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/base/UIDelegate.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui_test_window.h"

using SkinUI::CContainerUI;
using SkinUI::CControlUI;
using SkinUI::CUIManager;
using SkinUI::UIEvent;

namespace {

// Counts the calls a delegate receives and answers as told.
class Recorder {
public:
    explicit Recorder(bool answer = true) : m_answer(answer) {}
    bool Record(void* param) {
        params.push_back(param);
        return m_answer;
    }
    bool Other(void* param) { return Record(param); }

    std::vector<void*> params;

private:
    bool m_answer;
};

int g_plainCalls = 0;
bool PlainHandler(void*) {
    ++g_plainCalls;
    return true;
}

class CountingControl : public CControlUI {
public:
    void DoEvent(UIEvent& event) override {
        ++handled;
        CControlUI::DoEvent(event);
    }
    void DoInit() override { ++initialised; }
    int handled = 0;
    int initialised = 0;
};

TEST(ControlDelegates, EqualDelegatesAreStoredOnceAndCompareObjectAndFunction) {
    Recorder first;
    Recorder second;
    SkinUI::CDelegateList list;
    list += SkinUI::MakeDelegate(&first, &Recorder::Record);
    list += SkinUI::MakeDelegate(&first, &Recorder::Record);
    list += SkinUI::MakeDelegate(&first, &Recorder::Other);
    list += SkinUI::MakeDelegate(&second, &Recorder::Record);
    list += SkinUI::MakeDelegate(&PlainHandler);
    list += SkinUI::MakeDelegate(&PlainHandler);
    EXPECT_EQ(list.GetCount(), 4);

    g_plainCalls = 0;
    int value = 0;
    EXPECT_TRUE(list(&value));
    EXPECT_EQ(first.params.size(), 2u);
    EXPECT_EQ(second.params.size(), 1u);
    EXPECT_EQ(second.params[0], &value);
    EXPECT_EQ(g_plainCalls, 1);
}

TEST(ControlDelegates, AFalseAnswerStopsTheListAndAnEmptyListAnswersTrue) {
    Recorder refusing(false);
    Recorder after;
    SkinUI::CDelegateList list;
    EXPECT_TRUE(list(nullptr));
    list += SkinUI::MakeDelegate(&refusing, &Recorder::Record);
    list += SkinUI::MakeDelegate(&after, &Recorder::Record);
    EXPECT_FALSE(list(nullptr));
    EXPECT_EQ(refusing.params.size(), 1u);
    EXPECT_TRUE(after.params.empty());
}

TEST(ControlDelegates, EventDelegatesCanSuppressDoEvent) {
    CountingControl control;
    Recorder refusing(false);
    UIEvent event;
    event.type = SkinUI::UIEVENT_MOUSEMOVE;
    control.Event(event);
    EXPECT_EQ(control.handled, 1);
    control.OnEvent += SkinUI::MakeDelegate(&refusing, &Recorder::Record);
    control.Event(event);
    EXPECT_EQ(control.handled, 1);
    ASSERT_EQ(refusing.params.size(), 1u);
    EXPECT_EQ(refusing.params[0], &event);
}

TEST(ControlLifecycle, InitRunsOnceTheParentIsKnownAndDestroyIsReported) {
    Recorder inits;
    Recorder destroys;
    auto* child = new CountingControl;
    child->OnInit += SkinUI::MakeDelegate(&inits, &Recorder::Record);
    child->OnDestroy += SkinUI::MakeDelegate(&destroys, &Recorder::Record);
    {
        WindowedManager windowed;
        child->SetManager(&windowed.manager, nullptr, true);  // no parent yet: no Init
        EXPECT_EQ(child->initialised, 0);
        auto* root = new CContainerUI;
        windowed.manager.AttachRoot(root);
        root->Add(child);
        EXPECT_EQ(child->initialised, 1);
        ASSERT_EQ(inits.params.size(), 1u);
        EXPECT_EQ(inits.params[0], child);
        EXPECT_TRUE(destroys.params.empty());
    }
    ASSERT_EQ(destroys.params.size(), 1u);
    EXPECT_EQ(destroys.params[0], child);
}

TEST(ControlState, HidingTheFocusedControlLeavesTheManagerWithoutFocus) {
    WindowedManager windowed;
    auto* leaf = new CControlUI;
    CContainerUI* root = AttachUnderRoot(windowed, leaf);
    leaf->SetFocus();
    EXPECT_EQ(windowed.manager.GetFocus(), leaf);
    EXPECT_TRUE(leaf->IsFocused());
    leaf->SetVisible(false);
    EXPECT_EQ(windowed.manager.GetFocus(), nullptr);
    EXPECT_FALSE(leaf->IsFocused());
    leaf->SetFocus();  // a hidden control takes no focus
    EXPECT_EQ(windowed.manager.GetFocus(), nullptr);

    leaf->SetVisible(true);
    leaf->SetFocus();
    root->SetVisible(false);  // hiding an ancestor hides the focused control too
    EXPECT_FALSE(leaf->IsVisible());
    EXPECT_EQ(windowed.manager.GetFocus(), nullptr);
    root->SetVisible(true);
    EXPECT_TRUE(leaf->IsVisible());
}

TEST(ControlState, SizeRequestsAskTheParentForANewLayout) {
    WindowedManager windowed;
    auto* leaf = new CControlUI;
    CContainerUI* root = AttachUnderRoot(windowed, leaf);
    root->SetPos(RECT{0, 0, 100, 100}, false);
    EXPECT_FALSE(root->IsUpdateNeeded());
    leaf->SetFixedWidth(30);
    EXPECT_TRUE(root->IsUpdateNeeded());
    EXPECT_TRUE(windowed.manager.IsUpdateNeeded());

    root->SetPos(RECT{0, 0, 100, 100}, false);
    leaf->SetFixedWidth(-1);  // ignored
    EXPECT_EQ(leaf->GetFixedWidth(), 30);
    EXPECT_FALSE(root->IsUpdateNeeded());
    leaf->SetMinWidth(0);  // unchanged: no layout
    EXPECT_FALSE(root->IsUpdateNeeded());
}

TEST(ControlNames, RenamingAnAttachedControlKeepsTheNameIndexInStep) {
    WindowedManager windowed;
    auto* root = new CContainerUI;
    auto* leaf = new CControlUI;
    leaf->SetName(L"before");
    root->Add(leaf);
    windowed.manager.AttachRoot(root);
    EXPECT_EQ(windowed.manager.FindControlByName(L"before"), leaf);

    leaf->SetName(L"after");
    EXPECT_EQ(windowed.manager.FindControlByName(L"before"), nullptr);
    EXPECT_EQ(windowed.manager.FindControlByName(L"after"), leaf);

    auto* unnamed = new CControlUI;
    root->Add(unnamed);
    unnamed->SetName(L"late");  // attached without a name, named afterwards
    EXPECT_EQ(windowed.manager.FindControlByName(L"late"), unnamed);

    CControlUI detached;  // knows the manager but is not part of its tree
    detached.SetManager(&windowed.manager, nullptr, false);
    detached.SetName(L"stray");
    EXPECT_EQ(windowed.manager.FindControlByName(L"stray"), nullptr);
    detached.SetManager(nullptr, nullptr, false);

    root->Remove(leaf);
    windowed.window.PumpMessages();  // delayed destruction
    EXPECT_EQ(windowed.manager.FindControlByName(L"after"), nullptr);
}

TEST(ControlNames, CoverAndVirtualWindowGivenBeforeAttachTakeEffectOnAttach) {
    Recorder inits;
    auto* leaf = new CControlUI;
    auto* cover = new CControlUI;
    cover->SetName(L"cover");
    cover->OnInit += SkinUI::MakeDelegate(&inits, &Recorder::Record);
    leaf->SetCover(cover);
    leaf->SetVirtualWnd(L"pane");
    EXPECT_EQ(cover->GetParent(), leaf);

    WindowedManager windowed;
    EXPECT_FALSE(windowed.manager.IsUsingVirtualWindows());
    auto* root = new CContainerUI;
    root->Add(leaf);
    windowed.manager.AttachRoot(root);
    EXPECT_EQ(cover->GetManager(), &windowed.manager);
    EXPECT_EQ(inits.params.size(), 1u);
    EXPECT_EQ(windowed.manager.FindControlByName(L"cover"), cover);
    EXPECT_TRUE(windowed.manager.IsUsingVirtualWindows());
    EXPECT_STREQ(cover->GetVirtualWnd(), L"pane");  // inherited from the covered control
}

TEST(ControlNames, VirtualWindowNameTravelsWithNotifications) {
    struct Listener : SkinUI::INotifyUI {
        void Notify(SkinUI::NotifyMsg& msg) override {
            types.push_back(msg.type.GetData());
            windows.push_back(msg.virtualWindow.GetData());
        }
        std::vector<std::wstring> types;
        std::vector<std::wstring> windows;
    } listener;
    WindowedManager windowed;
    windowed.manager.AddNotifier(&listener);
    auto* root = new CContainerUI;
    auto* leaf = new CControlUI;
    root->SetVirtualWnd(L"main");
    root->Add(leaf);
    windowed.manager.AttachRoot(root);
    UIEvent event;
    event.type = SkinUI::UIEVENT_TIMER;
    leaf->Event(event);
    ASSERT_EQ(listener.types.size(), 1u);
    EXPECT_EQ(listener.types[0], L"timer");
    EXPECT_EQ(listener.windows[0], L"main");
    windowed.manager.RemoveNotifier(&listener);
}

}  // namespace
