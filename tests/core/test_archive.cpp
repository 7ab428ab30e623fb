#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "tests/core/guarded_memory.h"
#include "tests/core/temp_folder.h"
#include "tests/core/zip_writer.h"
#include "ui/core/resources/UIArchive.h"

using namespace SkinUI;
using namespace ziptest;

namespace {

struct ArchiveCloser {
    void operator()(CArchive* archive) const { CloseArchive(archive); }
};
typedef std::unique_ptr<CArchive, ArchiveCloser> ArchivePtr;

ArchivePtr Open(const Bytes& zip) {
    return ArchivePtr(OpenArchive(zip.data(), zip.size()));
}

std::string SkinText() {
    std::string text = "<Window size=\"640,480\">";
    for (int row = 0; row < 40; ++row)
        text += "<Button name=\"row" + std::to_string(row) + "\" text=\"cell\" />";
    return text + "</Window>";
}

std::string BinaryBlob() {
    std::string blob;
    for (int i = 0; i < 700; ++i)
        blob += static_cast<char>((i * 131 + 7) & 0xFF);
    return blob;
}

std::vector<ZipItem> SampleItems() {
    ZipItem skin{"skin/Main.xml", SkinText(), true, 0, ""};
    ZipItem logo{"img/logo.png", BinaryBlob(), false, 0, ""};
    ZipItem empty{"empty.txt", "", false, 0, ""};
    return {skin, logo, empty};
}

// Extracts into a buffer of exactly the item's size, the way the framework does.
ArchiveResult ExtractByName(ArchiveHandle archive, const wchar_t* name, std::string* data) {
    ArchiveEntry entry;
    ArchiveResult found = FindArchiveItem(archive, name, &entry);
    if (found != ArchiveOk)
        return found;
    data->assign(entry.size, '\0');
    return ExtractArchiveItem(archive, entry.index, data->empty() ? nullptr : &(*data)[0], data->size());
}

bool Finds(const Bytes& zip, const wchar_t* name) {
    ArchivePtr archive = Open(zip);
    ArchiveEntry entry;
    return archive && FindArchiveItem(archive.get(), name, &entry) == ArchiveOk;
}

ArchiveResult ExtractFrom(const Bytes& zip, const wchar_t* name) {
    ArchivePtr archive = Open(zip);
    if (!archive)
        return ArchiveCorrupt;
    std::string data;
    return ExtractByName(archive.get(), name, &data);
}

}  // namespace

TEST(Archive, StoredAndDeflatedItemsComeBackExactly) {
    Bytes zip = BuildZip(SampleItems());
    ArchivePtr archive = Open(zip);
    ASSERT_TRUE(archive);

    std::string data;
    EXPECT_EQ(ArchiveOk, ExtractByName(archive.get(), L"skin/Main.xml", &data));
    EXPECT_EQ(SkinText(), data);
    EXPECT_EQ(ArchiveOk, ExtractByName(archive.get(), L"img/logo.png", &data));
    EXPECT_EQ(BinaryBlob(), data);

    ArchiveEntry entry;
    ASSERT_EQ(ArchiveOk, FindArchiveItem(archive.get(), L"empty.txt", &entry));
    EXPECT_EQ(0u, entry.size);
    EXPECT_EQ(ArchiveOk, ExtractArchiveItem(archive.get(), entry.index, nullptr, 0));
}

TEST(Archive, NamesMatchWholeAndIgnoringCase) {
    ZipItem chinese{"\xe7\x9a\xae\xe8\x82\xa4.xml", "<a/>", false, 0x0800, ""};  // 皮肤.xml, UTF-8 flag
    std::vector<ZipItem> items = SampleItems();
    items.push_back(chinese);
    Bytes zip = BuildZip(items);
    ArchivePtr archive = Open(zip);
    ASSERT_TRUE(archive);

    ArchiveEntry entry;
    ASSERT_EQ(ArchiveOk, FindArchiveItem(archive.get(), L"SKIN/main.XML", &entry));
    EXPECT_STREQ(L"skin/Main.xml", entry.name);
    EXPECT_EQ(SkinText().size(), entry.size);
    EXPECT_EQ(ArchiveOk, FindArchiveItem(archive.get(), L"\x76ae\x80a4.XML", &entry));

    EXPECT_EQ(ArchiveNotFound, FindArchiveItem(archive.get(), L"skin/Main.xm", &entry));
    EXPECT_EQ(ArchiveNotFound, FindArchiveItem(archive.get(), L"skin/Main.xml2", &entry));
    EXPECT_EQ(ArchiveNotFound, FindArchiveItem(archive.get(), L"Main.xml", &entry));
    EXPECT_EQ(ArchiveNotFound, FindArchiveItem(archive.get(), L"", &entry));
}

