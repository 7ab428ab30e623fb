// The journal of mounted fonts: what it keeps on disk, what a run that did
// not end well leaves for the next one, and how the main window keeps it.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "app/fonts/MountJournal.h"
#include "tests/app/main_window_fixture.h"

namespace {

using Paths = std::vector<std::wstring>;

void WriteRaw(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// The journal lives in the folder LOCALAPPDATA names when that is a folder
// that exists; any other value leaves the answer to the shell.
TEST(MountJournal, LivesUnderTheUsersLocalApplicationData) {
    wchar_t shell[MAX_PATH];
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, shell)));
    wchar_t temp[MAX_PATH];
    const DWORD tempLength = GetTempPathW(MAX_PATH, temp);
    ASSERT_GT(tempLength, 3u);
    const std::wstring tempFolder(temp, tempLength - 1);  // without its separator
    wchar_t saved[MAX_PATH] = L"";
    const bool wasSet = GetEnvironmentVariableW(L"LOCALAPPDATA", saved, MAX_PATH) > 0;
    const struct {
        bool set;
        std::wstring value;
        std::wstring folder;
    } cases[] = {
        {true, tempFolder + L"\\", tempFolder},
        {true, L"C:\\no such folder here", shell},
        {true, L"relative\\folder", shell},
        {true, L"", shell},
        {false, L"", shell},
    };
    for (const auto& c : cases) {
        SetEnvironmentVariableW(L"LOCALAPPDATA", c.set ? c.value.c_str() : nullptr);
        EXPECT_EQ(c.folder + L"\\Quillet\\mounted.txt", MountJournal::PathForThisUser()) << c.value;
    }
    SetEnvironmentVariableW(L"LOCALAPPDATA", wasSet ? saved : nullptr);
}

TEST(MountJournal, KeepsPathsInAnyScriptAndSkipsLinesThatAreNoPaths) {
    const MountJournal journal(TestJournalPath());
    DeleteFileW(journal.Path().c_str());
    EXPECT_EQ(Paths{}, journal.Read());
    EXPECT_TRUE(journal.Write({}));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(journal.Path().c_str()))
        << "nothing to keep, nothing written";

    const Paths paths = {L"C:\\Fonts\\a.ttf", L"D:\\字体 集\\甲\U0001F600.otf"};
    ASSERT_TRUE(journal.Write(paths));
    EXPECT_EQ(paths, journal.Read());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((journal.Path() + L".new").c_str()));
    ASSERT_TRUE(journal.Write({}));
    EXPECT_EQ(Paths{}, journal.Read()) << "a run that ends well leaves it empty";

    WriteRaw(journal.Path(), "C:\\a.ttf\r\n\xff\xfe\x80\r\n\r\nC:\\b.ttf\nC:\\c.ttf");
    EXPECT_EQ((Paths{L"C:\\a.ttf", L"C:\\b.ttf", L"C:\\c.ttf"}), journal.Read());
    DeleteFileW(journal.Path().c_str());
}

class JournalWindowTest : public MainWindowTest {
protected:
    void SetUp() override {}
    void Start() { MainWindowTest::SetUp(); }
};

TEST_F(JournalWindowTest, WhatACrashedRunLeftIsUnmountedFirstAndReported) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring installed = std::wstring(windows) + L"\\Fonts\\arial.ttf";
    ASSERT_TRUE(journal.Write({FontPath(7), FontPath(8), installed}));
    fonts.mounted[FontPath(7)] = 1;
    fonts.mounted[FontPath(8)] = 1;
    Start();
    EXPECT_EQ((Paths{L"unmount " + FontPath(7), L"unmount " + FontPath(8)}), fonts.calls)
        << "once each, never an installed font";
    EXPECT_EQ(L"已清理: 上次遗留的2个字体", TitleText());
    EXPECT_EQ(Paths{}, journal.Read());
}

TEST_F(JournalWindowTest, TheJournalFollowsEveryMountAndUnmount) {
    Start();
    EXPECT_EQ(L"墨匣", TitleText()) << "nothing was left";
    DropFonts(3);
    EXPECT_EQ((Paths{FontPath(0), FontPath(1), FontPath(2)}), journal.Read());
    Click(window->Cell(1, 3));
    EXPECT_EQ((Paths{FontPath(0), FontPath(2)}), journal.Read());
    ::DestroyWindow(hwnd);
    EXPECT_EQ(Paths{}, journal.Read());
}

}  // namespace
