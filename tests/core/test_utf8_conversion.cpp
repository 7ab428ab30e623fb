#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "ui/core/base/UIUtf8.h"
#include "ui/core/xml/XmlDocument.h"

namespace {

// The system's strict verdict: the text, or nothing when any sequence is malformed.
bool SystemConvertsStrictly(const std::string& bytes, std::wstring* text) {
    text->clear();
    if (bytes.empty()) {
        return true;
    }
    const int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length == 0) {
        return false;
    }
    text->resize(static_cast<size_t>(length));
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), &(*text)[0],
                        length);
    return true;
}

// Our converter must accept exactly what the system accepts, with the same result.
void ExpectSameVerdict(const std::string& bytes) {
    std::vector<WCHAR> output(bytes.size() + 1);
    const ptrdiff_t length =
        SkinUI::ConvertWellFormedUtf8(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size(), output.data());
    std::wstring expected;
    const bool valid = SystemConvertsStrictly(bytes, &expected);
    ASSERT_EQ(valid, length >= 0) << testing::PrintToString(bytes);
    if (valid) {
        EXPECT_EQ(expected, std::wstring(output.data(), static_cast<size_t>(length))) << testing::PrintToString(bytes);
    }
}

}  // namespace

TEST(Utf8Conversion, BoundarySequencesMatchTheSystem) {
    const std::vector<std::string> cases = {
        "",
        "plain ascii text that is longer than eight bytes",
        "\x7F",
        "\xC2\x80",
        "\xDF\xBF",
        "\xE0\xA0\x80",
        "\xEF\xBF\xBF",
        "\xED\x9F\xBF",
        "\xEE\x80\x80",
        "\xF0\x90\x80\x80",
        "\xF4\x8F\xBF\xBF",
        "\xE5\xAD\x97\xE4\xBD\x93 mixed \xF0\x9F\x98\x80 and ascii 12345678",
        // Malformed: stray continuation, overlong forms, surrogates, too large, truncated.
        "\x80",
        "\xBF",
        "\xC0\x80",
        "\xC1\xBF",
        "\xE0\x9F\xBF",
        "\xED\xA0\x80",
        "\xED\xBF\xBF",
        "\xF0\x8F\xBF\xBF",
        "\xF4\x90\x80\x80",
        "\xF5\x80\x80\x80",
        "\xFF",
        "\xFE",
        "\xC2",
        "\xE5\xAD",
        "\xF0\x9F\x98",
        "abcdefgh\xC2",
        "\xC2"
        "abcdefgh",
        "\xE5\xAD"
        "A",
    };
    for (const std::string& bytes : cases) {
        ExpectSameVerdict(bytes);
    }
}

TEST(Utf8Conversion, RandomTextsMatchTheSystem) {
    std::mt19937 random(20240611u);
    const std::vector<std::string> pieces = {"a",
                                             "<Button text=\"",
                                             "\"/>",
                                             " ",
                                             "\xE5\xAD\x97",
                                             "\xC3\xA9",
                                             "\xF0\x9F\x98\x80",
                                             "\xEF\xBB\xBF",
                                             "\x80",
                                             "\xC2",
                                             "\xED\xA0\x80",
                                             "\xF4\x90",
                                             "\xE0\x80\x80",
                                             "0123456789abcdef"};
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int count = static_cast<int>(random() % 24);
        for (int i = 0; i < count; ++i) {
            bytes += pieces[random() % pieces.size()];
        }
        if (random() % 4 == 0 && !bytes.empty()) {
            bytes[random() % bytes.size()] = static_cast<char>(random());
        }
        ExpectSameVerdict(bytes);
        if (HasFatalFailure()) {
            return;
        }
    }
}

// Malformed bytes reach the document the way the system converts them.
TEST(Utf8Conversion, MalformedDocumentsFallBackToTheSystem) {
    const std::string bytes = "<a t=\"\xE5\xAD\x97\x80\xC2\"/>";
    std::wstring expected(bytes.size(), L'\0');
    expected.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                            &expected[0], static_cast<int>(expected.size()))));
    SkinUI::CXmlDocument document;
    ASSERT_TRUE(document.LoadFromMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(expected.size(), document.GetTextLength());
    EXPECT_EQ(expected.substr(6, expected.size() - 9), document.GetRoot().GetAttributeValue(0));
}