TEST(Archive, SmallerBufferIsFilledAndReportsMoreData) {
    Bytes zip = BuildZip(SampleItems());
    ArchivePtr archive = Open(zip);
    ASSERT_TRUE(archive);
    for (const wchar_t* name : {L"skin/Main.xml", L"img/logo.png"}) {
        ArchiveEntry entry;
        ASSERT_EQ(ArchiveOk, FindArchiveItem(archive.get(), name, &entry));
        std::string full(entry.size, '\0');
        ASSERT_EQ(ArchiveOk, ExtractArchiveItem(archive.get(), entry.index, &full[0], full.size()));

        GuardedMemory guarded(100);
        unsigned char* part = guarded.Place(100);
        EXPECT_EQ(ArchiveBufferFull, ExtractArchiveItem(archive.get(), entry.index, part, 100)) << name;
        EXPECT_EQ(full.substr(0, 100), std::string(reinterpret_cast<char*>(part), 100));
        EXPECT_EQ(ArchiveBufferFull, ExtractArchiveItem(archive.get(), entry.index, nullptr, 0));

        // A larger buffer gets the item and nothing more.
        std::string roomy(entry.size + 16, '#');
        EXPECT_EQ(ArchiveOk, ExtractArchiveItem(archive.get(), entry.index, &roomy[0], roomy.size()));
        EXPECT_EQ(full + std::string(16, '#'), roomy);
    }
}

TEST(Archive, EndRecordIsFoundBehindComments) {
    Bytes plain = BuildZip(SampleItems(), "skin archive");
    EXPECT_TRUE(Finds(plain, L"img/logo.png"));

    Bytes longest = BuildZip(SampleItems(), std::string(0xFFFF, 'c'));
    EXPECT_TRUE(Finds(longest, L"img/logo.png"));

    // A comment holding something that looks like an end record is passed over.
    std::string fake("PK\x05\x06", 4);
    fake += std::string(18, '\0');
    Bytes tricky = BuildZip(SampleItems(), fake + "tail");
    EXPECT_TRUE(Finds(tricky, L"img/logo.png"));

    // An end record further from the end than the longest comment allows is not looked for.
    Bytes padded = BuildZip(SampleItems(), std::string(0xFFFF, 'c'));
    padded.push_back('x');
    EXPECT_FALSE(Open(padded));
}

TEST(Archive, EmptyArchiveOpensWithNoItems) {
    Bytes zip = BuildZip({});
    ArchivePtr archive = Open(zip);
    ASSERT_TRUE(archive);
    ArchiveEntry entry;
    EXPECT_EQ(ArchiveNotFound, FindArchiveItem(archive.get(), L"a", &entry));
}

TEST(Archive, TruncatedArchivesDoNotOpen) {
    Bytes zip = BuildZip(SampleItems(), "c");
    GuardedMemory guarded(zip.size());
    for (size_t length = 0; length < zip.size(); ++length) {
        unsigned char* start = guarded.Place(zip.data(), length);
        ArchiveHandle archive = OpenArchive(start, length);
        EXPECT_EQ(nullptr, archive) << length;
        CloseArchive(archive);
    }
}

TEST(Archive, DirectoryThatLiesAboutItsExtentIsRefused) {
    ZipLayout layout;
    const Bytes zip = BuildZip(SampleItems(), "", &layout);
    const size_t end = layout.endRecord;
    const size_t lastEntry = layout.directoryEntries.back();

    Bytes broken = zip;
    Put32(broken, end + End::kDirectorySize, Get32(zip, end + End::kDirectorySize) + 1);
    EXPECT_FALSE(Open(broken)) << "directory running into the end record";

    broken = zip;
    Put32(broken, end + End::kDirectoryOffset, 0xFFFFFF00u);
    EXPECT_FALSE(Open(broken)) << "directory offset past the archive";

    broken = zip;
    Put16(broken, end + End::kEntries, 4);
    Put16(broken, end + End::kEntriesOnDisk, 4);
    EXPECT_FALSE(Open(broken)) << "more entries than the directory holds";

    broken = zip;
    Put16(broken, lastEntry + Central::kNameLength, 0xFFFF);
    EXPECT_FALSE(Open(broken)) << "name running out of the directory";

    broken = zip;
    Put16(broken, lastEntry + Central::kCommentLength, 1);
    EXPECT_FALSE(Open(broken)) << "entry comment running out of the directory";

    broken = zip;
    Put16(broken, end + End::kEntries, 0xFFFF);
    Put16(broken, end + End::kEntriesOnDisk, 0xFFFF);
    EXPECT_FALSE(Open(broken)) << "ZIP64 end record";

    broken = zip;
    Put16(broken, end + End::kDisk, 1);
    EXPECT_FALSE(Open(broken)) << "split archive";

    broken = zip;
    Put16(broken, end + End::kCommentLength, 5);
    EXPECT_FALSE(Open(broken)) << "comment running past the end";
}

