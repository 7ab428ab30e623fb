// Skinned windows on screen: built from a skin on creation, with caption and
// size-box hit testing, system buttons, Escape (its own, not a child
// window's), modal loops and the end of life on the final message.

#include <gtest/gtest.h>

#include <string>

#include "tests/core/location_reset.h"
#include "ui/core/control/UIContainer.h"
#include "ui/core/control/UIControl.h"
#include "ui/core/resources/UIResourceLocation.h"
#include "ui/core/window/UIWindowImplBase.h"

using namespace SkinUI;

namespace {

// Answers to the class name of a button, so hit testing treats it as one.
class ButtonLikeUI : public CControlUI {
public:
    LPCWSTR GetClass() const override { return L"Button"; }
};

class TestSkinWindow : public WindowImplBase {
public:
    explicit TestSkinWindow(CUIString skin, int resourceType = UISKIN_FILE, bool* finalMessage = nullptr)
        : m_skin(skin), m_resourceType(resourceType), m_finalMessage(finalMessage) {}

    // Hidden: mapping a window takes Wine seconds without a window manager.
    HWND CreateOnScreen(HWND owner = nullptr) { return Create(owner, L"test", WS_POPUP, 0, 100, 100, 400, 300); }

    CControlUI* CreateControl(LPCWSTR className) override {
        return wcscmp(className, L"ButtonLike") == 0 ? new ButtonLikeUI : nullptr;
    }

