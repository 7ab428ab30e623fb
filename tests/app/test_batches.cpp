// Batches as the main window runs them: what it says about files it could
// not load, the font-change broadcast, and large folders that load behind a
// window that keeps answering, in order, and leave nothing when it closes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/main_window_fixture.h"
#include "tests/core/temp_folder.h"
#include "ui/controls/UICheckBox.h"

namespace {

// A top-level window of the test that counts the WM_FONTCHANGE broadcasts it receives.
class FontChangeCounter {
public:
    FontChangeCounter() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"QuilletFontChangeCounter";
        RegisterClassW(&windowClass);
        m_hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
        s_count = 0;
    }
    ~FontChangeCounter() { DestroyWindow(m_hwnd); }
    int Count() const { return s_count; }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_FONTCHANGE) {
            ++s_count;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    static inline int s_count = 0;
    HWND m_hwnd;
};

class BatchTest : public MainWindowTest {
protected:
    void Drop(const std::vector<std::wstring>& paths) {
        FakeDrop drop{paths};
        ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop.Handle()), 0);
    }
    // A folder of `count` files with font names, the first one "f1.ttf".
    std::wstring FolderOfFonts(int count) {
        for (int i = 1; i <= count; ++i) {
            folder.Write(L"f" + std::to_wstring(i) + L".ttf", "");
        }
        return folder.Path();
    }

    TempFolder folder;
};

TEST_F(BatchTest, FilesThatDidNotLoadAreCountedAndAFolderWithoutFontsIsOne) {
    fonts.mountAlwaysSucceeds = false;
    fonts.fontFiles = {FontPath(0)};
    TempFolder empty;
    Drop({FontPath(0), L"C:\\notes.ttf", empty.Path()});
    WaitForLoad();
    EXPECT_EQ(L"未能加载: 2个文件", TitleText());
    EXPECT_EQ(L"C:\\Fonts\\font0.ttf", std::wstring(window->Cell(0, 1)->GetToolTip().GetData()))
        << "the path cell's tooltip shows the whole path";
}

TEST_F(BatchTest, OtherProgramsHearOfChangesOnlyWhenTheBoxIsChecked) {
    FontChangeCounter counter;
    DropFonts(2);
    EXPECT_EQ(0, counter.Count()) << "unchecked at start";

    static_cast<SkinUI::CCheckBoxUI*>(Named(L"notifyothers")->GetInterface(L"CheckBox"))->Selected(true, false);
    DropFonts(20, 2);
    EXPECT_EQ(1, counter.Count()) << "once for a batch, however many fonts";
    Click(window->Cell(0, 3));
    EXPECT_EQ(2, counter.Count());
    fonts.mountAlwaysSucceeds = false;
    Drop({L"C:\\notes.ttf"});
    WaitForLoad();
    EXPECT_EQ(2, counter.Count()) << "a batch that mounted nothing changed nothing";
    Click(Named(L"removeall"));
    EXPECT_EQ(3, counter.Count());
}

TEST_F(BatchTest, ALargeFolderLoadsBehindAnAnsweringWindowAndLaterDropsWaitTheirTurn) {
    fonts.mountMilliseconds = 2;
    Drop({FolderOfFonts(200)});
    ASSERT_TRUE(window->IsLoading()) << "more than 16 files go to the worker";
    Drop({FontPath(0)});
    EXPECT_EQ(0, window->Registry().Count()) << "the small drop waits for the load";
    bool progressSeen = false;
    for (int wait = 0; wait < 2000 && window->IsLoading(); ++wait) {
        Pump();
        progressSeen = progressSeen || TitleText().rfind(L"正在加载: ", 0) == 0;
        ::Sleep(5);
    }
    WaitForLoad();
    EXPECT_TRUE(progressSeen);
    ASSERT_EQ(201, window->Registry().Count());
    EXPECT_EQ(folder.Path() + L"f1.ttf", window->Registry().PathAt(0));
    EXPECT_EQ(folder.Path() + L"f2.ttf", window->Registry().PathAt(1)) << "Explorer's order";
    EXPECT_EQ(FontPath(0), window->Registry().PathAt(200)) << "the drop made during the load comes after it";
    EXPECT_EQ(L"墨匣", TitleText()) << "the progress gives the title back";
    EXPECT_EQ(L"f1.ttf", CellText(0, 0)) << "rows are filled when the load ends";
}

// The longest a message waits while `work` runs on this thread and what it
// leaves for the message loop is dispatched.
template <typename Work>
double LongestWait(CQuilletMain* window, Work&& work) {
    double longest = 0;
    const auto timed = [&longest](auto&& step) {
        LARGE_INTEGER frequency, start, end;
        ::QueryPerformanceFrequency(&frequency);
        ::QueryPerformanceCounter(&start);
        step();
        ::QueryPerformanceCounter(&end);
        const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
        longest = seconds > longest ? seconds : longest;
    };
    timed(work);
    MSG msg;
    for (int wait = 0; wait < 4000 && window->IsLoading(); ++wait) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            timed([&] { ::DispatchMessageW(&msg); });
        }
        ::Sleep(5);
    }
    return longest;
}

TEST_F(BatchTest, TenThousandFilesInOneDropKeepTheWindowAnswering) {
    std::vector<std::wstring> paths;
    for (int i = 0; i < 10000; ++i) {
        paths.push_back(FontPath(i));
    }
    fonts.recordCalls = false;
    const double longest = LongestWait(window, [&] { Drop(paths); });
    EXPECT_EQ(10000, window->Registry().Count());
    EXPECT_LT(longest, 0.1) << "no message waits longer than a tenth of a second";
}

TEST_F(BatchTest, AFolderIsWalkedBehindTheWindowAndItsFilesJournalledBeforeAnyMounts) {
    fonts.mountMilliseconds = 2;
    Drop({FolderOfFonts(3)});
    EXPECT_TRUE(window->IsLoading()) << "a folder may hold thousands of files";
    EXPECT_TRUE(fonts.calls.empty());
    while (window->IsLoading() && fonts.References(folder.Path() + L"f1.ttf") == 0) {
        Pump();
        ::Sleep(1);
    }
    EXPECT_EQ(3u, journal.Read().size()) << "a crash now leaves no font the next start cannot unmount";
    WaitForLoad();
    EXPECT_EQ(3, window->Registry().Count());
}

TEST_F(BatchTest, ClosingDuringALoadStopsItAndLeavesNothingMounted) {
    fonts.mountMilliseconds = 2;
    Drop({FolderOfFonts(200)});
    while (window->IsLoading() && fonts.References(folder.Path() + L"f20.ttf") == 0) {
        Pump();  // the worker mounts once the window has journalled the files
        ::Sleep(1);
    }
    ::DestroyWindow(hwnd);
    Pump();
    EXPECT_TRUE(fonts.mounted.empty());
    EXPECT_LT(fonts.calls.size(), 400u) << "the load stopped after the file in progress";
}

}  // namespace
