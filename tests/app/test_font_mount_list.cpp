#include "app/fonts/FontMountList.h"
#include "tests/app/FakeFontSystem.h"

#include <gtest/gtest.h>

namespace {

std::wstring FontPath(int n) {
    return L"C:\\Fonts\\font" + std::to_wstring(n) + L".ttf";
}

class FontMountListTest : public ::testing::Test {
protected:
    FakeFontSystem fonts;
    FontMountList list{fonts};

    int Drop(std::vector<std::wstring> paths) {
        FakeDrop drop{std::move(paths)};
        const int added = list.MountDropped(drop.Handle()).added;
        EXPECT_TRUE(drop.finished);
        return added;
    }

    // Drops fonts 0..n-1, each a real font file.
    void DropFonts(int n) {
        std::vector<std::wstring> paths;
        for (int i = 0; i < n; ++i) {
            fonts.fontFiles.insert(FontPath(i));
            paths.push_back(FontPath(i));
        }
        Drop(paths);
    }

    std::vector<std::wstring> Entries() const {
        std::vector<std::wstring> out;
        for (int i = 0; i < list.Count(); ++i)
            out.push_back(list.PathAt(i));
        return out;
    }

    void ExpectRowShows(int row, const std::wstring& path) {
        SCOPED_TRACE(row);
        const RowCell* cells = list.Row(row).cells;
        EXPECT_EQ(cells[0].userData, path);
        EXPECT_EQ(cells[1].text, path);
        EXPECT_EQ(cells[3].userData, std::to_wstring(row));
        EXPECT_EQ(cells[3].tag, 4u);
    }

