#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/core/location_reset.h"
#include "tests/core/temp_folder.h"
#include "tests/core/zip_writer.h"
#include "ui/core/resources/UIResourceLocation.h"

using namespace SkinUI;
using namespace ziptest;

namespace {

Bytes SkinArchive() {
    ZipItem skin{"main.xml", "<Window/>", true, 0, ""};
    return BuildZip({skin});
}

bool AccessFinds(const wchar_t* name) {
    CResourceZipAccess access;
    ArchiveEntry entry;
    return access.Get() != nullptr && FindArchiveItem(access.Get(), name, &entry) == ArchiveOk;
}

}  // namespace

TEST(ResourceLocation, ResourcePathGetsOneTrailingSeparator) {
    LocationReset reset;
    CResourceLocation::SetResourcePath(L"C:\\skins");
    EXPECT_STREQ(L"C:\\skins\\", CResourceLocation::GetResourcePath());
    CResourceLocation::SetResourcePath(L"C:\\skins\\");
    EXPECT_STREQ(L"C:\\skins\\", CResourceLocation::GetResourcePath());
    CResourceLocation::SetResourcePath(L"skins/");
    EXPECT_STREQ(L"skins/", CResourceLocation::GetResourcePath());
    CResourceLocation::SetResourcePath(L"");
    EXPECT_STREQ(L"", CResourceLocation::GetResourcePath());
    CResourceLocation::SetResourcePath(nullptr);
    EXPECT_STREQ(L"", CResourceLocation::GetResourcePath());
}

TEST(ResourceLocation, InstancePathIsTheModuleFolder) {
    LocationReset reset;
    CResourceLocation::SetInstance(nullptr);
    EXPECT_TRUE(CResourceLocation::GetInstancePath().IsEmpty());

    HINSTANCE program = GetModuleHandleW(nullptr);
    CResourceLocation::SetInstance(program);
    EXPECT_EQ(program, CResourceLocation::GetResourceInstance());
    wchar_t file[MAX_PATH];
    GetModuleFileNameW(program, file, MAX_PATH);
    std::wstring expected(file);
    expected.erase(expected.rfind(L'\\') + 1);
    EXPECT_STREQ(expected.c_str(), CResourceLocation::GetInstancePath());
}

TEST(ResourceLocation, CachedFileArchiveStaysOpenUntilReplaced) {
    TempFolder folder;
    Bytes zip = SkinArchive();
    folder.Write(L"skin.zip", zip.data(), zip.size());
    LocationReset reset;
    CResourceLocation::SetResourcePath(folder.Path().c_str());

    CResourceLocation::SetResourceZip(L"skin.zip", true);
    ArchiveHandle cached = CResourceLocation::GetResourceZipHandle();
    ASSERT_NE(nullptr, cached);
    EXPECT_STREQ(L"skin.zip", CResourceLocation::GetResourceZip());
    EXPECT_TRUE(CResourceLocation::IsCachedResourceZip());
    {
        CResourceZipAccess access;
        EXPECT_EQ(cached, access.Get());
    }
    CResourceLocation::SetResourceZip(L"skin.zip", true);
    EXPECT_EQ(cached, CResourceLocation::GetResourceZipHandle()) << "same settings keep the open archive";
    EXPECT_TRUE(AccessFinds(L"MAIN.xml"));

    // Not cached: nothing stays open, every access opens the file for itself.
    CResourceLocation::SetResourceZip(L"skin.zip", false);
    EXPECT_EQ(nullptr, CResourceLocation::GetResourceZipHandle());
    EXPECT_FALSE(CResourceLocation::IsCachedResourceZip());
    EXPECT_TRUE(AccessFinds(L"main.xml"));

    CResourceLocation::SetResourceZip(L"missing.zip", true);
    EXPECT_EQ(nullptr, CResourceLocation::GetResourceZipHandle());
    EXPECT_FALSE(AccessFinds(L"main.xml"));

    CResourceLocation::SetResourceZip(L"", true);
    EXPECT_TRUE(CResourceLocation::GetResourceZip().IsEmpty());
    EXPECT_EQ(nullptr, CResourceLocation::GetResourceZipHandle());
}

TEST(ResourceLocation, MemoryArchiveIsSetOnce) {
    Bytes first = SkinArchive();
    Bytes second = BuildZip({ZipItem{"other.xml", "<Other/>", false, 0, ""}});
    LocationReset reset;

    CResourceLocation::SetResourceZip(first.data(), first.size());
    EXPECT_STREQ(kMemoryResourceZip, CResourceLocation::GetResourceZip());
    ArchiveHandle cached = CResourceLocation::GetResourceZipHandle();
    ASSERT_NE(nullptr, cached);

    CResourceLocation::SetResourceZip(second.data(), second.size());
    EXPECT_EQ(cached, CResourceLocation::GetResourceZipHandle());
    EXPECT_TRUE(AccessFinds(L"main.xml"));
    EXPECT_FALSE(AccessFinds(L"other.xml"));
}

TEST(ResourceLocation, UncachedMemoryArchiveIsOpenedFromTheBlock) {
    TempFolder folder;
    Bytes zip = SkinArchive();
    LocationReset reset;
    CResourceLocation::SetResourcePath(folder.Path().c_str());
    // A file named like the memory archive must not be what gets read.
    Bytes decoy = BuildZip({ZipItem{"decoy.xml", "<Decoy/>", false, 0, ""}});
    folder.Write(kMemoryResourceZip, decoy.data(), decoy.size());

    CResourceLocation::SetResourceZip(L"other.zip", false);
    CResourceLocation::SetResourceZip(zip.data(), zip.size());
    EXPECT_EQ(nullptr, CResourceLocation::GetResourceZipHandle());
    EXPECT_TRUE(AccessFinds(L"main.xml"));
    EXPECT_FALSE(AccessFinds(L"decoy.xml"));
}
