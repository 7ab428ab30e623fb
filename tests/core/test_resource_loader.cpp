#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/core/location_reset.h"
#include "tests/core/temp_folder.h"
#include "tests/core/zip_writer.h"
#include "ui/core/resources/UIResourceLoader.h"
#include "ui/core/resources/UIResourceLocation.h"

using namespace SkinUI;
using namespace ziptest;

namespace {

// What test_resources.rc holds.
const char kResourceSkin[] = "<Window><Label text=\"from resource\"/></Window>";
const char kArchiveResourceSkinStart[] = "<Window size=\"300,200\"><Label text=\"from archive resource\"/>";

std::string Text(const ResourceBytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

Bytes SkinArchive() {
    ZipItem skin{"Skin/Main.xml", "<Window caption=\"0,0,0,32\"/>", true, 0, ""};
    ZipItem image{"img/Logo.png", "\x89PNG-data", false, 0, ""};
    ZipItem empty{"empty.xml", "", false, 0, ""};
    return BuildZip({skin, image, empty});
}

}  // namespace

TEST(ResourceLoader, NumbersAreResourceNumbersOnlyFrom1To65535) {
    EXPECT_EQ(MAKEINTRESOURCEW(106), ResourceNameFromNumber(106));
    EXPECT_EQ(MAKEINTRESOURCEW(65535), ResourceNameFromNumber(65535));
    EXPECT_EQ(nullptr, ResourceNameFromNumber(0));
    EXPECT_EQ(nullptr, ResourceNameFromNumber(65536));

    EXPECT_EQ(MAKEINTRESOURCEW(106), ResourceNameFromText(L"106"));
    EXPECT_EQ(MAKEINTRESOURCEW(106), ResourceNameFromText(L"106.png"));
    EXPECT_EQ(MAKEINTRESOURCEW(65535), ResourceNameFromText(L"65535"));
    EXPECT_EQ(nullptr, ResourceNameFromText(L"0"));
    EXPECT_EQ(nullptr, ResourceNameFromText(L"65536"));
    EXPECT_EQ(nullptr, ResourceNameFromText(L"4294967402"));  // 2^32 + 106 must not wrap to 106
    const wchar_t* name = L"logo";
    EXPECT_EQ(name, ResourceNameFromText(name));
    const wchar_t* doubleSize = L"106@2x";
    EXPECT_EQ(doubleSize, ResourceNameFromText(doubleSize)) << "a number's double-size variant is a name";
    EXPECT_EQ(nullptr, ResourceNameFromText(nullptr));
}

TEST(ResourceLoader, ProgramResourcesByNumberAndNameIgnoringTypeCase) {
    HMODULE program = GetModuleHandleW(nullptr);
    EXPECT_EQ(kResourceSkin, Text(ReadResource(program, MAKEINTRESOURCEW(9101), L"XML")));
    EXPECT_EQ(kResourceSkin, Text(ReadResource(program, ResourceNameFromText(L"9101"), L"xml")));
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\nresource-image"),
              Text(ReadResource(program, MAKEINTRESOURCEW(9102), L"png")));
    EXPECT_EQ("named-image", Text(ReadResource(program, L"SkinLogo", L"PNG")));

    ResourceView view;
    ASSERT_TRUE(FindResourceBytes(program, MAKEINTRESOURCEW(9101), L"XML", &view));
    EXPECT_EQ(sizeof(kResourceSkin) - 1, view.size);
    EXPECT_EQ(0, memcmp(view.data, kResourceSkin, view.size));

    EXPECT_TRUE(ReadResource(program, MAKEINTRESOURCEW(9104), L"XML").empty()) << "empty resource";
    EXPECT_FALSE(FindResourceBytes(program, MAKEINTRESOURCEW(9104), L"XML", &view));
    EXPECT_TRUE(ReadResource(program, MAKEINTRESOURCEW(9101), L"PNG").empty()) << "other type";
    EXPECT_TRUE(ReadResource(program, MAKEINTRESOURCEW(9999), L"XML").empty()) << "missing";
    EXPECT_TRUE(ReadResource(program, nullptr, L"XML").empty());
}

