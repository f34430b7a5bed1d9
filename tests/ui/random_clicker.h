// A stray hand on the mouse: clicks with either button at random points of the window, on the
// cards, the choices, the deck, the score sheet and the menu, leaving out what would end the run.
#pragma once

#include <cstdint>

#include "table_window.h"

namespace zavkari::testing {

class RandomClicker {
  public:
    RandomClicker(TableWindow& window, std::uint64_t seed) : window_(window), random_(seed) {}

    // One click with a random button at a random point of a random part of the window. Leaves out
    // "gaTiSva " and the memo's file button, and "dawyeba"/"Tavidan" but for one click in 300.
    void click();

  private:
    int below(int n);
    QPoint inside(const QRect& r);
    QRect windowRect(QWidget* w) const;
    QPoint pickPoint();

    TableWindow& window_;
    SplitMix64 random_;
};

}  // namespace zavkari::testing
