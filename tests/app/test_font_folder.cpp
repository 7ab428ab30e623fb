// A dropped folder that holds itself through a link (a junction on Windows, a
// symbolic link under Wine) is walked once: the link is not followed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/fonts/FontFolder.h"
#include "app/fonts/FontMountList.h"
#include "tests/app/FakeFontSystem.h"
#include "tests/app/test_fonts.h"

namespace {

TEST(FontFolder, AFolderThatHoldsItselfThroughALinkIsWalkedOnce) {
    const std::wstring loop = TestFontFolder() + L"..\\loop";
    if (GetFileAttributesW((loop + L"\\self").c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no link could be made at build time";
    const std::wstring font = loop + L"\\a.ttf";
    const HANDLE file = CreateFileW(font.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);

    std::vector<std::wstring> files;
    CollectFontFiles(loop, files);
    EXPECT_EQ(std::vector<std::wstring>{font}, files);

    FakeFontSystem fonts;
    fonts.fontFiles = {font};
    FontMountList list(fonts);
    EXPECT_EQ(1, list.MountPaths({loop, loop + L"\\self"}).failed) << "a dropped link is not a folder of fonts";
    EXPECT_EQ(std::vector<std::wstring>{font}, list.Paths());
    DeleteFileW(font.c_str());
}

}  // namespace
