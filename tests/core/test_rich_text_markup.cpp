#include <gtest/gtest.h>

#include <cwchar>

#include "ui/core/render/UIRichTextMarkup.h"

using namespace SkinUI;
using namespace SkinUI::RichText;

namespace {

MarkupToken Read(LPCWSTR text, int pos = 0) {
    return ReadMarkup(text, static_cast<int>(std::wcslen(text)), pos);
}

std::wstring Arguments(LPCWSTR text, const MarkupToken& token) {
    return std::wstring(text + token.argsStart, text + token.argsEnd);
}

}  // namespace

TEST(RichTextMarkup, OpeningTagsInEitherBracketWithOrWithoutArguments) {
    const MarkupToken bold = Read(L"<b>x");
    EXPECT_EQ(TokenKind::OpenTag, bold.kind);
    EXPECT_EQ(L'b', bold.letter);
    EXPECT_EQ(3, bold.end);
    EXPECT_EQ(L"", Arguments(L"<b>x", bold));

    LPCWSTR colour = L"{c  #FF0000}red";
    const MarkupToken c = Read(colour);
    EXPECT_EQ(TokenKind::OpenTag, c.kind);
    EXPECT_EQ(L"#FF0000", Arguments(colour, c));
    EXPECT_EQ(12, c.end);

    // The brackets need not match: a tag ends at the first '>' or '}'.
    LPCWSTR mixed = L"ab<a home}link";
    const MarkupToken link = Read(mixed, 2);
    EXPECT_EQ(TokenKind::OpenTag, link.kind);
    EXPECT_EQ(L"home", Arguments(mixed, link));
    EXPECT_EQ(10, link.end);
}

TEST(RichTextMarkup, ClosingTagsAndEscapes) {
    const MarkupToken close = Read(L"{/u}");
    EXPECT_EQ(TokenKind::CloseTag, close.kind);
    EXPECT_EQ(L'u', close.letter);
    EXPECT_EQ(4, close.end);

    const struct {
        LPCWSTR text;
        WCHAR literal;
    } escapes[] = {{L"<{>", L'{'}, {L"<}>", L'}'}, {L"{<}", L'<'}, {L"{>}", L'>'}};
    for (const auto& escape : escapes) {
        const MarkupToken token = Read(escape.text);
        EXPECT_EQ(TokenKind::Escape, token.kind) << escape.text;
        EXPECT_EQ(escape.literal, token.letter) << escape.text;
        EXPECT_EQ(3, token.end) << escape.text;
    }
}

TEST(RichTextMarkup, BracketsThatStartNothingAreText) {
    for (LPCWSTR text : {L"<", L"{", L"< b>", L"<B>", L"<bx>", L"<1>", L"</b", L"</bb>", L"<>", L"{/}"}) {
        const MarkupToken token = Read(text);
        EXPECT_EQ(TokenKind::Text, token.kind) << text;
        EXPECT_EQ(1, token.end) << text;
    }
}

TEST(RichTextMarkup, TagWithoutClosingBracketTakesTheRestOfTheText) {
    LPCWSTR text = L"<f Arial 12";
    const MarkupToken token = Read(text);
    EXPECT_EQ(TokenKind::OpenTag, token.kind);
    EXPECT_EQ(L"Arial 12", Arguments(text, token));
    EXPECT_EQ(11, token.end);

    // Only the given length is read, not up to the terminator.
    const MarkupToken cut = ReadMarkup(L"<b x>", 4, 0);
    EXPECT_EQ(TokenKind::OpenTag, cut.kind);
    EXPECT_EQ(4, cut.argsEnd);
    EXPECT_EQ(4, cut.end);
    EXPECT_EQ(TokenKind::Text, ReadMarkup(L"<b>", 2, 0).kind);
    EXPECT_EQ(TokenKind::Text, ReadMarkup(L"<{>", 2, 0).kind);
}

TEST(RichTextMarkup, FontByIdOrByFaceSizeAndStyleWords) {
    const FontArguments byId = ParseFontArguments(L"3");
    EXPECT_TRUE(byId.byId);
    EXPECT_EQ(3, byId.id);
    EXPECT_EQ(-1, ParseFontArguments(L"-1").id);

    const FontArguments plain = ParseFontArguments(L"Tahoma");
    EXPECT_FALSE(plain.byId);
    EXPECT_EQ(L"Tahoma", std::wstring(plain.faceName));
    EXPECT_EQ(10, plain.size);
    EXPECT_FALSE(plain.bold || plain.underline || plain.italic);

    const FontArguments styled = ParseFontArguments(L"Courier New 14 Italic BOLD");
    EXPECT_EQ(L"Courier New", std::wstring(styled.faceName));
    EXPECT_EQ(14, styled.size);
    EXPECT_TRUE(styled.bold);
    EXPECT_TRUE(styled.italic);
    EXPECT_FALSE(styled.underline);

    const FontArguments wordsOnly = ParseFontArguments(L"Arial underline");
    EXPECT_EQ(L"Arial", std::wstring(wordsOnly.faceName));
    EXPECT_TRUE(wordsOnly.underline);
    EXPECT_EQ(10, wordsOnly.size);
    EXPECT_EQ(1000, ParseFontArguments(L"Arial 99999").size);
}

TEST(RichTextMarkup, ImageByNameWithCellCountAndIndex) {
    const ImageArguments bare = ParseImageArguments(L"star.png");
    EXPECT_EQ(L"star.png", std::wstring(bare.name));
    EXPECT_EQ(nullptr, bare.LoadType());
    EXPECT_EQ(1, bare.count);
    EXPECT_EQ(0, bare.index);

    const ImageArguments cells = ParseImageArguments(L"icons.png 4 2");
    EXPECT_EQ(L"icons.png", std::wstring(cells.name));
    EXPECT_EQ(4, cells.count);
    EXPECT_EQ(2, cells.index);

    EXPECT_EQ(0, ParseImageArguments(L"icons.png 4 4").index);
    EXPECT_EQ(0, ParseImageArguments(L"icons.png 4 -1").index);
    EXPECT_EQ(1, ParseImageArguments(L"icons.png 0 0").count);
}

TEST(RichTextMarkup, ImageByAttributeItems) {
    const ImageArguments resource = ParseImageArguments(L"res='118' restype='PNG' 3 1");
    EXPECT_EQ(L"118", std::wstring(resource.name));
    ASSERT_NE(nullptr, resource.LoadType());
    EXPECT_EQ(L"PNG", std::wstring(resource.LoadType()));
    EXPECT_EQ(3, resource.count);
    EXPECT_EQ(1, resource.index);

    const ImageArguments file = ParseImageArguments(L"file='a b.png' mask='#FFFF00FF'");
    EXPECT_EQ(L"a b.png", std::wstring(file.name));
    EXPECT_EQ(nullptr, file.LoadType());
    EXPECT_EQ(0xFFFF00FFu, file.mask);
    EXPECT_EQ(1, file.count);
}
