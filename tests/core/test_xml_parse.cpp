#include <gtest/gtest.h>

#include <string>

#include "tests/core/xml_skin_samples.h"
#include "tests/core/xml_test_support.h"
#include "ui/core/xml/XmlDocument.h"

using SkinUI::CXmlDocument;
using SkinUI::CXmlNode;
using xmltest::Describe;
using xmltest::TextOf;
using xmltest::Widen;

namespace {

std::wstring Nested(int depth) {
    std::wstring open;
    std::wstring close;
    for (int i = 0; i < depth; ++i) {
        open += L"<e>";
        close += L"</e>";
    }
    return open + close;
}

}  // namespace

TEST(XmlParse, SkinBuildsTheElementTree) {
    const std::string skin = xmlsamples::MainWindowSkin();
    CXmlDocument document;
    ASSERT_TRUE(document.LoadFromMemory(skin.data(), skin.size())) << document.GetLastErrorMessage();
    const CXmlNode window = document.GetRoot();
    EXPECT_STREQ(L"Window", window.GetName());
    EXPECT_EQ(5, window.GetAttributeCount());

    const CXmlNode font = window.GetChild();
    EXPECT_STREQ(Widen(u8"微软雅黑").c_str(), font.GetAttributeValue(1));
    const CXmlNode defaults = font.GetSibling().GetSibling();
    EXPECT_STREQ(L"height=\"24\" textcolor=\"#FF333333\"", defaults.GetAttributeValue(1));

    const CXmlNode titleBar = defaults.GetSibling().GetChild();
    EXPECT_STREQ(L"res='110' restype='PNG' corner='5,5,24,24'", titleBar.GetAttributeValue(1));
    const CXmlNode closeButton = titleBar.GetChild().GetSibling().GetSibling().GetSibling();
    EXPECT_STREQ(Widen(u8"关闭 & 退出").c_str(), closeButton.GetAttributeValue(3));
    EXPECT_FALSE(closeButton.GetSibling().IsValid());
    EXPECT_EQ(
        L"ListHeader{height=24;bkimage=res='113' restype='PNG';}(ListHeaderItem{text=\u6587\u4ef6\u540d;"
        L"width=180;sepwidth=1;}ListHeaderItem{text=\u8def\u5f84;width=360;sepwidth=1;}ListHeaderItem{"
        L"text=\u72b6\u6001;width=80;sepwidth=1;}ListHeaderItem{text=\u5220\u9664;width=60;})",
        Describe(titleBar.GetSibling().GetChild()));
}

TEST(XmlParse, EmptyElementsWithAndWithoutSpaceBeforeTheSlash) {
    CXmlDocument document;
    ASSERT_TRUE(document.Load(L"<a><Control/><Control /><Control x=\"1\"/><b>t</b></a>"));
    EXPECT_EQ(L"a{}(Control{}Control{}Control{x=1;}b{})", Describe(document.GetRoot()));
    EXPECT_EQ(L"t", TextOf(document, 5));

    ASSERT_TRUE(document.Load(L"<Control/>"));
    EXPECT_STREQ(L"Control", document.GetRoot().GetName());
    EXPECT_FALSE(document.GetRoot().HasChildren());
}

TEST(XmlParse, ElementTextIsWhatPrecedesTheFirstChild) {
    CXmlDocument document;
    ASSERT_TRUE(document.Load(L"<Label>hello &amp; &lt;world&gt;<b/></Label>"));
    EXPECT_EQ(L"hello & <world>", TextOf(document, 1));

    // The root may stay open; its name and shrunk text still end cleanly.
    ASSERT_TRUE(document.Load(L"<a>x&amp;y"));
    EXPECT_STREQ(L"a", document.GetRoot().GetName());
    EXPECT_EQ(L"x&y", TextOf(document, 1));

    ASSERT_TRUE(document.Load(L"<a><b/>"));
    EXPECT_EQ(L"a{}(b{})", Describe(document.GetRoot()));
}