    void ExpectRowEmpty(int row) {
        SCOPED_TRACE(row);
        for (const RowCell& cell : list.Row(row).cells) {
            EXPECT_TRUE(cell.text.empty());
            EXPECT_TRUE(cell.userData.empty());
            EXPECT_EQ(cell.tag, 0u);
        }
    }
};

TEST_F(FontMountListTest, FilledRowCarriesNameTextsTagsAndRowIndex) {
    fonts.fontFiles.insert(L"C:\\Fonts\\Sub\\My Font.otf");
    Drop({L"C:\\Fonts\\Sub\\My Font.otf"});
    const RowCell* cells = list.Row(0).cells;
    EXPECT_EQ(cells[0].text, L"My Font.otf");
    EXPECT_EQ(cells[1].text, L"C:\\Fonts\\Sub\\My Font.otf");
    EXPECT_EQ(cells[2].text, L"已加载");
    EXPECT_EQ(cells[3].text, L"\u00D7");
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(cells[c].tag, static_cast<UINT_PTR>(c + 1));
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(cells[c].userData, L"C:\\Fonts\\Sub\\My Font.otf");
    EXPECT_EQ(cells[3].userData, L"0");
    for (int row = 1; row < FontMountList::kRowCount; ++row)
        ExpectRowEmpty(row);
}

TEST_F(FontMountListTest, DroppingAFileTwiceListsItOnceAndLeavesItMountedOnce) {
    fonts.fontFiles.insert(FontPath(1));
    EXPECT_EQ(Drop({FontPath(1), FontPath(1)}), 1);
    EXPECT_EQ(Drop({FontPath(1)}), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(fonts.References(FontPath(1)), 1);
    // Each mount is preceded by one unmount of the same path.
    ASSERT_EQ(fonts.calls.size(), 6u);
    EXPECT_EQ(fonts.calls[0], L"unmount " + FontPath(1));
    EXPECT_EQ(fonts.calls[1], L"mount " + FontPath(1));
}

TEST_F(FontMountListTest, NonFontFilesAreSkippedAndTheRestOfTheDropStillMounts) {
    fonts.fontFiles = {FontPath(1), FontPath(3)};
    const std::wstring tooLong = L"C:\\" + std::wstring(300, L'f') + L".ttf";
    const DropResult result = list.MountPaths({FontPath(1), L"C:\\notes.txt", tooLong, FontPath(3), FontPath(1)});
    EXPECT_EQ(2, result.added);
    EXPECT_EQ(3, result.mounted) << "the file named twice is mounted again";
    EXPECT_EQ(2, result.failed) << "the file that is no font and the path too long";
    EXPECT_EQ(L"未能加载: 2个文件", FontMountList::BatchText(result).text);
    EXPECT_EQ(Entries(), (std::vector<std::wstring>{FontPath(1), FontPath(3)}));
    EXPECT_FALSE(list.Contains(L"C:\\notes.txt"));
    ExpectRowEmpty(2);
}

TEST_F(FontMountListTest, ListedFilesKeepTheirPlaceAndNewOnesAppendInDropOrder) {
    for (int i = 0; i < 6; ++i)
        fonts.fontFiles.insert(FontPath(i));
    Drop({FontPath(2), FontPath(0)});
    EXPECT_EQ(Drop({FontPath(5), FontPath(0), FontPath(4), FontPath(2), FontPath(1)}), 3);
    EXPECT_EQ(Entries(), (std::vector<std::wstring>{FontPath(2), FontPath(0), FontPath(5), FontPath(4), FontPath(1)}));
    EXPECT_EQ(list.IndexOf(FontPath(4)), 3);
    EXPECT_EQ(list.IndexOf(FontPath(3)), -1);
}

TEST_F(FontMountListTest, SpellingsThatDifferInCaseAreOneEntryAndTheFirstStays) {
    fonts.fontFiles = {L"C:\\Fonts\\Alpha.ttf"};
    Drop({L"C:\\Fonts\\Alpha.ttf"});
    Drop({L"c:\\fonts\\ALPHA.TTF"});
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"C:\\Fonts\\Alpha.ttf"});
    EXPECT_TRUE(list.Contains(L"C:\\FONTS\\alpha.ttf"));
    EXPECT_EQ(fonts.References(L"C:\\Fonts\\Alpha.ttf"), 1);
    // Removing the row unmounts the file, so no other row may still claim it.
    EXPECT_EQ(list.UnmountRow(0), RowRemoval::kRemoved);
    EXPECT_EQ(fonts.References(L"C:\\Fonts\\Alpha.ttf"), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(FontMountListTest, IdentityFoldsCaseAsOrdinalComparisonDoes) {
    const std::wstring a = L"C:\\Schrift\\ÄÖÜ Äb Ωμέγα Ж.ttf";
    const std::wstring b = L"c:\\SCHRIFT\\äöü äB ωΜΈΓΑ ж.TTF";
    ASSERT_EQ(CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE), CSTR_EQUAL);
    fonts.fontFiles = {a};
    Drop({a});
    EXPECT_EQ(list.IndexOf(b), 0);
}

TEST_F(FontMountListTest, PathsLongerThan259CharactersAreSkippedWithoutMounting) {
    const std::wstring folder = L"C:\\" + std::wstring(240, L'd') + L"\\";
    const std::wstring longest = folder + std::wstring(259 - folder.size() - 4, L'f') + L".ttf";
    const std::wstring tooLong = folder + std::wstring(260 - folder.size() - 4, L'f') + L".ttf";
    ASSERT_EQ(longest.size(), 259u);
    fonts.mountAlwaysSucceeds = true;
    Drop({tooLong, longest});
    EXPECT_EQ(Entries(), std::vector<std::wstring>{longest});
    for (const std::wstring& call : fonts.calls)
        EXPECT_EQ(call.find(tooLong.substr(0, 259)), std::wstring::npos) << "a truncated path reached the font system";
}

TEST_F(FontMountListTest, TwelveEntriesNeedNoScrollBarAndTheThirteenthShowsIt) {
    DropFonts(12);
    EXPECT_FALSE(list.Scroll().visible);
    EXPECT_EQ(list.Scroll().range, 0);
    list.ScrollByNotches(-3);
    EXPECT_EQ(list.Scroll().position, 0);
    ExpectRowShows(0, FontPath(0));

    fonts.fontFiles.insert(FontPath(12));
    Drop({FontPath(12)});
    EXPECT_TRUE(list.Scroll().visible);
    EXPECT_EQ(list.Scroll().range, 20);
    EXPECT_EQ(list.Scroll().lineSize, 20);
    ExpectRowShows(11, FontPath(11));
    ExpectRowEmpty(12);
}

TEST_F(FontMountListTest, ScrollingMovesByOneEntryPerNotchWithinTheRange) {
    DropFonts(15);
    EXPECT_EQ(list.Scroll().range, 60);
    list.ScrollByNotches(-1);
    EXPECT_EQ(list.Scroll().position, 20);
    ExpectRowShows(0, FontPath(1));
    ExpectRowShows(11, FontPath(12));
    list.ScrollByNotches(-10);
    EXPECT_EQ(list.Scroll().position, 60);
    ExpectRowShows(11, FontPath(14));
    list.ScrollByNotches(10);
    EXPECT_EQ(list.Scroll().position, 0);
    ExpectRowShows(0, FontPath(0));
}

TEST_F(FontMountListTest, RemovingFromThirteenHidesTheBarAndResetsTheScroll) {
    DropFonts(13);
    list.ScrollByNotches(-1);
    ASSERT_EQ(list.Scroll().position, 20);
    EXPECT_EQ(list.UnmountRow(5), RowRemoval::kRemoved);  // shows entry 6
    EXPECT_EQ(list.Count(), 12);
    EXPECT_FALSE(list.Contains(FontPath(6)));
    EXPECT_EQ(fonts.References(FontPath(6)), 0);
    EXPECT_EQ(list.Scroll().range, 0);
    EXPECT_EQ(list.Scroll().position, 0);
    EXPECT_FALSE(list.Scroll().visible);
    for (int row = 0; row < 12; ++row)
        ExpectRowShows(row, list.PathAt(row));
    ExpectRowShows(5, FontPath(5));
    ExpectRowShows(6, FontPath(7));
    ExpectRowEmpty(12);
}

TEST_F(FontMountListTest, RemovingWhileScrolledToTheEndClampsThePosition) {
    DropFonts(14);
    list.ScrollByNotches(-2);
    ASSERT_EQ(list.Scroll().position, 40);
    EXPECT_EQ(list.UnmountRow(0), RowRemoval::kRemoved);  // shows entry 2
    EXPECT_EQ(list.Scroll().range, 20);
    EXPECT_EQ(list.Scroll().position, 20);
    EXPECT_TRUE(list.Scroll().visible);
    ExpectRowShows(0, FontPath(1));
    ExpectRowShows(11, FontPath(13));
}

TEST_F(FontMountListTest, RemovingInTheMiddleMovesLaterEntriesUp) {
    DropFonts(5);
    EXPECT_EQ(list.UnmountRow(3), RowRemoval::kRemoved);
    EXPECT_EQ(Entries(), (std::vector<std::wstring>{FontPath(0), FontPath(1), FontPath(2), FontPath(4)}));
    ExpectRowShows(3, FontPath(4));
    ExpectRowEmpty(4);
    EXPECT_EQ(list.IndexOf(FontPath(4)), 3);
    // The index follows the shift: a later removal finds the right entry.
    EXPECT_EQ(list.UnmountRow(3), RowRemoval::kRemoved);
    EXPECT_FALSE(list.Contains(FontPath(4)));
}

TEST_F(FontMountListTest, AnEntryLeavesTheListEvenWhenTheSystemKeepsTheFont) {
    DropFonts(2);
    fonts.mounted.clear();  // the system no longer knows it: unmount fails
    EXPECT_EQ(list.UnmountRow(0), RowRemoval::kRemoved);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{FontPath(1)});
}

