// Mounts real font files through GDI with a drop handle built in-process, as
// the shell hands one to a window.
#include "app/fonts/FontMountList.h"
#include "app/fonts/GdiFontSystem.h"
#include "tests/app/shell_drop.h"
#include "tests/app/test_fonts.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace {

int CALLBACK CountFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    ++*reinterpret_cast<int*>(found);
    return 1;
}

bool GdiKnowsFamily(const wchar_t* family) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, family, LF_FACESIZE);
    HDC dc = GetDC(nullptr);
    int found = 0;
    EnumFontFamiliesExW(dc, &query, CountFamily, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found > 0;
}

TEST(FontMountGdi, DroppedFontsAreEnumeratedUntilRemoveAll) {
    const std::wstring alpha = TestFontFolder() + L"QuilletAlpha.ttf";
    const std::wstring beta = TestFontFolder() + L"QuilletBeta.ttf";
    if (GetFileAttributesW(alpha.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "test fonts were not generated";
    ASSERT_FALSE(GdiKnowsFamily(L"Quillet Test Alpha"));

    wchar_t notFont[MAX_PATH];
    GetModuleFileNameW(nullptr, notFont, MAX_PATH);

    GdiFontSystem fonts;
    FontMountList list(fonts);
    EXPECT_EQ(list.MountDropped(MakeShellDrop({alpha, notFont, beta, alpha})).added, 2);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.PathAt(0), alpha);
    EXPECT_EQ(list.Row(1).cells[0].text, L"QuilletBeta.ttf");
    EXPECT_TRUE(GdiKnowsFamily(L"Quillet Test Alpha"));
    EXPECT_TRUE(GdiKnowsFamily(L"Quillet Test Beta"));
    EXPECT_TRUE(fonts.IsMounted(alpha.c_str()));

    // alpha was dropped twice but must be mounted once: one removal unmounts it.
    EXPECT_EQ(list.UnmountAll().status.text, L"已卸载: 2个字体");
    EXPECT_FALSE(GdiKnowsFamily(L"Quillet Test Alpha"));
    EXPECT_FALSE(GdiKnowsFamily(L"Quillet Test Beta"));
    EXPECT_FALSE(RemoveFontResourceW(alpha.c_str()));
    EXPECT_FALSE(fonts.IsMounted(alpha.c_str()));
    EXPECT_TRUE(fonts.IsMounted(notFont)) << "a file that names no face cannot be told apart";
}

}  // namespace
