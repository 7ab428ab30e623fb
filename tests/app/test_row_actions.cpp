// What a click on a row does outside the program: the folder path it derives
// and the clipboard it writes, or leaves alone when it cannot have it.
#include <gtest/gtest.h>

#include <string>

#include "app/system/Clipboard.h"
#include "app/system/Shell.h"
#include "tests/app/clipboard_probe.h"

namespace {

HWND MakeOwner() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

TEST(RowActions, TheFolderOfAFileLosesTheFileNameAndARootKeepsItsSeparator) {
    const struct {
        LPCWSTR path;
        LPCWSTR folder;
    } cases[] = {
        {L"C:\\Fonts\\Quillet.ttf", L"C:\\Fonts"},
        {L"Z:\\home\\user\\字体\\a b.otf", L"Z:\\home\\user\\字体"},
        {L"C:\\Quillet.ttf", L"C:\\"},
        {L"\\\\server\\share\\fonts\\x.ttc", L"\\\\server\\share\\fonts"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.folder, FolderOf(c.path)) << c.path;
    }
}

TEST(RowActions, TheClipboardGetsExactlyTheTextUnderItsOwnerOrIsLeftAlone) {
    HWND owner = MakeOwner();
    ASSERT_TRUE(CopyToClipboard(owner, L"C:\\Fonts"));
    EXPECT_EQ(L"C:\\Fonts", ClipboardText());
    EXPECT_EQ(owner, GetClipboardOwner());

    EXPECT_FALSE(CopyToClipboard(owner, L"")) << "nothing to copy";
    EXPECT_EQ(L"C:\\Fonts", ClipboardText());
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Opened());
        EXPECT_FALSE(CopyToClipboard(owner, L"D:\\Other"));
    }
    EXPECT_EQ(L"C:\\Fonts", ClipboardText());
    DestroyWindow(owner);
}

}  // namespace
