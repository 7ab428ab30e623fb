#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/base/UIGeometry.h"
#include "ui/core/base/UIPtrArray.h"
#include "ui/core/base/UIStringMap.h"

using SkinUI::CPtrArray;
using SkinUI::CStringMap;
using SkinUI::CUIRect;

namespace {

LPVOID Item(UINT_PTR value) {
    return reinterpret_cast<LPVOID>(value);
}

std::vector<UINT_PTR> Contents(const CPtrArray& array) {
    std::vector<UINT_PTR> items;
    for (int i = 0; i < array.GetSize(); ++i) {
        items.push_back(reinterpret_cast<UINT_PTR>(array[i]));
    }
    return items;
}

}  // namespace

TEST(PtrArray, GrowsTo11On1stAddAnd22On11thAdd) {
    CPtrArray array;
    array.Add(Item(1));
    EXPECT_EQ(11, array.GetCapacity());
    for (UINT_PTR i = 2; i <= 10; ++i) {
        array.Add(Item(i));
    }
    EXPECT_EQ(11, array.GetCapacity());
    array.Add(Item(11));
    EXPECT_EQ(22, array.GetCapacity());
    EXPECT_EQ(Item(11), array.GetAt(10));
    EXPECT_EQ(nullptr, array.GetAt(11));

    const CPtrArray copy(array);
    EXPECT_EQ(Contents(array), Contents(copy));
}

TEST(PtrArray, InsertAndRemoveCheckTheirBounds) {
    CPtrArray array;
    EXPECT_TRUE(array.InsertAt(0, Item(2)));  // at the count: an Add
    EXPECT_TRUE(array.InsertAt(0, Item(1)));
    EXPECT_TRUE(array.InsertAt(2, Item(4)));
    EXPECT_TRUE(array.InsertAt(2, Item(3)));
    EXPECT_FALSE(array.InsertAt(5, Item(9)));
    EXPECT_FALSE(array.InsertAt(-1, Item(9)));
    EXPECT_EQ((std::vector<UINT_PTR>{1, 2, 3, 4}), Contents(array));

    EXPECT_FALSE(array.Remove(-1));
    EXPECT_FALSE(array.Remove(0, 0));
    EXPECT_FALSE(array.Remove(2, 3));
    EXPECT_TRUE(array.Remove(1, 2));
    EXPECT_EQ((std::vector<UINT_PTR>{1, 4}), Contents(array));
    EXPECT_EQ(1, array.Find(Item(4)));
    EXPECT_EQ(-1, array.Find(Item(2)));

    array.Resize(3);
    EXPECT_EQ((std::vector<UINT_PTR>{0, 0, 0}), Contents(array));
}

TEST(PtrArray, AddThatCannotGrowKeepsTheOldBlock) {
    CPtrArray array;
    // A block this size cannot double within an int count.
    array.Resize(0x40000000);
    if (array.GetSize() == 0) {
        GTEST_SKIP() << "no address space for the large block";
    }
    EXPECT_FALSE(array.Add(Item(1)));
    EXPECT_FALSE(array.InsertAt(0, Item(1)));
    EXPECT_EQ(0x40000000, array.GetSize());
    EXPECT_EQ(0x40000000, array.GetCapacity());
    EXPECT_EQ(nullptr, array[0x40000000 - 1]);
}

TEST(StringMap, BucketCountAndCaseSensitiveKeys) {
    int first = 1;
    int second = 2;
    CStringMap map(5);
    EXPECT_TRUE(map.Insert(L"Ab", &first));
    EXPECT_TRUE(map.Insert(L"ab", &second));
    EXPECT_FALSE(map.Insert(L"ab", &first));  // never replaces
    EXPECT_EQ(&first, map.Find(L"Ab"));
    EXPECT_EQ(&second, map.Find(L"ab"));
    EXPECT_EQ(&second, map.Set(L"ab", &first));
    EXPECT_EQ(&first, map.Find(L"ab"));

    // Keys are listed from the last bucket down: with 16 buckets "e"
    // (101 % 16 = 5) comes before "a" (97 % 16 = 1); 5 buckets would reverse them.
    CStringMap order(5);
    order.Insert(L"a", &first);
    order.Insert(L"e", &first);
    EXPECT_STREQ(L"e", order.GetAt(0));
    EXPECT_STREQ(L"a", order.GetAt(1));
    EXPECT_EQ(nullptr, order.GetAt(2));

    // A fresh map has no buckets yet: each way in must make them.
    CStringMap fresh;
    EXPECT_EQ(nullptr, fresh.Find(L"a"));
    EXPECT_FALSE(fresh.Remove(L"a"));
    EXPECT_EQ(nullptr, fresh.Set(L"a", &first));
    EXPECT_EQ(&first, fresh.Find(L"a"));
}

TEST(StringMap, ChainsSurviveFindOptimizeAndRemovalAnywhere) {
    // Every key lands in bucket 1 of 16.
    CStringMap map(16);
    const std::vector<std::wstring> keys = {L"a", L"q", L"\u0081", L"\u0091", L"\u00a1"};
    int values[5] = {};
    for (size_t i = 0; i < keys.size(); ++i) {
        ASSERT_TRUE(map.Insert(keys[i].c_str(), &values[i]));
    }
    EXPECT_EQ(keys[4], map.GetAt(0));  // new entries go to the head

    EXPECT_EQ(&values[2], map.Find(keys[2].c_str(), false));
    EXPECT_EQ(keys[4], map.GetAt(0));
    EXPECT_EQ(&values[2], map.Find(keys[2].c_str()));
    EXPECT_EQ(keys[2], map.GetAt(0));

    EXPECT_TRUE(map.Remove(keys[2].c_str()));  // head
    EXPECT_TRUE(map.Remove(keys[3].c_str()));  // middle
    EXPECT_TRUE(map.Remove(keys[0].c_str()));  // tail
    EXPECT_FALSE(map.Remove(keys[0].c_str()));
    EXPECT_EQ(2, map.GetSize());
    EXPECT_EQ(&values[1], map.Find(keys[1].c_str()));
    EXPECT_EQ(&values[4], map.Find(keys[4].c_str()));
}

TEST(StringMap, ResizeToZeroBucketsIsSafe) {
    int value = 0;
    CStringMap map;
    map.Insert(L"x", &value);
    map.Resize(0);
    EXPECT_EQ(0, map.GetSize());
    EXPECT_EQ(nullptr, map.Find(L"x"));
    EXPECT_FALSE(map.Insert(L"x", &value));
    EXPECT_EQ(nullptr, map.Set(L"x", &value));
    EXPECT_FALSE(map.Remove(L"x"));

    map.Resize(3);
    EXPECT_TRUE(map.Insert(L"x", &value));
    EXPECT_EQ(&value, map.Find(L"x"));
}

TEST(UIRect, JoinTreatsEmptyRectanglesAsPoints) {
    CUIRect rect(10, 10, 20, 20);
    rect.Join(CUIRect());
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(20, rect.right);

    rect.Offset(5, 7);
    rect.ResetOffset();
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(20, rect.GetWidth());
    EXPECT_EQ(20, rect.GetHeight());
}
