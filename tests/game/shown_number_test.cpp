#include "shown_number.h"

#include <gtest/gtest.h>

namespace zavkari::testing {
namespace {

TEST(NumberShown, ReadsWhatTheLabelsShow) {
    EXPECT_EQ(NumberShown("0"), 0);
    EXPECT_EQ(NumberShown("7"), 7);
    EXPECT_EQ(NumberShown("250"), 250);
    EXPECT_EQ(NumberShown("-200"), -200);
    // A caption that shows no number counts as none.
    EXPECT_EQ(NumberShown(""), 0);
    EXPECT_EQ(NumberShown("-"), 0);
    EXPECT_EQ(NumberShown("I-----I"), 0);
    EXPECT_EQ(NumberShown("pasi"), 0);
    // Only the leading digits count, and a run of digits cannot overflow.
    EXPECT_EQ(NumberShown("3 "), 3);
    EXPECT_GT(NumberShown("99999999999999999999"), 0);
}

}  // namespace
}  // namespace zavkari::testing
