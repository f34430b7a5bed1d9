#include "caption_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zavkari::testing {
namespace {

TEST(CaptionText, KeepsShortAndLongTextsAndCopesWithItsOwnText) {
    CaptionText caption;
    EXPECT_EQ(caption.view(), "");
    caption.Assign("12");
    EXPECT_EQ(caption.view(), "12");

    // A long name typed into the name box is kept whole, and a short text afterwards replaces it.
    const std::string longName(200, 'g');
    caption.Assign(longName);
    EXPECT_EQ(caption.view(), longName);
    caption.Assign("pasi ");
    EXPECT_EQ(caption.view(), "pasi ");
    EXPECT_TRUE(caption == "pasi ");

    // Part of the caption itself, short and long.
    caption.Assign(caption.view().substr(1));
    EXPECT_EQ(caption.view(), "asi ");
    caption.Assign(longName + "x");
    caption.Assign(caption.view().substr(1));
    EXPECT_EQ(caption.view(), std::string(199, 'g') + "x");
}

}  // namespace
}  // namespace zavkari::testing