    int initCalls = 0;
    int movesWhileCreating = 0;

protected:
    LRESULT OnCreate(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override {
        m_creating = true;
        const LRESULT result = WindowImplBase::OnCreate(message, wParam, lParam, handled);
        m_creating = false;
        return result;
    }
    LRESULT HandleCustomMessage(UINT message, WPARAM, LPARAM, bool&) override {
        movesWhileCreating += message == WM_WINDOWPOSCHANGING && m_creating ? 1 : 0;
        return 0;
    }
    LPCWSTR GetWindowClassName() const override { return L"SkinUITestSkinWindow"; }
    CUIString GetSkinFolder() override { return L""; }
    CUIString GetSkinFile() override { return m_skin; }
    int GetResourceType() const override { return m_resourceType; }
    void InitWindow() override { ++initCalls; }
    void OnFinalMessage(HWND hwnd) override {
        WindowImplBase::OnFinalMessage(hwnd);
        if (m_finalMessage != nullptr) {
            *m_finalMessage = true;
            delete this;
        }
    }

private:
    CUIString m_skin;
    int m_resourceType;
    bool* m_finalMessage;
    bool m_creating = false;
};

constexpr wchar_t kSkin[] =
    L"<Window caption=\"0,0,0,30\" sizebox=\"4,4,4,4\"><VerticalLayout><HorizontalLayout height=\"30\">"
    L"<Control name=\"drag\" width=\"100\"/><ButtonLike name=\"closebtn\" width=\"40\"/></HorizontalLayout>"
    L"<Control name=\"body\"/></VerticalLayout></Window>";

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

LRESULT HitTest(HWND hwnd, int clientX, int clientY) {
    POINT point = {clientX, clientY};
    ::ClientToScreen(hwnd, &point);
    return ::SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
}

class WindowBase : public ::testing::Test {
protected:
    void SetUp() override { CResourceLocation::SetInstance(::GetModuleHandleW(nullptr)); }
    LocationReset location;
};

TEST_F(WindowBase, ASkinGivenAsMarkupBecomesTheAttachedTree) {
    TestSkinWindow window(kSkin);
    ASSERT_NE(window.CreateOnScreen(), nullptr);
    EXPECT_EQ(window.initCalls, 1);
    ASSERT_NE(window.GetManager().GetRoot(), nullptr);
    EXPECT_NE(window.GetManager().FindControlByName(L"drag"), nullptr);
    // The caption is gone: the whole window is client area.
    EXPECT_EQ(::GetWindowLongW(window.GetHWND(), GWL_STYLE) & WS_CAPTION, 0);
    ::DestroyWindow(window.GetHWND());
}

// The window stays where its creator put it, takes the skin's size when the
// skin has one, and is all client area either way. A popup is made that way
// and never moved; an overlapped window, which the system gives a caption,
// changes its frame once.
TEST_F(WindowBase, TheWindowKeepsItsPlaceTakesTheSkinsSizeAndLosesItsFrame) {
    const struct {
        LPCWSTR skin;
        DWORD style;
        SIZE size;
        int moves;
    } cases[] = {
        {L"<Window size=\"260,180\"><Control/></Window>", WS_POPUP | WS_CAPTION | WS_THICKFRAME, {260, 180}, 0},
        {L"<Window><Control/></Window>", WS_POPUP | WS_CAPTION | WS_THICKFRAME, {400, 300}, 0},
        {L"<Window size=\"260,180\"><Control/></Window>", WS_OVERLAPPEDWINDOW, {260, 180}, 1},
        {L"<Window><Control/></Window>", WS_OVERLAPPEDWINDOW, {400, 300}, 1},
    };
    for (const auto& c : cases) {
        TestSkinWindow window(c.skin);
        const HWND hwnd = window.Create(nullptr, L"test", c.style, 0, 100, 90, 400, 300);
        ASSERT_NE(hwnd, nullptr);
        RECT outer;
        RECT client;
        ::GetWindowRect(hwnd, &outer);
        ::GetClientRect(hwnd, &client);
        EXPECT_EQ(100, outer.left) << c.skin;
        EXPECT_EQ(90, outer.top) << c.skin;
        EXPECT_EQ(c.size.cx, outer.right - outer.left) << c.skin;
        EXPECT_EQ(c.size.cy, outer.bottom - outer.top) << c.skin;
        EXPECT_EQ(c.size.cx, client.right) << c.skin;
        EXPECT_EQ(c.size.cy, client.bottom) << c.skin;
        EXPECT_EQ(0, ::GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION) << c.skin;
        EXPECT_EQ(c.moves, window.movesWhileCreating) << c.skin << " " << c.style;
        ::DestroyWindow(hwnd);
    }
}

TEST_F(WindowBase, ASkinFromAProgramResourceIsBuiltByNumber) {
    TestSkinWindow window(L"9701", UISKIN_RESOURCE);
    ASSERT_NE(window.CreateOnScreen(), nullptr);
    EXPECT_NE(window.GetManager().FindControlByName(L"body"), nullptr);
    EXPECT_EQ(window.GetManager().GetRoundCorner().cx, 6);
    ::DestroyWindow(window.GetHWND());
}

TEST_F(WindowBase, TheCaptionDragsExceptOverButtonsAndTheSizeBoxResizes) {
    TestSkinWindow window(kSkin);
    HWND hwnd = window.CreateOnScreen();
    ASSERT_NE(hwnd, nullptr);
    RECT client;
    ::GetClientRect(hwnd, &client);
    window.GetManager().GetRoot()->SetPos(client);
    EXPECT_EQ(HitTest(hwnd, 50, 15), HTCAPTION);
    EXPECT_EQ(HitTest(hwnd, 120, 15), HTCLIENT) << "a button in the caption";
    EXPECT_EQ(HitTest(hwnd, 50, 100), HTCLIENT) << "below the caption";
    EXPECT_EQ(HitTest(hwnd, 2, 2), HTTOPLEFT);
    EXPECT_EQ(HitTest(hwnd, 397, 2), HTTOPRIGHT);
    EXPECT_EQ(HitTest(hwnd, 200, 298), HTBOTTOM);
    EXPECT_EQ(HitTest(hwnd, 2, 150), HTLEFT);
    EXPECT_EQ(HitTest(hwnd, 4, 150), HTCLIENT) << "the size box edge itself is inside";
    ::DestroyWindow(hwnd);
}

TEST_F(WindowBase, MaximiseSwapsTheSystemButtonsAndReportsNoResizeBorders) {
    TestSkinWindow window(L"9701", UISKIN_RESOURCE);
    HWND hwnd = window.CreateOnScreen();
    ASSERT_NE(hwnd, nullptr);
    CControlUI* maximise = window.GetManager().FindControlByName(L"maxbtn");
    CControlUI* restore = window.GetManager().FindControlByName(L"restorebtn");
    ::SendMessageW(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(::IsZoomed(hwnd));
    EXPECT_FALSE(maximise->IsVisible());
    EXPECT_TRUE(restore->IsVisible());
    EXPECT_NE(HitTest(hwnd, 1, 1), HTTOPLEFT);
    ::SendMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(::IsZoomed(hwnd));
    EXPECT_TRUE(maximise->IsVisible());
    EXPECT_FALSE(restore->IsVisible());
    ::SendMessageW(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(::IsIconic(hwnd));
    ::DestroyWindow(hwnd);
}

TEST_F(WindowBase, AClickOnCloseAndEscapeCloseTheWindowAndTheObjectEndsItself) {
    bool ended = false;
    auto* window = new TestSkinWindow(kSkin, UISKIN_FILE, &ended);
    HWND hwnd = window->CreateOnScreen();
    ASSERT_NE(hwnd, nullptr);
    window->GetManager().SendNotify(window->GetManager().FindControlByName(L"closebtn"), L"click");
    Pump();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(::IsWindow(hwnd));

    ended = false;
    window = new TestSkinWindow(kSkin, UISKIN_FILE, &ended);
    hwnd = window->CreateOnScreen();
    MSG escape = {hwnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    CUIManager::TranslateMessage(&escape);
    Pump();
    EXPECT_TRUE(ended);
}

TEST_F(WindowBase, EscapeTypedIntoANativeChildWindowIsThatWindowsOwn) {
    bool ended = false;
    auto* window = new TestSkinWindow(kSkin, UISKIN_FILE, &ended);
    const HWND hwnd = window->CreateOnScreen();
    ASSERT_NE(hwnd, nullptr);
    const HWND child =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, hwnd, nullptr, nullptr, nullptr);
    ::SetFocus(child);
    ASSERT_EQ(::GetFocus(), child);
    MSG escape = {child, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    CUIManager::TranslateMessage(&escape);
    Pump();
    EXPECT_FALSE(ended);
    ::DestroyWindow(hwnd);
    EXPECT_TRUE(ended);
}

TEST_F(WindowBase, ShowModalDisablesTheOwnerAndReturnsTheCloseResult) {
    TestSkinWindow owner(kSkin);
    HWND ownerWindow = owner.CreateOnScreen();
    bool ended = false;
    auto* dialog = new TestSkinWindow(kSkin, UISKIN_FILE, &ended);
    HWND dialogWindow = dialog->CreateOnScreen(ownerWindow);
    ASSERT_NE(dialogWindow, nullptr);
    // Checked from inside the loop, then the dialog closes itself with 7.
    static bool ownerDisabledInLoop;
    ownerDisabledInLoop = false;
    ::SetTimer(dialogWindow, 1, 10, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(hwnd, id);
        ownerDisabledInLoop = !::IsWindowEnabled(::GetWindow(hwnd, GW_OWNER));
        ::PostMessageW(hwnd, WM_CLOSE, 7, 0);
    });
    EXPECT_EQ(dialog->ShowModal(), 7u);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(ownerDisabledInLoop);
    EXPECT_TRUE(::IsWindowEnabled(ownerWindow));
    ::DestroyWindow(ownerWindow);
}

// Run only as the child process of the test below.
TEST(WindowBaseChild, DISABLED_AMissingSkinEndsTheProcess) {
    CResourceLocation::SetInstance(::GetModuleHandleW(nullptr));
    TestSkinWindow window(L"no-such-skin.xml");
    window.CreateOnScreen();
    ADD_FAILURE() << "the process should have ended";
}

TEST(WindowBaseProcess, AMissingSkinShowsTheMessageBoxAndExitsWithOne) {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(exe) +
                           L"\" --gtest_also_run_disabled_tests "
                           L"--gtest_filter=WindowBaseChild.DISABLED_AMissingSkinEndsTheProcess";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(
        ::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    std::wstring message;
    for (int i = 0; i < 300 && ::WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT; ++i) {
        HWND box = ::FindWindowW(L"#32770", L"SkinUI");
        if (box != nullptr) {
            ::EnumChildWindows(
                box,
                [](HWND child, LPARAM found) {
                    wchar_t text[64] = {};
                    ::GetWindowTextW(child, text, 64);
                    if (wcscmp(text, L"加载资源文件失败") == 0) {
                        *reinterpret_cast<std::wstring*>(found) = text;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&message));
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    EXPECT_EQ(message, L"加载资源文件失败");
    EXPECT_EQ(exitCode, 1u);
}

}  // namespace