TEST(Archive, ItemsTheReaderCannotHandleAreNotFound) {
    ZipLayout layout;
    const Bytes zip = BuildZip(SampleItems(), "", &layout);
    const size_t logo = layout.directoryEntries[1];

    Bytes broken = zip;
    Put16(broken, logo + Central::kFlags, 0x0001);
    EXPECT_FALSE(Finds(broken, L"img/logo.png")) << "encrypted";

    broken = zip;
    Put16(broken, logo + Central::kFlags, 0x0040);
    EXPECT_FALSE(Finds(broken, L"img/logo.png")) << "strongly encrypted";

    broken = zip;
    Put16(broken, logo + Central::kMethod, 12);
    EXPECT_FALSE(Finds(broken, L"img/logo.png")) << "bzip2";

    for (size_t field : {Central::kCompressedSize, Central::kSize, Central::kLocalOffset}) {
        broken = zip;
        Put32(broken, logo + field, 0xFFFFFFFF);
        EXPECT_FALSE(Finds(broken, L"img/logo.png")) << "ZIP64 marker at " << field;
    }

    broken = zip;
    Put32(broken, logo + Central::kCompressedSize, Get32(zip, logo + Central::kCompressedSize) - 1);
    EXPECT_FALSE(Finds(broken, L"img/logo.png")) << "stored item whose sizes differ";

    broken = zip;
    Put32(broken, logo + Central::kLocalOffset, static_cast<uint32_t>(layout.directoryOffset));
    EXPECT_FALSE(Finds(broken, L"img/logo.png")) << "local header inside the directory";

    // The other items are still there.
    EXPECT_TRUE(Finds(broken, L"skin/Main.xml"));

    std::vector<ZipItem> items = SampleItems();
    items[1].centralExtra = std::string("\x01\x00\x08\x00", 4) + std::string(8, '\0');
    EXPECT_FALSE(Finds(BuildZip(items), L"img/logo.png")) << "ZIP64 extra field";
    items[1].centralExtra = std::string("\x55\x54\x09\x00", 4);
    EXPECT_FALSE(Finds(BuildZip(items), L"img/logo.png")) << "extra block longer than the field";
    items[1].centralExtra = std::string("\x55\x54\x01\x00", 4) + "x";
    EXPECT_TRUE(Finds(BuildZip(items), L"img/logo.png")) << "well-formed foreign extra field";
}

TEST(Archive, DeclaredSizesAbove64MiBAreRefused) {
    ZipLayout layout;
    const Bytes zip = BuildZip(SampleItems(), "", &layout);
    const size_t skin = layout.directoryEntries[0];

    Bytes broken = zip;
    Put32(broken, skin + Central::kSize, 64u * 1024 * 1024 + 1);
    EXPECT_FALSE(Finds(broken, L"skin/Main.xml"));

    broken = zip;
    Put32(broken, skin + Central::kSize, 64u * 1024 * 1024);
    ArchivePtr archive = Open(broken);
    ArchiveEntry entry;
    ASSERT_EQ(ArchiveOk, FindArchiveItem(archive.get(), L"skin/Main.xml", &entry));
    EXPECT_EQ(64u * 1024 * 1024, entry.size);
    // The stream is far shorter than that, which extraction reports.
    EXPECT_EQ(ArchiveCorrupt, ExtractArchiveItem(archive.get(), entry.index, nullptr, 0));
}

