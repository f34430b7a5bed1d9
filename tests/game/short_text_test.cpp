#include "short_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace zavkari::testing {
namespace {

TEST(ShortText, BuildsNumbersAndWordsWithoutLosingCharacters) {
    EXPECT_EQ(ShortText(0).view(), "0");
    EXPECT_EQ(ShortText(-200).view(), "-200");
    EXPECT_EQ(ShortText(INT_MIN).view(), "-2147483648");
    EXPECT_EQ(ShortText().Append("pasi").Append(' ').view(), "pasi ");
    EXPECT_EQ(ShortText().Append('-').Append(12).Append('.').Append(5).view(), "-12.5");
    // Text beyond the capacity is cut off instead of written past the buffer.
    ShortText longText;
    for (int i = 0; i < 10; ++i)
        longText.Append("0123456789");
    EXPECT_EQ(longText.view().size(), 32u);
    EXPECT_EQ(longText.Append(7).view().size(), 32u);
}

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
