#include <gtest/gtest.h>

#include <malloc.h>

#include <string>

#include "ui/core/base/UIString.h"

using SkinUI::CUIString;

namespace {

bool IsInline(const CUIString& text) {
    const char* object = reinterpret_cast<const char*>(&text);
    const char* data = reinterpret_cast<const char*>(text.GetData());
    return data >= object && data < object + sizeof(CUIString);
}

// Characters the heap block holds, terminator included.
size_t HeapSlots(const CUIString& text) {
    return _msize(const_cast<LPWSTR>(text.GetData())) / sizeof(WCHAR);
}

std::wstring Chars(wchar_t ch, size_t count) {
    return std::wstring(count, ch);
}

}  // namespace

TEST(UIString, InlineUpTo62CharactersHeapFrom63) {
    CUIString text(Chars(L'a', 62).c_str());
    EXPECT_TRUE(IsInline(text));

    text = Chars(L'b', 63).c_str();
    EXPECT_FALSE(IsInline(text));
    EXPECT_EQ(64u, HeapSlots(text));

    const LPCWSTR block = text.GetData();
    text = Chars(L'c', 63).c_str();  // a long enough block is reused
    EXPECT_EQ(block, text.GetData());
    text = Chars(L'd', 150).c_str();
    EXPECT_EQ(151u, HeapSlots(text));

    text = L"";
    EXPECT_TRUE(IsInline(text));
    EXPECT_STREQ(L"", text);
}

TEST(UIString, AppendingPastTheInlineLimitAllocatesTheCombinedLength) {
    CUIString text(Chars(L'x', 30).c_str());
    text.Append(Chars(L'y', 40).c_str());
    EXPECT_EQ(71u, HeapSlots(text));
    EXPECT_EQ(Chars(L'x', 30) + Chars(L'y', 40), text.GetData());

    text += static_cast<LPCWSTR>(nullptr);
    text += L'z';
    EXPECT_EQ(71, text.GetLength());
    EXPECT_STREQ(L"ab", CUIString(L"a") + L"b");
    EXPECT_STREQ(L"ab", L"a" + CUIString(L"b"));
}

TEST(UIString, SourcesInsideTheOwnBufferAreCopiedSafely) {
    CUIString text(Chars(L'q', 50).c_str());
    text += text;  // moves to the heap while reading itself
    EXPECT_EQ(Chars(L'q', 100), text.GetData());
    text += text.GetData();
    EXPECT_EQ(200, text.GetLength());

    CUIString tail(L"0123456789");
    tail = tail.GetData() + 3;
    EXPECT_STREQ(L"3456789", tail);

    const std::wstring digits = Chars(L'0', 50) + Chars(L'5', 50);
    CUIString fromHeap(digits.c_str());
    fromHeap = fromHeap.GetData() + 50;  // back inline, read from the block it frees
    EXPECT_EQ(Chars(L'5', 50), fromHeap.GetData());
    EXPECT_TRUE(IsInline(fromHeap));

    // A length past the terminator stops at the terminator.
    EXPECT_EQ(3, CUIString(L"abc", 50).GetLength());
}

TEST(UIString, LeftMidAndFindStayInsideTheString) {
    const CUIString text(L"a,b,,c");
    EXPECT_STREQ(L"a,b", text.Left(3));
    EXPECT_STREQ(L"", text.Left(-2));
    EXPECT_STREQ(L"a,b,,c", text.Left(99));
    EXPECT_STREQ(L"b,", text.Mid(2, 2));
    EXPECT_STREQ(L",c", text.Mid(4, 10));
    EXPECT_STREQ(L"", text.Mid(6));
    EXPECT_STREQ(L"", text.Mid(7));
    EXPECT_STREQ(L"", text.Mid(-1, 3));

    EXPECT_EQ(3, text.Find(L',', 2));
    EXPECT_EQ(-1, text.Find(L',', 6));
    EXPECT_EQ(-1, text.Find(L'\0'));
    EXPECT_EQ(3, text.Find(L",,"));
    EXPECT_EQ(6, text.Find(L"", 6));
    EXPECT_EQ(-1, text.Find(L"c", 7));
    EXPECT_EQ(4, text.ReverseFind(L','));
    EXPECT_EQ(-1, text.ReverseFind(L'x'));
}

TEST(UIString, ReplaceCountsNonOverlappingMatches) {
    CUIString text(L"line1<n>line2<n><n>");
    EXPECT_EQ(3, text.Replace(L"<n>", L"\n"));
    EXPECT_STREQ(L"line1\nline2\n\n", text);

    CUIString growing(L"aaa");
    EXPECT_EQ(3, growing.Replace(L"a", L"aa"));  // a replacement is not searched again
    EXPECT_STREQ(L"aaaaaa", growing);

    CUIString unchanged(L"abc");
    EXPECT_EQ(0, unchanged.Replace(L"", L"zz"));
    EXPECT_EQ(0, unchanged.Replace(nullptr, L"zz"));
    EXPECT_EQ(1, unchanged.Replace(L"b", nullptr));
    EXPECT_STREQ(L"ac", unchanged);
}

TEST(UIString, FormatIsCutAt63Characters) {
    CUIString text;
    EXPECT_EQ(9, text.Format(L"%d,%s", 1234, L"abcd"));
    EXPECT_STREQ(L"1234,abcd", text);

    const std::wstring longArgument = Chars(L'w', 200);
    EXPECT_EQ(63, text.Format(L"<%s>", longArgument.c_str()));
    EXPECT_EQ(L"<" + Chars(L'w', 62), text.GetData());
}
