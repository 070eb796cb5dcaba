#include "varrow/PositionSet.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace {

TEST(CPositionSet, KnowsEveryKeyOnceAlsoAcrossGrowth)
{
    CPositionSet set;
    // Keys that share their low bits collide in the table; zero is a key like any other.
    for (uint64_t n = 0; n < 3000; n++)
        ASSERT_TRUE(set.Insert(n << 20)) << n;
    EXPECT_EQ(3000, set.GetCount());
    for (uint64_t n = 0; n < 3000; n++)
        ASSERT_FALSE(set.Insert(n << 20)) << n;
    EXPECT_TRUE(set.Insert(1)) << "not mistaken for the key 0";
    // 3000 keys at most half full need 8192 slots; the last growth held 4096 and 8192.
    EXPECT_EQ((4096u + 8192u) * sizeof(uint64_t), set.GetPeakBytes());

    set.Clear();
    EXPECT_EQ(0, set.GetCount());
    EXPECT_EQ(8192u * sizeof(uint64_t), set.GetPeakBytes()) << "a well-filled table keeps its room";
    EXPECT_TRUE(set.Insert(0));
    EXPECT_TRUE(set.Insert(5 << 20));
    EXPECT_FALSE(set.Insert(5 << 20));

    set.Clear();
    EXPECT_EQ(4096u * sizeof(uint64_t), set.GetPeakBytes()) << "a table little used gives back its room";
    EXPECT_TRUE(set.Insert(5 << 20));
}

} // namespace
