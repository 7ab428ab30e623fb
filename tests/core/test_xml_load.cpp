#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/core/guarded_memory.h"
#include "tests/core/location_reset.h"
#include "tests/core/temp_folder.h"
#include "tests/core/xml_skin_samples.h"
#include "tests/core/xml_test_support.h"
#include "tests/core/zip_writer.h"
#include "ui/core/resources/UIResourceLocation.h"
#include "ui/core/xml/XmlDocument.h"

using SkinUI::CResourceLocation;
using SkinUI::CXmlDocument;
using xmltest::Describe;
using xmltest::TextOf;

namespace {

constexpr size_t kLimit = 4u * 1024u * 1024u;

std::string Utf16Bytes(const std::wstring& text, bool bigEndian, bool mark) {
    std::string bytes;
    if (mark) {
        bytes += bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    }
    for (wchar_t ch : text) {
        const char high = static_cast<char>(ch >> 8);
        const char low = static_cast<char>(ch & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// A document of exactly `size` bytes: a root whose text fills the rest.
std::string DocumentOfSize(size_t size) {
    const std::string open = "<Window>";
    const std::string close = "</Window>";
    return open + std::string(size - open.size() - close.size(), 'x') + close;
}

std::string LoadError(CXmlDocument& document, const std::wstring& name) {
    if (document.LoadFromFile(name.c_str())) {
        return "loaded";
    }
    const std::wstring message = document.GetLastErrorMessage();
    return std::string(message.begin(), message.end());
}

}  // namespace

TEST(XmlLoad, Utf8MarkIsSkippedAndShortBuffersAreConvertedWhole) {
    const std::string skin = xmlsamples::MenuSkin();
    const std::string marked = "\xEF\xBB\xBF" + skin;
    CXmlDocument plain;
    CXmlDocument document;
    ASSERT_TRUE(plain.LoadFromMemory(skin.data(), skin.size()));
    ASSERT_TRUE(document.LoadFromMemory(marked.data(), marked.size()));
    EXPECT_EQ(plain.GetTextLength(), document.GetTextLength());
    EXPECT_EQ(Describe(plain.GetRoot()), Describe(document.GetRoot()));

    EXPECT_FALSE(document.LoadFromMemory("<a", 2));
    EXPECT_STREQ(L"Error parsing element name", document.GetLastErrorMessage());
    // Two bytes of a mark are no mark: they become a replacement character.
    EXPECT_FALSE(document.LoadFromMemory("\xEF\xBB", 2));
    EXPECT_STREQ(L"Expected start tag", document.GetLastErrorMessage());
    EXPECT_FALSE(document.LoadFromMemory(nullptr, 10));
    EXPECT_STREQ(L"Expected start tag", document.GetLastErrorMessage());
}

TEST(XmlLoad, BytesAreReadOnlyAndNotPastTheirEnd) {
    const std::wstring text = L"<a t=\"\u5b57&amp;\">\u4f53</a>";
    struct Case {
        std::string bytes;
        SkinUI::XmlEncoding encoding;
    };
    const Case cases[] = {
        {Utf16Bytes(text, false, true), SkinUI::XmlEncodingUtf16},
        {Utf16Bytes(text, true, true), SkinUI::XmlEncodingUtf16},
        {Utf16Bytes(text, false, false) + "\x20", SkinUI::XmlEncodingUtf16},  // no mark, odd last byte
        {"<a t=\"\xE5\xAD\x97&amp;\">\xE4\xBD\x93</a>", SkinUI::XmlEncodingUtf8},
    };
    for (const Case& c : cases) {
        // Read-only memory flush against a guard page: a write or an overread faults.
        GuardedMemory memory(c.bytes.size());
        unsigned char* placed = memory.Place(c.bytes.data(), c.bytes.size());
        DWORD previous = 0;
        ASSERT_TRUE(VirtualProtect(placed, c.bytes.size(), PAGE_READONLY, &previous));
        CXmlDocument document;
        ASSERT_TRUE(document.LoadFromMemory(placed, c.bytes.size(), c.encoding)) << document.GetLastErrorMessage();
        EXPECT_STREQ(L"\u5b57&", document.GetRoot().GetAttributeValue(0));
        EXPECT_EQ(L"\u4f53", TextOf(document, 1));
        EXPECT_EQ(0, memcmp(placed, c.bytes.data(), c.bytes.size()));
    }

    const std::string ascii = "<Label text=\"a &lt; b\"/>";
    CXmlDocument document;
    ASSERT_TRUE(document.LoadFromMemory(ascii.data(), ascii.size(), SkinUI::XmlEncodingAnsi));
    EXPECT_STREQ(L"a < b", document.GetRoot().GetAttributeValue(0));
}

TEST(XmlLoad, FilesUnderTheResourceFolder) {
    TempFolder folder;
    LocationReset location;
    CResourceLocation::SetResourcePath(folder.Path().c_str());
    folder.Write(L"main.xml", std::string(xmlsamples::MainWindowSkin()));
    folder.Write(L"empty.xml", std::string());
    folder.Write(L"limit.xml", DocumentOfSize(kLimit));
    folder.Write(L"over.xml", DocumentOfSize(kLimit + 1));
    folder.Write(L"bad.xml", std::string("<Window><Label></Window>"));

    CXmlDocument document;
    EXPECT_EQ("loaded", LoadError(document, L"main.xml"));
    EXPECT_STREQ(L"Window", document.GetRoot().GetName());

    EXPECT_EQ("Error opening file", LoadError(document, L"missing.xml"));
    EXPECT_FALSE(document.IsValid());
    EXPECT_EQ("File is empty", LoadError(document, L"empty.xml"));
    EXPECT_EQ("loaded", LoadError(document, L"limit.xml"));
    EXPECT_EQ(kLimit, document.GetTextLength());
    EXPECT_EQ("File too large", LoadError(document, L"over.xml"));
    EXPECT_EQ("Unmatched closing tag", LoadError(document, L"bad.xml"));

    // After failures the same object loads cleanly again.
    EXPECT_EQ("loaded", LoadError(document, L"main.xml"));
    EXPECT_STREQ(L"", document.GetLastErrorMessage());
}

TEST(XmlLoad, FileSizeIsCheckedInFull64Bits) {
    TempFolder folder;
    LocationReset location;
    CResourceLocation::SetResourcePath(folder.Path().c_str());
    // 4 GiB + a small document: only the low 32 bits would look like a valid size.
    const std::string small = "<a/>";
    const std::wstring path = folder.Write(L"huge.xml", small);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    LARGE_INTEGER end;
    end.QuadPart = 0x100000000LL + static_cast<LONGLONG>(small.size());
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    if (!sized) {
        GTEST_SKIP() << "the temp folder cannot hold a sparse 4 GiB file";
    }
    CXmlDocument document;
    EXPECT_EQ("File too large", LoadError(document, L"huge.xml"));
}

TEST(XmlLoad, ItemsOfTheResourceArchive) {
    using ziptest::ZipItem;
    ZipItem skin;
    skin.name = "skin/Main.xml";
    skin.data = xmlsamples::MainWindowSkin();
    skin.deflate = true;
    ZipItem empty;
    empty.name = "empty.xml";
    ZipItem large;
    large.name = "large.xml";
    large.data = DocumentOfSize(kLimit + 1);
    large.deflate = true;
    ZipItem damaged;
    damaged.name = "damaged.xml";
    damaged.data = "<Window/>";
    ziptest::ZipLayout layout;
    ziptest::Bytes zip = ziptest::BuildZip({skin, empty, large, damaged}, "", &layout);
    const uint32_t wrongCrc = ziptest::Get32(zip, layout.directoryEntries[3] + ziptest::Central::kCrc) ^ 1u;
    ziptest::Put32(zip, layout.directoryEntries[3] + ziptest::Central::kCrc, wrongCrc);
    ziptest::Put32(zip, layout.localHeaders[3] + ziptest::Local::kCrc, wrongCrc);

    LocationReset location;
    CResourceLocation::SetResourceZip(zip.data(), zip.size());
    CXmlDocument document;
    EXPECT_EQ("loaded", LoadError(document, L"SKIN/main.XML"));
    EXPECT_STREQ(L"Window", document.GetRoot().GetName());
    EXPECT_EQ("Could not find ziped file", LoadError(document, L"main.xml"));
    EXPECT_EQ("File is empty", LoadError(document, L"empty.xml"));
    EXPECT_EQ("File too large", LoadError(document, L"large.xml"));
    EXPECT_EQ("Could not unzip file", LoadError(document, L"damaged.xml"));
    EXPECT_FALSE(document.IsValid());
}

TEST(XmlLoad, MissingArchiveFailsToOpen) {
    TempFolder folder;
    LocationReset location;
    CResourceLocation::SetResourcePath(folder.Path().c_str());
    CResourceLocation::SetResourceZip(L"absent.zip", true);
    CXmlDocument document;
    EXPECT_EQ("Error opening zip file", LoadError(document, L"main.xml"));
    CResourceLocation::SetResourceZip(L"absent.zip", false);
    EXPECT_EQ("Error opening zip file", LoadError(document, L"main.xml"));
}

TEST(XmlLoad, UnreadableFileFailsToRead) {
    LocationReset location;
    // A pipe opens like a file but has no size to read.
    const wchar_t* name = L"\\\\.\\pipe\\skinui_xml_load_test";
    HANDLE server = CreateNamedPipeW(name, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, server);
    CXmlDocument document;
    EXPECT_EQ("Could not read file", LoadError(document, name));
    CloseHandle(server);
}
