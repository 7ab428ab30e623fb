// Fonts installed for every program are never mounted or unmounted: the
// folders and their spellings, and a drop of such files and folders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/fonts/InstalledFonts.h"
#include "tests/app/main_window_fixture.h"

namespace {

TEST(InstalledFontFolders, EverySpellingOfAPathInsideTheFoldersIsHeld) {
    const InstalledFontFolders installed(
        {L"C:\\windows\\Fonts", L"C:\\Users\\me\\AppData\\Local\\Microsoft\\Windows\\Fonts\\"});
    const struct {
        LPCWSTR path;
        bool held;
    } cases[] = {
        {L"C:\\windows\\Fonts\\arial.ttf", true},
        {L"c:\\WINDOWS\\fonts\\ARIAL.TTF", true},
        {L"C:\\windows\\Fonts", true},
        {L"C:\\windows\\Fonts\\", true},
        {L"C:\\windows\\Fonts\\sub\\deeper\\a.otf", true},
        {L"C:\\windows\\system32\\..\\Fonts\\a.ttf", true},
        {L"C:/windows/Fonts/a.ttf", true},
        {L"C:\\Users\\me\\AppData\\Local\\Microsoft\\Windows\\Fonts\\mine.otf", true},
        {L"C:\\windows\\FontsBackup\\a.ttf", false},
        {L"C:\\windows\\a.ttf", false},
        {L"D:\\windows\\Fonts\\a.ttf", false},
        {L"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.held, installed.Holds(c.path)) << c.path;
    }
}

class InstalledDropTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        wchar_t windows[MAX_PATH];
        GetWindowsDirectoryW(windows, MAX_PATH);
        fontsFolder = std::wstring(windows) + L"\\Fonts";
        subfolder = fontsFolder + L"\\QuilletInstalledTest";
        CreateDirectoryW(subfolder.c_str(), nullptr);
        for (LPCWSTR name : {L"\\one.ttf", L"\\two.otf"}) {
            const HANDLE file =
                CreateFileW((subfolder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            CloseHandle(file);
        }
    }
    void TearDown() override {
        DeleteFileW((subfolder + L"\\one.ttf").c_str());
        DeleteFileW((subfolder + L"\\two.otf").c_str());
        RemoveDirectoryW(subfolder.c_str());
        MainWindowTest::TearDown();
    }

    std::wstring fontsFolder;
    std::wstring subfolder;
};

TEST_F(InstalledDropTest, InstalledFilesAndFoldersAreSkippedWithoutAnyCallAndCounted) {
    FakeDrop drop;
    drop.paths = {fontsFolder + L"\\quillet-installed.ttf", FontPath(0), subfolder};
    ::SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop.Handle()), 0);
    WaitForLoad();  // a drop with a folder loads behind the window
    const std::vector<std::wstring> onlyTheOwnFont = {L"unmount " + FontPath(0), L"mount " + FontPath(0)};
    EXPECT_EQ(onlyTheOwnFont, fonts.calls);
    EXPECT_EQ(1, window->Registry().Count());
    EXPECT_EQ(L"已跳过: 3个已安装的字体", TitleText());

    fonts.calls.clear();
    Click(Named(L"removeall"));
    EXPECT_EQ(std::vector<std::wstring>{L"unmount " + FontPath(0)}, fonts.calls);
}

}  // namespace