TEST(ResourceLoader, NamedFilesComeFromTheResourceFolder) {
    TempFolder folder;
    folder.Write(L"main.xml", "<Window/>");
    folder.Write(L"empty.xml", "");
    LocationReset reset;

    CResourceLocation::SetResourcePath(folder.Path().c_str());
    EXPECT_EQ("<Window/>", Text(ReadNamedFile(L"main.xml")));
    EXPECT_TRUE(ReadNamedFile(L"empty.xml").empty());
    EXPECT_TRUE(ReadNamedFile(L"missing.xml").empty());
    EXPECT_TRUE(ReadNamedFile(L"").empty());
    EXPECT_TRUE(ReadNamedFile(nullptr).empty());

    // A plain path needs no resource folder.
    CResourceLocation::SetResourcePath(L"");
    EXPECT_TRUE(ReadNamedFile(L"main.xml").empty());
    EXPECT_EQ("<Window/>", Text(ReadPlainPath((folder.Path() + L"main.xml").c_str())));
    EXPECT_TRUE(ReadPlainPath((folder.Path() + L"empty.xml").c_str()).empty());
    EXPECT_TRUE(ReadPlainPath(folder.Path().c_str()).empty());
}

TEST(ResourceLoader, NamedFilesComeFromAnArchiveOnDisk) {
    TempFolder folder;
    Bytes zip = SkinArchive();
    folder.Write(L"skin.zip", zip.data(), zip.size());
    folder.Write(L"img", "a file beside the archive is not read");
    LocationReset reset;
    CResourceLocation::SetResourcePath(folder.Path().c_str());

    for (bool cached : {true, false}) {
        CResourceLocation::SetResourceZip(L"skin.zip", cached);
        EXPECT_EQ("<Window caption=\"0,0,0,32\"/>", Text(ReadNamedFile(L"skin/main.XML"))) << cached;
        EXPECT_EQ("\x89PNG-data", Text(ReadNamedFile(L"IMG/logo.png"))) << cached;
        EXPECT_TRUE(ReadNamedFile(L"empty.xml").empty()) << cached;
        EXPECT_TRUE(ReadNamedFile(L"img").empty()) << cached;
    }

    CResourceLocation::SetResourceZip(L"missing.zip", true);
    EXPECT_TRUE(ReadNamedFile(L"Skin/Main.xml").empty());
}

TEST(ResourceLoader, DamagedArchiveItemGivesNothing) {
    ZipLayout layout;
    Bytes zip = BuildZip({ZipItem{"a.xml", "<Window/>", false, 0, ""}}, "", &layout);
    zip[layout.localHeaders[0] + Local::kHeaderSize + 5 + 1] ^= 1;
    LocationReset reset;
    CResourceLocation::SetResourceZip(zip.data(), zip.size());
    EXPECT_TRUE(ReadNamedFile(L"a.xml").empty());
}

TEST(ResourceLoader, ArchiveResourceBecomesTheMemoryArchive) {
    LocationReset reset;
    EXPECT_FALSE(UseArchiveResource(MAKEINTRESOURCEW(9999)));
    EXPECT_TRUE(CResourceLocation::GetResourceZip().IsEmpty());

    ASSERT_TRUE(UseArchiveResource(MAKEINTRESOURCEW(9103)));
    EXPECT_STREQ(kMemoryResourceZip, CResourceLocation::GetResourceZip());
    std::string skin = Text(ReadNamedFile(L"skin/main.xml"));
    EXPECT_EQ(0u, skin.find(kArchiveResourceSkinStart));
    EXPECT_EQ(3u * 69, skin.size());
    EXPECT_TRUE(ReadNamedFile(L"empty.txt").empty());

    // A later window asking again keeps the archive already in place.
    ArchiveHandle archive = CResourceLocation::GetResourceZipHandle();
    EXPECT_TRUE(UseArchiveResource(MAKEINTRESOURCEW(9103)));
    EXPECT_EQ(archive, CResourceLocation::GetResourceZipHandle());
}
