// What a user can drop that is not a plain font file, on real GDI: a file
// gone or renamed before it is mounted, empty and cut-off fonts, shortcuts,
// paths at GDI's length limit, names in many scripts. Each ends with a clear
// count and nothing lost: what mounts is listed, and unmounts again.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "app/fonts/FontMountList.h"
#include "app/fonts/FontNameReader.h"
#include "app/fonts/GdiFontSystem.h"
#include "app/fonts/MountJournal.h"
#include "tests/app/test_fonts.h"
#include "tests/core/temp_folder.h"

namespace {

std::string FontBytes(const wchar_t* source = L"QuilletAlpha.ttf") {
    const HANDLE file = CreateFileW((TestFontFolder() + source).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

bool MakeShortcut(const std::wstring& shortcut, const std::wstring& target) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    bool made = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&link))) &&
                SUCCEEDED(link->SetPath(target.c_str())) &&
                SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                SUCCEEDED(file->Save(shortcut.c_str(), TRUE));
    if (file != nullptr)
        file->Release();
    if (link != nullptr)
        link->Release();
    CoUninitialize();
    return made;
}

// A folder of the test's own, with what each case puts in it.
struct Scene {
    TempFolder folder;
    std::string font = FontBytes();
    std::vector<std::wstring> folders;  // made inside, removed at the end

    std::wstring Font(const std::wstring& name) { return folder.Write(name, font); }
    // Another test font: GDI keeps one face of files that are copies of each other.
    std::wstring Font(const std::wstring& name, const wchar_t* source) { return folder.Write(name, FontBytes(source)); }
    std::wstring Folder(const std::wstring& name) {
        folders.push_back(folder.Path() + name);
        CreateDirectoryW(folders.back().c_str(), nullptr);
        return folders.back() + L"\\";
    }
    // A font whose full path is exactly `length` characters long.
    std::wstring FontOfLength(size_t length) {
        const std::wstring inside = Folder(std::wstring(100, L'd'));
        const std::wstring file = inside + std::wstring(length - inside.size() - 4, L'f') + L".ttf";
        folder.Write(file.substr(folder.Path().size()), font);
        return file;
    }
    ~Scene() {
        for (auto made = folders.rbegin(); made != folders.rend(); ++made) {
            WIN32_FIND_DATAW found;
            const HANDLE search = FindFirstFileW((*made + L"\\*").c_str(), &found);
            if (search != INVALID_HANDLE_VALUE) {
                do {
                    DeleteFileW((*made + L"\\" + found.cFileName).c_str());
                } while (FindNextFileW(search, &found));
                FindClose(search);
            }
            RemoveDirectoryW(made->c_str());
        }
    }
};

struct Outcome {
    std::vector<std::wstring> dropped;
    std::vector<std::wstring> listed;
    int failed;
};

struct BadInput {
    const char* name;
    Outcome (*make)(Scene& scene);
};

