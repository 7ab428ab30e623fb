// A combo box with its popup as real windows: opening, refilling while open,
// every way the popup ends, and moving the selection by keys and the wheel.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "list_test_support.h"
#include "paint_canvas.h"
#include "ui/controls/UIButton.h"
#include "ui/controls/UIListLabelElement.h"
#include "ui/extra/UICombo.h"

using namespace SkinUI;

namespace {

const wchar_t kThreeRows[] =
    L"<Window><VerticalLayout><Combo name=\"combo\" height=\"24\" itemheight=\"20\" itemtextcolor=\"#FFFF0000\" "
    L"itemselectedtextcolor=\"#FFFF0000\"><ListLabelElement text=\"one\"/><ListLabelElement text=\"two\"/>"
    L"<ListLabelElement text=\"three\"/></Combo><Control/></VerticalLayout></Window>";

// Delivers everything posted to this thread's windows, the popup's included.
void PumpAll() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&msg);
    }
}

RECT ScreenRect(HWND window) {
    RECT rect = {0, 0, 0, 0};
    ::GetWindowRect(window, &rect);
    return rect;
}

LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

struct Counter {
    int count = 0;
    bool Count(void*) {
        ++count;
        return true;
    }
};

CComboUI* FindCombo(CUIManager& manager) {
    return static_cast<CComboUI*>(manager.FindControlByName(L"combo")->GetInterface(L"Combo"));
}

CControlUI* NewRow(LPCWSTR text) {
    auto* row = new CListLabelElementUI;
    row->SetText(text);
    return row;
}

int RedPixels(const PaintCanvas& canvas, const RECT& area) {
    int count = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            count += canvas.Rgb(x, y) == 0xFF0000 ? 1 : 0;
        }
    }
    return count;
}

class Combo : public ::testing::Test {
protected:
    explicit Combo(LPCWSTR skin = kThreeRows) : tree(skin), combo(FindCombo(tree.manager())) {}

    CControlUI* Row(int index) { return combo->GetItemAt(index); }
    HWND Open() {
        EXPECT_TRUE(combo->Activate());
        PumpAll();
        return combo->GetDropWindow();
    }
    void ExpectRowsAtHome() {
        for (int index = 0; index < combo->GetCount(); ++index) {
            EXPECT_EQ(Row(index)->GetManager(), &tree.manager()) << "row " << index;
            EXPECT_EQ(Row(index)->GetParent(), combo) << "row " << index;
        }
    }

    SkinnedTree tree;
    CComboUI* combo;
};

TEST_F(Combo, OpensBelowWithItsRowsLaidOutInThePopup) {
    tree.Click(CentreOf(combo->GetPos()));
    PumpAll();
    const HWND popup = combo->GetDropWindow();
    ASSERT_TRUE(::IsWindow(popup));
    EXPECT_EQ(tree.log.Types(), std::vector<std::wstring>{L"dropdown"});
    EXPECT_NE(combo->GetButtonState() & UISTATE_PUSHED, 0u);

    RECT below = combo->GetPos();
    ::MapWindowPoints(tree.Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&below), 2);
    const RECT place = ScreenRect(popup);
    EXPECT_EQ(place.top, below.bottom);
    EXPECT_EQ(Height(place), 3 * 20 + 4);
    for (int index = 0; index < 3; ++index) {
        EXPECT_NE(Row(index)->GetManager(), &tree.manager());
        EXPECT_EQ(Row(index)->GetPos(), (RECT{1, 1 + 20 * index, place.right - place.left - 1, 21 + 20 * index}));
    }
    // The rows are found only in the popup, never under the combo's window's mouse.
    EXPECT_EQ(tree.manager().FindControl(CentreOf(Row(0)->GetPos())), combo);
}