TEST(XmlParse, AttributeValuesDecodeTheFiveNamedEntitiesOnly) {
    CXmlDocument document;
    ASSERT_TRUE(document.Load(
        L"<a v1=\"x &amp; y\" v2=\"&#65;\" v3=\"&foo;\" v4=\"&lt;&gt;&quot;&apos;\" v5=\"&&amp;\" v6=\"a&amp\""
        L" v7=\"line1\nline2 > / '\" v8=\"\"/>"));
    EXPECT_EQ(L"a{v1=x & y;v2=&#65;;v3=&foo;;v4=<>\"';v5=&&;v6=a&amp;v7=line1\nline2 > / ';v8=;}",
              Describe(document.GetRoot()));
}

TEST(XmlParse, AttributeNamesEndWithTheirIdentifier) {
    CXmlDocument document;
    ASSERT_TRUE(document.Load(L"<a name = \"v\" tab\t=\t\"w\" plain=\"x\" >text</a>"));
    EXPECT_EQ(L"a{name=v;tab=w;plain=x;}", Describe(document.GetRoot()));
    EXPECT_EQ(L"text", TextOf(document, 1));
}

TEST(XmlParse, AttributeLookupByNameTerminatesWithinTheCapacity) {
    CXmlDocument document;
    ASSERT_TRUE(document.Load(L"<a x=\"first\" X=\"upper\" x=\"second\" long=\"0123456789\"/>"));
    const CXmlNode node = document.GetRoot();
    WCHAR value[16];
    EXPECT_TRUE(node.GetAttributeValue(L"x", value, 16));
    EXPECT_STREQ(L"first", value);
    EXPECT_TRUE(node.GetAttributeValue(L"X", value, 16));
    EXPECT_STREQ(L"upper", value);
    EXPECT_FALSE(node.GetAttributeValue(L"missing", value, 16));

    wmemset(value, L'#', 16);
    EXPECT_TRUE(node.GetAttributeValue(L"long", value, 5));
    EXPECT_STREQ(L"0123", value);
    EXPECT_EQ(L'#', value[5]);
    EXPECT_FALSE(node.GetAttributeValue(L"long", value, 0));
    EXPECT_STREQ(L"", node.GetAttributeName(-1));
    EXPECT_STREQ(L"", node.GetAttributeValue(4));

    const CXmlNode empty;
    EXPECT_EQ(nullptr, empty.GetName());
    EXPECT_EQ(nullptr, empty.GetAttributeValue(0));
    EXPECT_FALSE(empty.GetAttributeValue(L"x", value, 16));
    EXPECT_FALSE(empty.GetChild().IsValid());
}

TEST(XmlParse, OnlyTheFirst64AttributesAreVisible) {
    std::wstring markup = L"<a";
    for (int i = 0; i < 70; ++i) {
        markup += L" a" + std::to_wstring(i) + L"=\"" + std::to_wstring(i) + L"\"";
    }
    CXmlDocument document;
    ASSERT_TRUE(document.Load((markup + L"/>").c_str()));
    const CXmlNode node = document.GetRoot();
    EXPECT_EQ(64, node.GetAttributeCount());
    EXPECT_STREQ(L"a63", node.GetAttributeName(63));
    WCHAR value[8] = {};
    EXPECT_FALSE(node.GetAttributeValue(L"a64", value, 8));
}

TEST(XmlParse, CommentsAndDeclarationsAreSkippedBetweenElements) {
    CXmlDocument document;
    ASSERT_TRUE(
        document.Load(L"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- head -->\n"
                      L"<a><!-- a <b/> comment --><b/><?pi x?><c>text<!-- after text --></c></a><!-- tail"));
    EXPECT_EQ(L"a{}(b{}c{})", Describe(document.GetRoot()));
    EXPECT_EQ(L"text", TextOf(document, 3));
}

