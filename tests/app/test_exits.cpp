// Every way the main window ends unmounts every listed font and leaves an
// empty journal: its own buttons, Escape, a close from outside, the end of the
// session, and each of them while a large batch is still loading.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/main_window_fixture.h"
#include "tests/core/temp_folder.h"

using namespace SkinUI;

namespace {

enum class Exit { CloseButton, CloseWindowButton, Escape, CloseFromOutside, SystemClose, EndOfSession };

struct ExitCase {
    const char* name;
    Exit exit;
    bool windowEnds;
};

const ExitCase kExits[] = {
    {"CloseButton", Exit::CloseButton, true}, {"CloseWindowButton", Exit::CloseWindowButton, true},
    {"Escape", Exit::Escape, true},           {"CloseFromOutside", Exit::CloseFromOutside, true},
    {"SystemClose", Exit::SystemClose, true}, {"EndOfSession", Exit::EndOfSession, false},
};

class ExitTest : public MainWindowTest, public ::testing::WithParamInterface<ExitCase> {
protected:
    // Ends the window the case's way. The end of the session is checked when
    // WM_ENDSESSION returns, as the process may be ended right then.
    void EndTheCaseWay() {
        switch (GetParam().exit) {
        case Exit::CloseButton:
            Press(Named(L"closebtn"));
            break;
        case Exit::CloseWindowButton:
            Press(Named(L"closewnd"));
            break;
        case Exit::Escape: {
            MSG escape = {hwnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
            CUIManager::TranslateMessage(&escape);
            break;
        }
        case Exit::CloseFromOutside:
            ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
            break;
        case Exit::SystemClose:
            ::PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case Exit::EndOfSession:
            EXPECT_TRUE(::SendMessageW(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
            ::SendMessageW(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
            return;
        }
        for (int wait = 0; wait < 200 && ::IsWindow(hwnd); ++wait) {
            Pump();
            ::Sleep(5);
        }
        EXPECT_EQ(GetParam().windowEnds, !::IsWindow(hwnd));
    }

    // A click that lays nothing out afterwards: the window may be gone by then.
    void Press(CControlUI* button) {
        const POINT point = CenterOf(button);
        const LPARAM where = MAKELPARAM(point.x, point.y);
        ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, where);
        ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
        ::SendMessageW(hwnd, WM_LBUTTONUP, 0, where);
    }

    // The paths given to the font system's removal since call `first`.
    std::vector<std::wstring> UnmountedSince(size_t first) const {
        std::vector<std::wstring> paths;
        const std::wstring unmount = L"unmount ";
        for (size_t index = first; index < fonts.calls.size(); ++index) {
            if (fonts.calls[index].compare(0, unmount.size(), unmount) == 0) {
                paths.push_back(fonts.calls[index].substr(unmount.size()));
            }
        }
        return paths;
    }
};

TEST_P(ExitTest, UnmountsEveryListedFontAndEmptiesTheJournal) {
    DropFonts(3);
    ASSERT_EQ(3u, journal.Read().size());
    const size_t before = fonts.calls.size();
    EndTheCaseWay();
    EXPECT_EQ(std::vector<std::wstring>({FontPath(0), FontPath(1), FontPath(2)}), UnmountedSince(before));
    EXPECT_TRUE(fonts.mounted.empty());
    EXPECT_TRUE(journal.Read().empty());
}

TEST_P(ExitTest, DuringALargeLoadLeavesNothingMountedAndTheLoadStops) {
    TempFolder folder;
    std::vector<std::wstring> files;
    for (int i = 1; i <= 200; ++i) {
        files.push_back(folder.Write(L"f" + std::to_wstring(i) + L".ttf", ""));
    }
    fonts.mountMilliseconds = 2;
    FakeDrop drop{{folder.Path()}};
    ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop.Handle()), 0);
    while (window->IsLoading() && fonts.References(files[19]) == 0) {
        Pump();  // the worker mounts once the window has journalled the files
        ::Sleep(1);
    }
    ASSERT_TRUE(window->IsLoading());
    EndTheCaseWay();
    const size_t calls = fonts.calls.size();
    ::Sleep(50);
    EXPECT_EQ(calls, fonts.calls.size()) << "no worker mounts after the end";
    EXPECT_TRUE(fonts.mounted.empty());
    EXPECT_TRUE(journal.Read().empty());
    EXPECT_LT(calls, 3 * files.size()) << "the load stopped after the file in progress";
}

TEST_P(ExitTest, AFontTheSystemKeepsStaysInTheJournalForTheNextStart) {
    DropFonts(3);
    fonts.inUse.insert(FontPath(1));
    EndTheCaseWay();
    EXPECT_EQ(std::vector<std::wstring>({FontPath(1)}), journal.Read());
    EXPECT_EQ(1, fonts.References(FontPath(1)));
    EXPECT_EQ(0, fonts.References(FontPath(0)));
}

INSTANTIATE_TEST_SUITE_P(Ways, ExitTest, ::testing::ValuesIn(kExits),
                         [](const ::testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, AQueryForTheEndOfTheSessionChangesNothing) {
    DropFonts(2);
    EXPECT_TRUE(::SendMessageW(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    ::SendMessageW(hwnd, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_EQ(2, window->Registry().Count()) << "a cancelled end keeps the fonts";
    EXPECT_EQ(1, fonts.References(FontPath(1)));
}

// Closes the main window from outside while its About window runs modally.
HWND g_mainWindow = nullptr;

void CALLBACK CloseOwnerOfAbout(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::PostMessageW(g_mainWindow, WM_CLOSE, 0, 0);
}

TEST_F(MainWindowTest, ACloseFromOutsideWhileTheAboutWindowIsOpenEndsBothAndUnmounts) {
    DropFonts(2);
    g_mainWindow = hwnd;
    ::SetTimer(nullptr, 0, 50, &CloseOwnerOfAbout);
    window->GetManager().SendNotify(nullptr, L"aboutor", 0, 0, true);
    for (int wait = 0; wait < 200 && ::IsWindow(hwnd); ++wait) {
        Pump();
        ::Sleep(5);
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(nullptr, ::FindWindowW(L"AboutWnd", nullptr));
    EXPECT_TRUE(fonts.mounted.empty());
}

}  // namespace