TEST_F(Combo, RefillingWhileOpenReachesThePopup) {
    combo->SelectItem(2);
    const HWND popup = Open();
    ASSERT_TRUE(::IsWindow(popup));
    CUIManager* popupManager = Row(0)->GetManager();
    CControlUI* two = Row(1);
    Counter twoDestroyed;
    two->OnDestroy += MakeDelegate(&twoDestroyed, &Counter::Count);

    CControlUI* four = NewRow(L"four");
    ASSERT_TRUE(combo->AddAt(four, 1));
    PumpAll();
    EXPECT_EQ(four->GetManager(), popupManager);
    EXPECT_EQ(four->GetPos().top, Row(0)->GetPos().bottom);
    EXPECT_EQ(Height(ScreenRect(popup)), 4 * 20 + 4);
    EXPECT_EQ(combo->GetCurSel(), 3);

    ASSERT_TRUE(combo->Remove(two));
    PumpAll();
    EXPECT_EQ(twoDestroyed.count, 1);
    EXPECT_EQ(Height(ScreenRect(popup)), 3 * 20 + 4);
    EXPECT_EQ(Row(2)->GetPos().top, four->GetPos().bottom) << "the rows close up";
    EXPECT_EQ(combo->GetCurSel(), 2);

    // The selection follows its row; the popup shows the new order.
    CControlUI* three = Row(2);
    ASSERT_TRUE(combo->SetItemIndex(three, 0));
    PumpAll();
    EXPECT_EQ(combo->GetCurSel(), 0);
    EXPECT_EQ(three->GetPos().top, 1);

    combo->RemoveAll();
    PumpAll();
    EXPECT_EQ(Height(ScreenRect(popup)), 4);
    EXPECT_EQ(combo->GetCurSel(), -1);
    CControlUI* again = NewRow(L"again");
    ASSERT_TRUE(combo->Add(again));
    PumpAll();
    EXPECT_EQ(again->GetManager(), popupManager);
    EXPECT_EQ(Height(ScreenRect(popup)), 20 + 4);
    EXPECT_TRUE(::IsWindow(popup)) << "refilling does not close the popup";
}

TEST_F(Combo, AClickOnAPopupRowSelectsItShowsItAndCloses) {
    PaintCanvas canvas(800, 600, 0xFFFFFFFF);
    combo->Paint(canvas.Dc(), combo->GetPos(), nullptr);
    EXPECT_EQ(RedPixels(canvas, combo->GetPos()), 0);

    const HWND popup = Open();
    tree.log.seen.clear();
    const POINT at = CentreOf(Row(2)->GetPos());
    ::SendMessageW(popup, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    ::SendMessageW(popup, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    PumpAll();

    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_EQ(combo->GetDropWindow(), nullptr);
    EXPECT_EQ(combo->GetButtonState() & UISTATE_PUSHED, 0u);
    ASSERT_EQ(tree.log.Types(), std::vector<std::wstring>{L"itemselect"});
    EXPECT_EQ(tree.log.seen[0].wParam, 2u);
    EXPECT_EQ(tree.log.seen[0].lParam, -1);
    EXPECT_EQ(combo->GetText(), L"three");
    ExpectRowsAtHome();
    combo->Paint(canvas.Dc(), combo->GetPos(), nullptr);
    EXPECT_GT(RedPixels(canvas, combo->GetPos()), 0) << "the selected row's text shows in the combo";
}

struct Ending {
    const char* name;
    std::function<void(HWND popup, CComboUI* combo)> end;
    int selectionAfter;  // the popup opened on row 0 and Down moved to row 1
};

TEST_F(Combo, EveryWayThePopupEndsHandsTheRowsBackOnce) {
    const Ending endings[] = {
        {"Return", [](HWND popup, CComboUI*) { ::SendMessageW(popup, WM_KEYDOWN, VK_RETURN, 0); }, 1},
        {"Escape", [](HWND popup, CComboUI*) { ::SendMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0); }, 0},
        {"destroyed", [](HWND popup, CComboUI*) { ::DestroyWindow(popup); }, 1},
        {"focus elsewhere", [this](HWND, CComboUI*) { ::SetFocus(tree.Window()); }, 1},
        {"combo hidden", [](HWND, CComboUI* combo) { combo->SetVisible(false); }, 1},
        {"combo disabled", [](HWND, CComboUI* combo) { combo->SetEnabled(false); }, 1},
    };
    Counter inits;
    for (int index = 0; index < combo->GetCount(); ++index) {
        Row(index)->OnInit += MakeDelegate(&inits, &Counter::Count);
    }
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.name);
        combo->SetVisible(true);
        combo->SetEnabled(true);
        combo->SelectItem(0);
        const HWND popup = Open();
        ASSERT_TRUE(::IsWindow(popup));
        ::SendMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
        ASSERT_TRUE(::IsWindow(popup)) << "keys move the selection without closing";
        ASSERT_EQ(combo->GetCurSel(), 1);

        ending.end(popup, combo);
        PumpAll();
        EXPECT_FALSE(::IsWindow(popup));
        EXPECT_EQ(combo->GetDropWindow(), nullptr);
        EXPECT_EQ(combo->GetCurSel(), ending.selectionAfter);
        EXPECT_EQ(combo->GetCount(), 3);
        ExpectRowsAtHome();
    }
    EXPECT_EQ(inits.count, 0) << "rows are not initialised again";
}