TEST_F(FontMountListTest, RemovingARowThatShowsNothingChangesNothing) {
    DropFonts(3);
    fonts.calls.clear();
    for (int row : {-1, 3, 11, 12, 13, 1000})
        EXPECT_EQ(list.UnmountRow(row), RowRemoval::kNoEntry) << row;
    EXPECT_EQ(list.Count(), 3);
    EXPECT_TRUE(fonts.calls.empty());
}

TEST_F(FontMountListTest, RemoveAllReportsOnlyConfirmedUnmountsAndEmptiesEverything) {
    DropFonts(14);
    list.ScrollByNotches(-1);
    fonts.mounted.erase(FontPath(3));  // this one the system refuses to unmount
    const RemoveAllResult removed = list.UnmountAll();
    const StatusText& status = removed.status;
    EXPECT_EQ(removed.unmounted, 13);
    EXPECT_EQ(status.text, L"已卸载: 13个字体");
    EXPECT_EQ(status.timerId, 1u);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Contains(FontPath(0)));
    EXPECT_TRUE(fonts.mounted.empty());
    EXPECT_EQ(list.Scroll().range, 0);
    EXPECT_EQ(list.Scroll().position, 0);
    EXPECT_FALSE(list.Scroll().visible);
    for (int row = 0; row < FontMountList::kRowCount; ++row)
        ExpectRowEmpty(row);
}

