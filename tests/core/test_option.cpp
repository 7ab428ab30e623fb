// Options and check boxes clicked in a window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/manager_probe.h"
#include "ui/controls/UICheckBox.h"
#include "ui/controls/UIOption.h"

using namespace SkinUI;

namespace {

using Strings = std::vector<std::wstring>;

class OptionsInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        tree.manager().AddNotifier(&recorder);
        for (int i = 0; i < 3; ++i) {
            options[i] = tree.Place(new COptionUI, RECT{10 + 50 * i, 10, 50 + 50 * i, 30});
            options[i]->SetName((L"o" + std::to_wstring(i)).c_str());
            options[i]->SetAttribute(L"group", L"g");
        }
        box = tree.Place(new CCheckBoxUI, RECT{10, 50, 50, 70});
        box->SetName(L"box");
        tree.Settle();
    }
    void TearDown() override { tree.manager().RemoveNotifier(&recorder); }

    ProbeTree tree;
    NotifyRecorder recorder;
    COptionUI* options[3] = {};
    CCheckBoxUI* box = nullptr;
};

TEST_F(OptionsInWindow, OneOfAGroupIsSelectedAndOnlyTheNewOneTellsOfIt) {
    options[0]->SetAttribute(L"selected", L"true");
    EXPECT_EQ(recorder.Take(), Strings{L"selectchanged:o0"});
    tree.Click(options[1]);
    EXPECT_EQ(recorder.Take(), (Strings{L"click:o1", L"selectchanged:o1"}));
    EXPECT_FALSE(options[0]->IsSelected());
    EXPECT_TRUE(options[1]->IsSelected());
    tree.Click(options[1]);
    EXPECT_EQ(recorder.Take(), Strings{L"click:o1"}) << "a selected member stays selected";
    EXPECT_TRUE(options[1]->IsSelected());

    // A member that is no option is passed over, not taken for one.
    CControlUI stranger;
    tree.manager().AddOptionGroup(L"g", &stranger);
    tree.Click(options[2]);
    EXPECT_EQ(recorder.Take(), (Strings{L"click:o2", L"selectchanged:o2"}));
    tree.manager().RemoveOptionGroup(L"g", &stranger);
}

TEST_F(OptionsInWindow, ACheckBoxTogglesAndAnOptionGroupedBeforeAttachingSelectsItself) {
    tree.Click(box);
    EXPECT_EQ(recorder.Take(), (Strings{L"click:box", L"selectchanged:box"}));
    EXPECT_TRUE(box->GetCheck());
    tree.Click(box);
    EXPECT_EQ(recorder.Take(), (Strings{L"click:box", L"selectchanged:box"}));
    EXPECT_FALSE(box->GetCheck());

    COptionUI early;
    early.SetName(L"early");
    early.SetAttribute(L"group", L"not yet");
    early.SetManager(&tree.manager(), nullptr, false);
    early.Selected(true);
    EXPECT_TRUE(early.IsSelected());
    EXPECT_EQ(recorder.Take(), Strings{L"selectchanged:early"});
    early.SetEnabled(false);
    EXPECT_EQ(early.GetButtonState(), UINT(UISTATE_SELECTED)) << "disabling keeps the selection";
}

TEST(OptionGroups, AnOptionLeavesItsGroupWhenItLeavesTheManager) {
    CUIManager manager;
    auto* option = new COptionUI;
    option->SetManager(&manager, nullptr, false);  // as a skin's attributes are applied
    option->SetAttribute(L"group", L"g");
    option->SetManager(nullptr, nullptr, false);
    delete option;
    EXPECT_EQ(manager.GetOptionGroup(L"g"), nullptr);
}

}  // namespace