TEST_F(Combo, DestroyingTheOpenComboClosesItsPopupFirst) {
    const HWND popup = Open();
    Counter destroyed;
    for (int index = 0; index < combo->GetCount(); ++index) {
        Row(index)->OnDestroy += MakeDelegate(&destroyed, &Counter::Count);
    }
    auto* parent = static_cast<CContainerUI*>(combo->GetParent());
    ASSERT_TRUE(parent->Remove(combo));
    PumpAll();
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_EQ(destroyed.count, 3);
}

TEST(ComboWindow, DestroyingTheWindowEndsThePopupAndKeepsTheRows) {
    auto window = std::make_unique<TestWindow>();
    CUIManager manager;
    manager.Init(window->Handle());
    window->Route(&manager);
    CLayoutBuilder builder;
    manager.AttachRoot(builder.Create(
        L"<Window><ComboBox name=\"combo\" itemheight=\"20\"><ListLabelElement text=\"one\"/></ComboBox></Window>",
        nullptr, nullptr, &manager));
    ::UpdateWindow(window->Handle());
    CComboUI* combo = FindCombo(manager);
    ASSERT_TRUE(combo->Activate());
    const HWND popup = combo->GetDropWindow();
    ASSERT_TRUE(::IsWindow(popup));

    window.reset();
    PumpAll();
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_EQ(combo->GetDropWindow(), nullptr);
    EXPECT_EQ(combo->GetItemAt(0)->GetManager(), &manager);
    EXPECT_EQ(combo->GetItemAt(0)->GetParent(), combo);
}

TEST(ComboWindow, APopupThatCannotBeMadeLeavesNothingBehind) {
    auto window = std::make_unique<TestWindow>();
    CUIManager manager;
    manager.Init(window->Handle());
    CLayoutBuilder builder;
    manager.AttachRoot(
        builder.Create(L"<Window><Combo name=\"combo\"><ListLabelElement text=\"one\"/></Combo></Window>", nullptr,
                       nullptr, &manager));
    CComboUI* combo = FindCombo(manager);
    NotifyLog log;
    manager.AddNotifier(&log);
    window.reset();

    UIEvent press;
    press.type = UIEVENT_BUTTONDOWN;
    press.sender = combo;
    combo->Event(press);
    EXPECT_EQ(combo->GetDropWindow(), nullptr);
    EXPECT_EQ(combo->GetButtonState() & UISTATE_PUSHED, 0u);
    EXPECT_TRUE(log.seen.empty());
    EXPECT_EQ(combo->GetItemAt(0)->GetManager(), &manager);
    manager.RemoveNotifier(&log);
}

const wchar_t kDisabledTail[] =
    L"<Window><VerticalLayout><Combo name=\"combo\" height=\"24\" itemheight=\"20\">"
    L"<ListLabelElement text=\"one\"/><ListLabelElement text=\"two\"/>"
    L"<ListLabelElement text=\"three\" enabled=\"false\"/><ListLabelElement text=\"four\" enabled=\"false\"/>"
    L"</Combo><Control/></VerticalLayout></Window>";

struct SelectionStep {
    const char* name;
    UINT message;
    WPARAM wParam;
    int expected;  // "itemselect" only when it differs from the step before
};

class ComboSelection : public Combo {
protected:
    ComboSelection() : Combo(kDisabledTail) {}
};