TEST(Archive, ItemsWhoseDataLiesFailToExtract) {
    ZipLayout layout;
    const Bytes zip = BuildZip(SampleItems(), "", &layout);
    const size_t skinEntry = layout.directoryEntries[0];
    const size_t skinLocal = layout.localHeaders[0];
    const size_t logoEntry = layout.directoryEntries[1];
    const size_t logoLocal = layout.localHeaders[1];
    const uint32_t skinSize = Get32(zip, skinEntry + Central::kSize);

    Bytes broken = zip;
    Put32(broken, skinEntry + Central::kSize, skinSize + 1);
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"skin/Main.xml")) << "inflates shorter than declared";

    broken = zip;
    Put32(broken, skinEntry + Central::kSize, skinSize - 1);
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"skin/Main.xml")) << "inflates longer than declared";

    broken = zip;
    Put32(broken, skinEntry + Central::kCompressedSize, Get32(zip, skinEntry + Central::kCompressedSize) - 5);
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"skin/Main.xml")) << "compressed data cut short";

    broken = zip;
    Put32(broken, skinEntry + Central::kCompressedSize, static_cast<uint32_t>(zip.size()));
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"skin/Main.xml")) << "compressed size past the data";

    broken = zip;
    Put32(broken, logoEntry + Central::kCrc, Get32(zip, logoEntry + Central::kCrc) ^ 1);
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"img/logo.png")) << "checksum";

    broken = zip;
    broken[logoLocal + Local::kHeaderSize + 12 + 40] ^= 0x20;
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"img/logo.png")) << "stored data changed";

    broken = zip;
    Put16(broken, logoLocal + Local::kExtraLength, 0xFFFF);
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"img/logo.png")) << "local extra field past the data";

    broken = zip;
    Put16(broken, skinLocal + Local::kMethod, 0);
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"skin/Main.xml")) << "local method disagrees";

    broken = zip;
    Put16(broken, skinLocal + Local::kFlags, 1);
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"skin/Main.xml")) << "local header says encrypted";

    broken = zip;
    broken[skinLocal] = 'Q';
    EXPECT_EQ(ArchiveCorrupt, ExtractFrom(broken, L"skin/Main.xml")) << "local signature";
}

TEST(Archive, ShortBufferStillVerifiesTheWholeItem) {
    ZipLayout layout;
    Bytes zip = BuildZip(SampleItems(), "", &layout);
    const size_t skinEntry = layout.directoryEntries[0];
    Put32(zip, skinEntry + Central::kCrc, Get32(zip, skinEntry + Central::kCrc) ^ 0x80);
    ArchivePtr archive = Open(zip);
    ArchiveEntry entry;
    ASSERT_EQ(ArchiveOk, FindArchiveItem(archive.get(), L"skin/Main.xml", &entry));
    char part[10];
    EXPECT_EQ(ArchiveCorrupt, ExtractArchiveItem(archive.get(), entry.index, part, sizeof(part)));
}

TEST(Archive, BadArgumentsAreRejected) {
    Bytes zip = BuildZip(SampleItems());
    ArchivePtr archive = Open(zip);
    ArchiveEntry entry;
    char buffer[4];
    EXPECT_EQ(ArchiveBadArgument, FindArchiveItem(nullptr, L"a", &entry));
    EXPECT_EQ(ArchiveBadArgument, FindArchiveItem(archive.get(), nullptr, &entry));
    EXPECT_EQ(ArchiveBadArgument, FindArchiveItem(archive.get(), L"a", nullptr));
    EXPECT_EQ(ArchiveBadArgument, ExtractArchiveItem(nullptr, 0, buffer, sizeof(buffer)));
    EXPECT_EQ(ArchiveBadArgument, ExtractArchiveItem(archive.get(), -1, buffer, sizeof(buffer)));
    EXPECT_EQ(ArchiveBadArgument, ExtractArchiveItem(archive.get(), 3, buffer, sizeof(buffer)));
    EXPECT_EQ(ArchiveBadArgument, ExtractArchiveItem(archive.get(), 0, nullptr, 4));
    EXPECT_EQ(nullptr, OpenArchive(nullptr, 10));
    EXPECT_EQ(nullptr, OpenArchive(zip.data(), 0));
    CloseArchive(nullptr);
}

TEST(Archive, OpensFilesInPlace) {
    TempFolder folder;
    Bytes zip = BuildZip(SampleItems());
    std::wstring path = folder.Write(L"skin.zip", zip.data(), zip.size());
    ArchivePtr archive(OpenArchive(path.c_str()));
    ASSERT_TRUE(archive);
    std::string data;
    EXPECT_EQ(ArchiveOk, ExtractByName(archive.get(), L"SKIN/MAIN.XML", &data));
    EXPECT_EQ(SkinText(), data);

    EXPECT_EQ(nullptr, OpenArchive(folder.Write(L"empty.zip", "").c_str()));
    EXPECT_EQ(nullptr, OpenArchive(folder.Write(L"text.zip", "not an archive").c_str()));
    EXPECT_EQ(nullptr, OpenArchive((folder.Path() + L"missing.zip").c_str()));
    EXPECT_EQ(nullptr, OpenArchive(folder.Path().c_str()));
    EXPECT_EQ(nullptr, OpenArchive(static_cast<const wchar_t*>(nullptr)));
}