// A font another program uses is refused by the system and stays in the
// session: it stays listed, and only what left is counted.
TEST_F(FontMountListTest, AFontTheSystemKeepsStaysListedAndUncounted) {
    struct Case {
        std::vector<int> inUse;
        int unmounted;
        const wchar_t* status;
        std::vector<std::wstring> left;
    };
    const Case cases[] = {
        {{}, 3, L"已卸载: 3个字体", {}},
        {{1}, 2, L"已卸载: 2个字体，1个正被使用，未能卸载", {FontPath(1)}},
        {{0, 2}, 1, L"已卸载: 1个字体，2个正被使用，未能卸载", {FontPath(0), FontPath(2)}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.unmounted);
        DropFonts(3);
        fonts.inUse.clear();
        for (int font : test.inUse)
            fonts.inUse.insert(FontPath(font));
        const RemoveAllResult removed = list.UnmountAll();
        EXPECT_EQ(removed.unmounted, test.unmounted);
        EXPECT_EQ(removed.status.text, test.status);
        EXPECT_EQ(Entries(), test.left);
        for (size_t row = 0; row < test.left.size(); ++row)
            ExpectRowShows(static_cast<int>(row), test.left[row]);
        ExpectRowEmpty(static_cast<int>(test.left.size()));
        fonts.inUse.clear();
        list.UnmountAll();
        EXPECT_TRUE(fonts.mounted.empty()) << "once the program lets go, remove-all unmounts it";
    }
}

TEST_F(FontMountListTest, ARowWhoseFontTheSystemKeepsStaysAndOneAlreadyGoneLeaves) {
    DropFonts(3);
    fonts.inUse.insert(FontPath(1));
    EXPECT_EQ(list.UnmountRow(1), RowRemoval::kStillMounted);
    EXPECT_EQ(list.Count(), 3);
    ExpectRowShows(1, FontPath(1));
    fonts.mounted.erase(FontPath(2));  // another process unmounted it
    EXPECT_EQ(list.UnmountRow(2), RowRemoval::kRemoved);
    EXPECT_EQ(Entries(), (std::vector<std::wstring>{FontPath(0), FontPath(1)}));
}

TEST_F(FontMountListTest, AtTheEndEveryRefusedFontStaysListedWithoutAskingMore) {
    DropFonts(3);
    fonts.mounted.erase(FontPath(1));  // refused, though already gone
    fonts.calls.clear();
    EXPECT_EQ(list.UnmountAll(Refused::kKeepListed).unmounted, 2);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{FontPath(1)}) << "for the journal: the next start tries again";
    EXPECT_EQ(fonts.calls.size(), 3u);
}

TEST_F(FontMountListTest, RemoveAllOnAnEmptyListReportsZero) {
    EXPECT_EQ(list.UnmountAll().status.text, L"已卸载: 0个字体");
}

TEST_F(FontMountListTest, AnEmptyDropIsReleasedAndChangesNothing) {
    EXPECT_EQ(Drop({}), 0);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace

// A real folder tree under the temp directory: folder expansion reads the file system.
class DroppedFolder {
public:
    DroppedFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = std::wstring(temp) + L"quillet_drop_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(root.c_str(), nullptr);
    }
    ~DroppedFolder() {
        for (auto it = created.rbegin(); it != created.rend(); ++it) {
            if (!DeleteFileW(it->c_str()))
                RemoveDirectoryW(it->c_str());
        }
        RemoveDirectoryW(root.c_str());
    }
    std::wstring Add(const std::wstring& relative, bool folder = false) {
        const std::wstring path = root + L"\\" + relative;
        if (folder) {
            CreateDirectoryW(path.c_str(), nullptr);
        } else {
            CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
        created.push_back(path);
        return path;
    }

    std::wstring root;
    std::vector<std::wstring> created;
};

TEST_F(FontMountListTest, ADroppedFolderMountsItsFontFilesInNameOrderDepthFirst) {
    DroppedFolder folder;
    const std::wstring zeta = folder.Add(L"Zeta.TTF");
    const std::wstring alpha10 = folder.Add(L"alpha10.otf");
    const std::wstring alpha2 = folder.Add(L"alpha2.otf");
    folder.Add(L"readme.txt");
    folder.Add(L"fonts.ttf.bak");
    folder.Add(L"Beta", true);
    const std::wstring inner = folder.Add(L"Beta\\inner.fon");
    fonts.mountAlwaysSucceeds = true;
    fonts.fontFiles.insert(FontPath(1));

    EXPECT_EQ(Drop({FontPath(1), folder.root + L"\\"}), 5);
    EXPECT_EQ(Entries(), (std::vector<std::wstring>{FontPath(1), alpha2, alpha10, inner, zeta}));
    for (const std::wstring& call : fonts.calls)
        EXPECT_EQ(call.find(L"readme"), std::wstring::npos) << "files of other kinds are not tried";
}
