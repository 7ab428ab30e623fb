// Skins becoming control trees: resources registered, elements created by
// name or by the callback, children built before their parent is configured.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/location_reset.h"
#include "tests/core/temp_folder.h"
#include "tests/core/ui_test_window.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/manager/UIManager.h"
#include "ui/core/resources/UIResourceLocation.h"
#include "ui/core/window/UILayoutBuilder.h"

using namespace SkinUI;

namespace {

// A control the callback makes: it records what it saw when its attributes arrived.
class ProbeUI : public CControlUI {
public:
    static int alive;
    ProbeUI() { ++alive; }
    ~ProbeUI() override { --alive; }
    void SetAttribute(LPCWSTR name, LPCWSTR value) override {
        if (wcscmp(name, L"probe") == 0) {
            hadManagerWhenConfigured = GetManager() != nullptr;
        }
        CControlUI::SetAttribute(name, value);
    }
    bool hadManagerWhenConfigured = false;
};
int ProbeUI::alive = 0;

// A container that records how many children it had when its attributes arrived.
class ProbeBoxUI : public CContainerUI {
public:
    void SetAttribute(LPCWSTR name, LPCWSTR value) override {
        if (wcscmp(name, L"probe") == 0) {
            childrenWhenConfigured = GetCount();
        }
        CContainerUI::SetAttribute(name, value);
    }
    int childrenWhenConfigured = -1;
};

class RecordingCallback : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(LPCWSTR className) override {
        asked.push_back(className);
        if (_wcsicmp(className, L"Probe") == 0) {
            return new ProbeUI;
        }
        if (_wcsicmp(className, L"ProbeBox") == 0) {
            return new ProbeBoxUI;
        }
        return nullptr;
    }
    std::vector<std::wstring> asked;
};

CContainerUI* AsContainer(CControlUI* control) {
    return static_cast<CContainerUI*>(control->GetInterface(L"Container"));
}

class LayoutBuilderTest : public ::testing::Test {
protected:
    ~LayoutBuilderTest() override { delete root; }

    CControlUI* Build(LPCWSTR markup) {
        CLayoutBuilder builder;
        root = builder.Create(markup, nullptr, &callback, &manager);
        return root;
    }

    CUIManager manager;
    RecordingCallback callback;
    CControlUI* root = nullptr;
};

TEST_F(LayoutBuilderTest, RegistersFontsAndReturnsTheFirstControl) {
    CControlUI* control = Build(
        L"<Window><Font id=\"0\" name=\"Tahoma\" size=\"13\"/><Font name=\"NoId\" size=\"20\"/>"
        L"<Font id=\"-2\" name=\"Negative\"/><Font id=\"7\" name=\"Tahoma\" bold=\"TRUE\"/>"
        L"<VerticalLayout/><HorizontalLayout/></Window>");
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->GetClass(), L"VerticalLayout");
    FontEntry* font = manager.GetFontInfo(0);
    EXPECT_EQ(font->size, 13);
    EXPECT_FALSE(font->bold);
    EXPECT_EQ(manager.GetFontInfo(7)->size, 12);
    EXPECT_TRUE(manager.GetFontInfo(7)->bold);
    EXPECT_EQ(manager.FindFont(L"NoId", 20, false, false, false), nullptr);
    EXPECT_EQ(manager.FindFont(L"Negative", 12, false, false, false), nullptr);
}

TEST_F(LayoutBuilderTest, ClassDefaultsComeFirstAndTheElementsOwnAttributesWin) {
    CControlUI* control = Build(
        L"<Window><Default name=\"Control\" value=\"width=&quot;30&quot; height=&quot;40&quot;\"/>"
        L"<VerticalLayout><Control height=\"9\"/></VerticalLayout></Window>");
    ASSERT_NE(control, nullptr);
    CControlUI* child = AsContainer(control)->GetItemAt(0);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetFixedWidth(), 30);
    EXPECT_EQ(child->GetFixedHeight(), 9);
    EXPECT_STREQ(manager.GetClassDefaults(L"Control"), L"width=\"30\" height=\"40\"");
}

TEST_F(LayoutBuilderTest, ElementNamesIgnoreCaseAndUnknownOnesGoToTheCallback) {
    CControlUI* control = Build(
        L"<Window><verticallayout><HBOX/><Probe/><Nobody><Control/></Nobody>"
        L"</verticallayout></Window>");
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->GetClass(), L"VerticalLayout");
    CContainerUI* layout = AsContainer(control);
    ASSERT_EQ(layout->GetCount(), 2);
    EXPECT_STREQ(layout->GetItemAt(0)->GetClass(), L"HorizontalLayout");
    EXPECT_EQ(callback.asked, (std::vector<std::wstring>{L"Probe", L"Nobody"}));
}

