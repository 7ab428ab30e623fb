// The manager's list of controls that asked for a layout, and its list of
// controls to destroy after the message: what they hold when controls move,
// leave the tree or are destroyed before their turn.

#include <gtest/gtest.h>

#include "ui/core/control/UIHorizontalLayout.h"
#include "ui/core/control/UIVerticalLayout.h"
#include "ui_test_window.h"

using namespace SkinUI;

namespace {

CControlUI* Fixed(int width) {
    auto* control = new CControlUI;
    control->SetFixedWidth(width);
    return control;
}

int g_destroyed = 0;

bool CountDestroyed(void*) {
    ++g_destroyed;
    return true;
}

}  // namespace

TEST(LayoutRequests, OnlyWhatAskedIsLaidOutAndRemovedOrMovedControlsAreSafe) {
    WindowedManager windowed;
    auto* root = new CVerticalLayoutUI;
    auto* row = new CHorizontalLayoutUI;
    auto* other = new CHorizontalLayoutUI;
    CControlUI* first = Fixed(10);
    CControlUI* second = Fixed(20);
    row->Add(first);
    row->Add(second);
    root->Add(row);
    root->Add(other);
    windowed.manager.AttachRoot(root);
    windowed.manager.LayOutPending();
    EXPECT_EQ(10, second->GetPos().left);

    first->SetFixedWidth(30);
    windowed.manager.LayOutPending();
    EXPECT_EQ(30, second->GetPos().left) << "the changed leaf's row is laid out again";

    // Asked, then moved to another row: laid out where it is now.
    second->SetFixedWidth(5);
    row->Remove(second, true);
    other->Add(second);
    windowed.manager.LayOutPending();
    EXPECT_EQ(0, second->GetPos().left);
    EXPECT_EQ(5, second->GetWidth());

    // Asked, then taken out and destroyed: the next pass does not reach it.
    first->SetFixedWidth(12);
    row->Remove(first, true);
    first->Delete();
    windowed.manager.LayOutPending();

    // Hidden, a row that asks waits until it is shown.
    other->SetVisible(false);
    second->SetFixedWidth(7);
    windowed.manager.LayOutPending();
    EXPECT_EQ(5, second->GetWidth());
    other->SetVisible(true);
    windowed.manager.LayOutPending();
    EXPECT_EQ(7, second->GetWidth());
}

TEST(DeferredDestruction, AControlDestroyedBeforeItsTurnIsDestroyedOnce) {
    WindowedManager windowed;
    auto* root = new CVerticalLayoutUI;
    auto* early = new CControlUI;
    auto* late = new CControlUI;
    root->Add(early);
    root->Add(late);
    windowed.manager.AttachRoot(root);
    late->OnDestroy += MakeDelegate(&CountDestroyed);
    // The first one's end takes the second one with it.
    struct Taker {
        CControlUI* victim;
        bool Take(void*) {
            victim->Delete();
            return true;
        }
    } taker{late};
    early->OnDestroy += MakeDelegate(&taker, &Taker::Take);
    g_destroyed = 0;
    root->Remove(early);
    root->Remove(late);
    windowed.window.PumpMessages();
    EXPECT_EQ(1, g_destroyed);
}