TEST(XmlParse, EveryParseErrorHasItsMessageAndLocation) {
    struct Case {
        const wchar_t* markup;
        const wchar_t* message;
        const wchar_t* location;
    };
    const Case cases[] = {
        {L"", L"Expected start tag", L""},
        {L" \r\n\t ", L"Expected start tag", L""},
        {L"<?xml version=\"1.0\"?><!-- no element -->", L"Expected start tag", L""},
        {L"text", L"Expected start tag", L"text"},
        {L"<a><b/>tail</a>", L"Expected start tag", L"tail</a>"},
        {L"<a><!-- c -->tail</a>", L"Expected start tag", L"tail</a>"},
        {L"<a><b><c/>", L"Expected start tag", L""},
        {L"<abc", L"Error parsing element name", L"abc"},
        {L"<a ", L"Expected start-tag closing", L""},
        {L"<a/ >", L"Expected start-tag closing", L"/ >"},
        {L"<a><b><c>text", L"Expected end-tag start", L""},
        {L"<a>t</A>", L"Unmatched closing tag", L"A>"},
        {L"<a>t</ab>", L"Unmatched closing tag", L">"},
        {L"<a>t</a", L"Unmatched closing tag", L""},
        {L"<a x y=\"1\">", L"Error while parsing attributes", L"y=\"1\">"},
        {L"<a x='1'/>", L"Expected attribute value", L"'1'/>"},
        {L"<a x=\"1/>", L"Error while parsing attribute string", L""},
    };
    for (const Case& c : cases) {
        CXmlDocument document;
        EXPECT_FALSE(document.Load(c.markup)) << c.markup;
        EXPECT_STREQ(c.message, document.GetLastErrorMessage()) << c.markup;
        EXPECT_STREQ(c.location, document.GetLastErrorLocation()) << c.markup;
        EXPECT_FALSE(document.IsValid()) << c.markup;
        EXPECT_FALSE(document.GetRoot().IsValid()) << c.markup;
    }
}

TEST(XmlParse, NestingIsLimitedTo256Levels) {
    CXmlDocument document;
    EXPECT_TRUE(document.Load(Nested(256).c_str())) << document.GetLastErrorMessage();
    EXPECT_EQ(257u, document.GetElementCount());

    const std::wstring tooDeep = Nested(257);
    EXPECT_FALSE(document.Load(tooDeep.c_str()));
    EXPECT_STREQ(L"Elements nested too deeply", document.GetLastErrorMessage());
    // The location is the rest of the text from the element, cut at 49 characters.
    EXPECT_EQ(tooDeep.substr(3 * 256 + 1, 49), document.GetLastErrorLocation());

    // Far deeper than the stack would survive.
    std::wstring deep;
    for (int i = 0; i < 200000; ++i) {
        deep += L"<e>";
    }
    EXPECT_FALSE(document.Load(deep.c_str()));
    EXPECT_STREQ(L"Elements nested too deeply", document.GetLastErrorMessage());
}

TEST(XmlParse, ReloadingGivesTheSameTableAsAFreshDocument) {
    const std::string skin = xmlsamples::CharMapSkin();
    CXmlDocument fresh;
    ASSERT_TRUE(fresh.LoadFromMemory(skin.data(), skin.size()));

    CXmlDocument reused;
    ASSERT_TRUE(reused.Load(L"<x><y/><z/></x>"));
    EXPECT_FALSE(reused.Load(L"<broken"));
    ASSERT_TRUE(reused.LoadFromMemory(skin.data(), skin.size()));
    EXPECT_STREQ(L"", reused.GetLastErrorMessage());

    ASSERT_EQ(fresh.GetElementCount(), reused.GetElementCount());
    ASSERT_EQ(fresh.GetTextLength(), reused.GetTextLength());
    EXPECT_EQ(0,
              memcmp(fresh.GetElement(0), reused.GetElement(0), fresh.GetElementCount() * sizeof(SkinUI::XmlElement)));
    EXPECT_EQ(0, wmemcmp(fresh.GetText(), reused.GetText(), fresh.GetTextLength()));
}
