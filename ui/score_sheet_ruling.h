// The score sheet's ruling, as its picture "CXRILI" (382 x 600 pixels) draws it: the picture maker
// draws it by these numbers at every size the table shows the sheet at, and the table keeps the
// sheet's texts clear of its rules by them.
#pragma once

#include <array>

namespace zavkari::sheet {

inline constexpr int kPictureWidth = 382;
inline constexpr int kPictureHeight = 600;

// The vertical rules that bound the four columns; the k-th column lies between rules k-1 and k.
inline constexpr std::array<int, 5> kColumnRules = {0, 96, 189, 281, 378};

// A horizontal rule: its top and its thickness, in the picture's pixels.
struct Rule {
    int top;
    int thickness;
};
// The header band for the names, then each pool's rows and its total band; the rules two pixels
// thick are the double ones.
inline constexpr std::array<Rule, 11> kRowRules = {{{0, 1},
                                                    {30, 2},
                                                    {172, 2},
                                                    {194, 1},
                                                    {265, 1},
                                                    {286, 2},
                                                    {428, 2},
                                                    {450, 1},
                                                    {526, 2},
                                                    {548, 1},
                                                    {599, 1}}};

// A place or length of the picture, on a sheet drawn `shown` long instead of `picture`, rounded to
// whole pixels.
constexpr int Scaled(int pixels, int shown, int picture) {
    return (2 * pixels * shown + picture) / (2 * picture);
}

}  // namespace zavkari::sheet