TEST_F(LayoutBuilderTest, AttributesArriveAfterTheControlsOwnChildrenAreBuilt) {
    CControlUI* control = Build(
        L"<Window><VerticalLayout><ProbeBox probe=\"1\"><Probe probe=\"1\"/><Control/>"
        L"</ProbeBox></VerticalLayout></Window>");
    ASSERT_NE(control, nullptr);
    auto* box = static_cast<ProbeBoxUI*>(AsContainer(control)->GetItemAt(0));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->childrenWhenConfigured, 2);
    auto* probe = static_cast<ProbeUI*>(box->GetItemAt(0));
    ASSERT_NE(probe, nullptr);
    EXPECT_TRUE(probe->hadManagerWhenConfigured);
    // The built tree is left detached; the window attaches it later.
    EXPECT_EQ(probe->GetManager(), nullptr);
}

TEST_F(LayoutBuilderTest, ACoverChildOverlaysItsParentInsteadOfBeingAnItem) {
    CControlUI* control = Build(
        L"<Window><VerticalLayout><Control name=\"over\" cover=\"true\"/>"
        L"<Control cover=\"TRUE\"/></VerticalLayout></Window>");
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->GetCover(), nullptr);
    EXPECT_EQ(control->GetCover()->GetName(), L"over");
    EXPECT_EQ(AsContainer(control)->GetCount(), 1);
}

TEST_F(LayoutBuilderTest, ChildrenOfAControlWithoutContainerAreDestroyedNotLeaked) {
    const int before = ProbeUI::alive;
    CControlUI* control = Build(L"<Window><Control><Probe/><Probe/></Control></Window>");
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->GetClass(), L"Control");
    EXPECT_EQ(ProbeUI::alive, before);
}

TEST_F(LayoutBuilderTest, AnIncludeWithACountAddsThatManyCopies) {
    CControlUI* control = Build(
        L"<Window><VerticalLayout><Control name=\"a\"/>"
        L"<Include source=\"&lt;Box&gt;&lt;HBox/&gt;&lt;/Box&gt;\" count=\"3\"/>"
        L"<Include source=\"&lt;Box&gt;&lt;VBox/&gt;&lt;/Box&gt;\" count=\"0\"/>"
        L"<Include/></VerticalLayout></Window>");
    ASSERT_NE(control, nullptr);
    CContainerUI* layout = AsContainer(control);
    ASSERT_EQ(layout->GetCount(), 4);
    for (int i = 1; i < 4; ++i) {
        EXPECT_STREQ(layout->GetItemAt(i)->GetClass(), L"HorizontalLayout");
    }
}

TEST_F(LayoutBuilderTest, ASkinThatIncludesItselfStopsAtTheDepthLimit) {
    LocationReset location;
    TempFolder folder;
    const char skin[] = "<Box><HBox/><Include source=\"self.xml\"/></Box>";
    folder.Write(L"self.xml", skin, sizeof(skin) - 1);
    CResourceLocation::SetResourcePath(folder.Path().c_str());
    CControlUI* control = Build(L"<Window><VerticalLayout><Include source=\"self.xml\"/></VerticalLayout></Window>");
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(AsContainer(control)->GetCount(), 16);
}

TEST(LayoutBuilderSources, ResourceNumbersFilesAndBadSourcesLoadOrFail) {
    LocationReset location;
    CResourceLocation::SetInstance(GetModuleHandleW(nullptr));
    RecordingCallback callback;
    CLayoutBuilder fromResource;
    // Resource 9101 holds a Window with one Label, an element the builder knows without the callback.
    CControlUI* label = fromResource.Create(MAKEINTRESOURCEW(9101), L"XML", &callback);
    ASSERT_NE(label, nullptr);
    EXPECT_STREQ(label->GetClass(), L"Label");
    EXPECT_TRUE(callback.asked.empty());
    delete label;
    EXPECT_TRUE(fromResource.GetMarkup()->IsValid());

    CLayoutBuilder missing;
    EXPECT_EQ(missing.Create(MAKEINTRESOURCEW(9999), L"XML"), nullptr);
    EXPECT_FALSE(missing.GetMarkup()->IsValid());
    CLayoutBuilder none;
    EXPECT_EQ(none.Create(static_cast<LPCWSTR>(nullptr)), nullptr);
    CLayoutBuilder unreadable;
    EXPECT_EQ(unreadable.Create(L"no-such-skin.xml"), nullptr);
    CLayoutBuilder broken;
    EXPECT_EQ(broken.Create(L"<Window><VerticalLayout></Window>"), nullptr);
}

TEST(LayoutBuilderWindow, TheRootsAttributesBecomeWindowSettingsOnlyForAWindow) {
    WindowedManager windowed;
    CLayoutBuilder builder;
    delete builder.Create(L"<Window caption=\"0,0,0,32\" mininfo=\"300,200\"><Control/></Window>", nullptr, nullptr,
                          &windowed.manager);
    EXPECT_EQ(windowed.manager.GetCaptionRect().bottom, 32);
    EXPECT_EQ(windowed.manager.GetMinInfo().cx, 300);

    CLayoutBuilder other;
    delete other.Create(L"<Dialog caption=\"0,0,0,50\"><Control/></Dialog>", nullptr, nullptr, &windowed.manager);
    EXPECT_EQ(windowed.manager.GetCaptionRect().bottom, 32);
}

}  // namespace
