// The row menu and the About window: where the menu opens, what hides it,
// which row its commands act on, and the modal About box.
#include <string>

#include "tests/app/clipboard_probe.h"
#include "tests/app/main_window_fixture.h"
#include "ui/controls/UICheckBox.h"

using namespace SkinUI;

namespace {

class MenuTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        menu = window->GetMenu();
        DropFonts(3);
    }
    void RightClick(CControlUI* control) { Click(CenterOf(control), WM_RBUTTONDOWN, WM_RBUTTONUP); }
    CControlUI* Entry(LPCWSTR name) { return menu->GetManager().FindControlByName(name); }

    CMenuWnd* menu = nullptr;
};

TEST_F(MenuTest, ARightClickOpensTheMenuAtThePointerOverThatRow) {
    const POINT point = CenterOf(window->Cell(2, 1));
    RightClick(window->Cell(2, 1));
    ASSERT_TRUE(::IsWindowVisible(*menu));
    POINT screen = point;
    ::ClientToScreen(hwnd, &screen);
    RECT rect;
    ::GetWindowRect(*menu, &rect);
    EXPECT_EQ(screen.x, rect.left);
    EXPECT_EQ(screen.y, rect.top);
    EXPECT_EQ(117, rect.right - rect.left);
}

TEST_F(MenuTest, ACommandHidesTheMenuAndActsOnTheRightClickedRow) {
    RightClick(window->Cell(2, 1));
    RECT client;
    ::GetClientRect(*menu, &client);
    menu->GetManager().GetRoot()->SetPos(client, false);
    const POINT entry = CenterOf(Entry(L"1"));
    const LPARAM where = MAKELPARAM(entry.x, entry.y);
    ::SendMessageW(*menu, WM_MOUSEMOVE, 0, where);
    ::SendMessageW(*menu, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::SendMessageW(*menu, WM_LBUTTONUP, 0, where);
    EXPECT_FALSE(::IsWindowVisible(*menu));
    Pump();
    EXPECT_EQ(L"C:\\Fonts", ClipboardText());
    EXPECT_EQ(L"已复制路径到剪贴板", TitleText());
}

TEST_F(MenuTest, FocusLossAndEscapeHideTheMenuWithoutEndingIt) {
    RightClick(window->Cell(0, 1));
    ::SendMessageW(*menu, WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(*menu));

    RightClick(window->Cell(0, 1));
    MSG escape = {*menu, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    CUIManager::TranslateMessage(&escape);
    Pump();
    EXPECT_TRUE(::IsWindow(*menu));
    EXPECT_FALSE(::IsWindowVisible(*menu));
    RightClick(window->Cell(1, 1));
    EXPECT_TRUE(::IsWindowVisible(*menu)) << "the same menu opens again";
}

TEST_F(MenuTest, CommandsWithoutARowOrTargetDoNothing) {
    ::SendMessageW(hwnd, WM_TIMER, 1, 0);
    window->GetManager().SendNotify(nullptr, L"copypath");
    menu->SetTarget(nullptr);
    menu->GetManager().SendNotify(Entry(L"4"), L"click");
    Pump();
    EXPECT_EQ(L"墨匣", TitleText());
}

// Runs inside the About window's modal loop: looks, then presses Escape.
struct ModalProbe {
    bool ownerDisabled = false;
    bool aboutShown = false;
};
ModalProbe g_probe;
HWND g_owner = nullptr;

void CALLBACK ProbeAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    HWND about = ::FindWindowW(L"AboutWnd", nullptr);
    g_probe.ownerDisabled = !::IsWindowEnabled(g_owner);
    g_probe.aboutShown = about != nullptr && ::GetWindow(about, GW_OWNER) == g_owner;
    if (about != nullptr) {
        MSG escape = {about, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
        CUIManager::TranslateMessage(&escape);
    }
}

TEST_F(MenuTest, OtherOpensTheAboutWindowModallyUntilEscape) {
    g_probe = ModalProbe();
    g_owner = hwnd;
    ::SetTimer(nullptr, 0, 50, &ProbeAbout);
    window->GetManager().SendNotify(nullptr, L"aboutor");
    EXPECT_TRUE(g_probe.ownerDisabled);
    EXPECT_TRUE(g_probe.aboutShown);
    EXPECT_TRUE(::IsWindowEnabled(hwnd));
    EXPECT_EQ(nullptr, ::FindWindowW(L"AboutWnd", nullptr));
}

}  // namespace
