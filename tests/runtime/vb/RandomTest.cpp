#include "runtime/vb/Random.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

TEST(Random, RndStaysBelowOneAndASeedRepeatsTheSequence)
{
    vb::Randomize(42);
    std::vector<float> first;
    for (int i = 0; i < 10000; ++i)
        first.push_back(vb::Rnd());
    EXPECT_TRUE(std::all_of(first.begin(), first.end(), [](float r) { return r >= 0.0f && r < 1.0f; }));
    EXPECT_LT(*std::min_element(first.begin(), first.end()), 0.01f);
    EXPECT_GT(*std::max_element(first.begin(), first.end()), 0.99f);

    vb::Randomize(42);
    for (float r : first)
        ASSERT_EQ(vb::Rnd(), r);
    vb::Randomize(43);
    EXPECT_NE(vb::Rnd(), first[0]);
}