const BadInput kBadInputs[] = {
    {"DeletedBeforeMount",
     [](Scene& scene) {
         const std::wstring font = scene.Font(L"gone.ttf");
         DeleteFileW(font.c_str());
         return Outcome{{font}, {}, 1};
     }},
    {"RenamedBeforeMount",
     [](Scene& scene) {
         const std::wstring font = scene.Font(L"old.ttf");
         MoveFileW(font.c_str(), (scene.folder.Path() + L"new.ttf").c_str());
         return Outcome{{font}, {}, 1};
     }},
    {"ZeroBytes",
     [](Scene& scene) {
         return Outcome{{scene.folder.Write(L"empty.ttf", "")}, {}, 1};
     }},
    {"CutOffInItsTables",
     [](Scene& scene) {
         return Outcome{{scene.folder.Write(L"cut.ttf", scene.font.substr(0, scene.font.size() / 2))}, {}, 1};
     }},
    {"CutOffInItsHeader",
     [](Scene& scene) {
         return Outcome{{scene.folder.Write(L"header.ttf", scene.font.substr(0, 40))}, {}, 1};
     }},
    {"ShortcutToAFont",
     [](Scene& scene) {
         const std::wstring font = scene.Font(L"target.ttf");
         const std::wstring link = scene.folder.Path() + L"font.lnk";
         EXPECT_TRUE(MakeShortcut(link, font));
         return Outcome{{link}, {font}, 0};
     }},
    {"ShortcutToAFolder",
     [](Scene& scene) {
         const std::wstring inside = scene.Folder(L"fonts");
         scene.folder.Write(L"fonts\\a.ttf", scene.font);
         const std::wstring link = scene.folder.Path() + L"fonts.lnk";
         EXPECT_TRUE(MakeShortcut(link, inside.substr(0, inside.size() - 1)));
         return Outcome{{link}, {inside + L"a.ttf"}, 0};
     }},
    {"ShortcutToSomethingElse",
     [](Scene& scene) {
         const std::wstring notes = scene.folder.Write(L"notes.txt", "text");
         const std::wstring link = scene.folder.Path() + L"notes.lnk";
         EXPECT_TRUE(MakeShortcut(link, notes));
         return Outcome{{link}, {}, 1};
     }},
    {"ShortcutToAFileThatIsGone",
     [](Scene& scene) {
         const std::wstring font = scene.Font(L"moved.ttf");
         const std::wstring link = scene.folder.Path() + L"moved.lnk";
         EXPECT_TRUE(MakeShortcut(link, font));
         DeleteFileW(font.c_str());
         return Outcome{{link}, {}, 1};
     }},
    {"NotReallyAShortcut",
     [](Scene& scene) {
         return Outcome{{scene.folder.Write(L"fake.lnk", "abc")}, {}, 1};
     }},
    {"PathOf259Characters",
     [](Scene& scene) {
         const std::wstring font = scene.FontOfLength(259);
         return Outcome{{font}, {font}, 0};
     }},
    {"PathOf260Characters",
     [](Scene& scene) {
         return Outcome{{scene.FontOfLength(260)}, {}, 1};
     }},
    {"PathOf300Characters",
     [](Scene& scene) {
         return Outcome{{scene.FontOfLength(300)}, {}, 1};
     }},
    {"NamesInManyScripts",
     [](Scene& scene) {
         const std::vector<std::wstring> fonts = {
             scene.Font(L"字体测试.ttf"),
             scene.Font(L"\u062E\u0637 \u0639\u0631\u0628\u064A.ttf", L"QuilletBeta.ttf"),  // Arabic
             scene.Font(L"\U0001F600 emoji.ttf", L"QuilletTwoHundred.ttf"),
             scene.Font(L"e\u0301\u0302 combining.ttf", L"QuilletManyChars.ttf"),
         };
         return Outcome{fonts, fonts, 0};
     }},
};

class BadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputTest, EndsWithAClearCountAndLosesNothing) {
    if (!TestFontsExist())
        GTEST_SKIP() << "test fonts were not generated";
    Scene scene;
    const Outcome expected = GetParam().make(scene);
    GdiFontSystem fonts;
    FontMountList list(fonts);
    const DropResult result = list.MountPaths(expected.dropped);
    EXPECT_EQ(expected.failed, result.failed);
    EXPECT_EQ(expected.listed, list.Paths());
    EXPECT_EQ(FontMountList::BatchText(result).text.empty(), expected.failed == 0);

    const MountJournal journal(scene.folder.Path() + L"journal.txt");
    ASSERT_TRUE(journal.Write(list.Paths()));
    EXPECT_EQ(expected.listed, journal.Read()) << "the journal names every listed path as it is spelled";
    FreeTypeNameReader names;
    for (const std::wstring& path : list.Paths())
        EXPECT_FALSE(names.ReadFace(path).gdiFamily.empty()) << "FreeType reads it by its wide path";
    EXPECT_EQ(static_cast<int>(expected.listed.size()), list.UnmountAll().unmounted);
    DeleteFileW(journal.Path().c_str());
}

INSTANTIATE_TEST_SUITE_P(Drops, BadInputTest, ::testing::ValuesIn(kBadInputs),
                         [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

}  // namespace
