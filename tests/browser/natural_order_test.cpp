// The name order of file managers, and the identifier chains the file list builds on.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "browser/item_id.h"
#include "browser/natural_order.h"

namespace zembo::browser {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NaturalCompare(a, b) < 0; });
    return names;
}

TEST(NaturalOrder, NumbersByValueLettersWithoutCase) {
    EXPECT_EQ(Sorted({"clip10.avi", "clip2.avi", "Clip1.avi", "clip.avi", "b", "A", "a10b", "a9c"}),
              (std::vector<std::string>{"A", "a9c", "a10b", "b", "clip.avi", "Clip1.avi",
                                        "clip2.avi", "clip10.avi"}));
    EXPECT_LT(NaturalCompare("take 99", "take 100"), 0);
    EXPECT_LT(NaturalCompare("x18446744073709551616", "x18446744073709551617"), 0);
}

TEST(NaturalOrder, OnlyIdenticalNamesAreEqual) {
    EXPECT_EQ(NaturalCompare("clip", "clip"), 0);
    // Case and leading zeros still decide between otherwise equal names, the same way both ways.
    EXPECT_NE(NaturalCompare("Clip", "clip"), 0);
    EXPECT_EQ(NaturalCompare("Clip", "clip"), -NaturalCompare("clip", "Clip"));
    EXPECT_NE(NaturalCompare("take07", "take7"), 0);
    EXPECT_EQ(NaturalCompare("take07", "take7"), -NaturalCompare("take7", "take07"));
    // ...but never against the main order.
    EXPECT_LT(NaturalCompare("take007", "take8"), 0);
    EXPECT_LT(NaturalCompare("a2", "A10"), 0);
    EXPECT_GT(NaturalCompare("b", "A1"), 0);
}

TEST(ItemId, ChainsAndShortens) {
    const ItemId a = ItemId::FromElement("Ha");
    const ItemId abc = a + ItemId::FromElement("b") + ItemId::FromElement("ccc");
    EXPECT_EQ(abc.ElementCount(), 3u);
    EXPECT_EQ(abc.Element(1), "b");
    EXPECT_EQ(abc.LastElement(), "ccc");
    EXPECT_EQ(abc.Last(), ItemId::FromElement("ccc"));
    EXPECT_EQ(abc.WithoutLast().WithoutLast(), a);
    EXPECT_EQ(a.LastElement(), "Ha");
    EXPECT_TRUE(a.WithoutLast().IsEmpty());
    EXPECT_TRUE(ItemId().WithoutLast().IsEmpty());
    EXPECT_TRUE(ItemId().Last().IsEmpty());
    EXPECT_THROW(ItemId::FromElement(""), std::invalid_argument);
    EXPECT_THROW(ItemId::FromElement(std::string_view("a\0b", 3)), std::invalid_argument);
}

}  // namespace
}  // namespace zembo::browser