TEST_F(ComboSelection, KeysAndTheWheelNeverLoseTheSelection) {
    const WPARAM wheelDown = MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA));
    const WPARAM wheelUp = MAKEWPARAM(0, WHEEL_DELTA);
    // From row 0; rows 2 and 3 are disabled.
    const SelectionStep steps[] = {
        {"Down", WM_KEYDOWN, VK_DOWN, 1},
        {"Down before disabled rows", WM_KEYDOWN, VK_DOWN, 1},
        {"End before disabled rows", WM_KEYDOWN, VK_END, 1},
        {"wheel down before disabled rows", WM_MOUSEWHEEL, wheelDown, 1},
        {"Up", WM_KEYDOWN, VK_UP, 0},
        {"Up at the top", WM_KEYDOWN, VK_UP, 0},
        {"wheel down", WM_MOUSEWHEEL, wheelDown, 1},
        {"wheel up", WM_MOUSEWHEEL, wheelUp, 0},
        {"End", WM_KEYDOWN, VK_END, 1},
        {"Home", WM_KEYDOWN, VK_HOME, 0},
    };
    RECT onScreen = combo->GetPos();
    ::MapWindowPoints(tree.Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&onScreen), 2);
    const POINT centre = CentreOf(onScreen);
    for (const bool open : {false, true}) {
        combo->SelectItem(0);
        const HWND target = open ? Open() : tree.Window();
        ASSERT_TRUE(::IsWindow(target));
        combo->SetFocus();
        int previous = 0;
        for (const SelectionStep& step : steps) {
            SCOPED_TRACE(std::string(step.name) + (open ? " in the popup" : " on the combo"));
            tree.log.seen.clear();
            ::SendMessageW(target, step.message, step.wParam, MAKELPARAM(centre.x, centre.y));
            EXPECT_EQ(combo->GetCurSel(), step.expected);
            EXPECT_EQ(tree.log.seen.size(), step.expected != previous ? 1u : 0u);
            EXPECT_EQ(combo->GetDropWindow() != nullptr, open) << "the selection moves without opening or closing";
            previous = step.expected;
        }
        if (open) {
            ::SendMessageW(target, WM_KEYDOWN, VK_RETURN, 0);
            PumpAll();
        }
    }
}

TEST_F(ComboSelection, AStaleSelectionCanBeCleared) {
    combo->SelectItem(1);
    // The container's own removal knows nothing of the selection.
    while (combo->GetCount() > 1) {
        combo->CContainerUI::Remove(Row(1));
    }
    ASSERT_EQ(combo->GetCurSel(), 1);
    combo->SelectItem(-1);
    EXPECT_EQ(combo->GetCurSel(), -1);
    EXPECT_EQ(combo->GetText(), L"");
}

TEST(ComboHidden, AComboOnAHiddenPageTakesASelection) {
    std::wstring skin(kThreeRows);
    skin.replace(skin.find(L"<VerticalLayout>"), 16, L"<VerticalLayout visible=\"false\">");
    SkinnedTree tree(skin.c_str());
    auto* combo = static_cast<CComboUI*>(tree.Find<CControlUI>(L"combo")->GetInterface(L"Combo"));
    EXPECT_TRUE(combo->SelectItem(1, false, false));
    EXPECT_EQ(combo->GetText(), L"two");
}

std::wstring ManyRows(int rows) {
    std::wstring skin = L"<Window><VerticalLayout><Control/><Combo name=\"combo\" height=\"24\" itemheight=\"20\">";
    for (int row = 0; row < rows; ++row) {
        skin += L"<ListLabelElement text=\"row\"/>";
    }
    return skin + L"</Combo></VerticalLayout></Window>";
}

class ComboManyRows : public Combo {
protected:
    ComboManyRows() : Combo(ManyRows(80).c_str()) {}
};

TEST_F(ComboManyRows, OpensAboveWhenTheWorkAreaEndsBelow) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(tree.Window(), MONITOR_DEFAULTTONEAREST), &monitor);
    // As high as the work area: below the combo it cannot fit.
    const LONG workHeight = Height(monitor.rcWork);
    combo->SetAttribute(L"dropboxsize", (L"0," + std::to_wstring(workHeight)).c_str());
    const HWND popup = Open();
    ASSERT_TRUE(::IsWindow(popup));
    RECT above = combo->GetPos();
    ::MapWindowPoints(tree.Window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&above), 2);
    const RECT place = ScreenRect(popup);
    EXPECT_EQ(place.bottom, above.top);
    EXPECT_EQ(Height(place), std::min(workHeight, 80L * 20 + 4));
}

const wchar_t kLargeFont[] =
    L"<Window><Font id=\"1\" name=\"Arial\" size=\"40\"/><VerticalLayout><Combo name=\"combo\" height=\"24\" "
    L"itemfont=\"1\" dropboxsize=\"0,400\"><ListLabelElement text=\"one\"/><ListLabelElement text=\"two\"/>"
    L"</Combo><Control/></VerticalLayout></Window>";

class ComboFonts : public Combo {
protected:
    ComboFonts() : Combo(kLargeFont) {}
};

TEST_F(ComboFonts, RowsKeepTheHeightTheyWereMeasuredWithInTheComboWindow) {
    const LONG measured = Row(0)->MeasureSize(SIZE{combo->GetWidth(), 400}).cy;
    ASSERT_GT(measured, 40) << "the combo window's font 1";
    const HWND popup = Open();
    EXPECT_EQ(Height(Row(0)->GetPos()), measured);
    EXPECT_EQ(Height(ScreenRect(popup)), 2 * measured + 4);
}

}  // namespace
