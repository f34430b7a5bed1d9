// A stray hand on the mouse and the keyboard. `click` clicks with either button at random points
// of the table window, on the cards, the choices, the deck, the score sheet and the menu. `storm`
// sends any kind of input to any of the program's windows on screen (the table, its menu, the
// options dialog, the rules and about windows, an error box): clicks with any button, double
// clicks, drags, the wheel, and keys (Return, Escape, Tab, Space, letters, Georgian text, Ctrl+V,
// Shift+Insert), now and then after filling or emptying the clipboard, and "Tavidan" from the menu
// about once in 400 events. Both leave out "gaTiSva ", and "dawyeba"/"Tavidan" where they land on
// it but for one time in 300; `click` also leaves out the memo's file button, which writes into
// the home folder.
#pragma once

#include <QPoint>
#include <QRect>
#include <cstdint>

#include "table_window.h"

namespace zavkari::testing {

class RandomClicker {
  public:
    RandomClicker(TableWindow& window, std::uint64_t seed) : window_(window), random_(seed) {}

    // One click with a random button at a random point of a random part of the table window.
    void click();
    // One random input event to a random window of the program on screen.
    void storm();
    // The events sent so far.
    long events() const { return events_; }

  private:
    int below(int n);
    QPoint inside(const QRect& r);
    QRect windowRect(QWidget* w) const;
    QPoint pickPoint();
    QPoint pickPointIn(QWidget* window);
    // The widget under `at` in `window`, or nullptr where the hand must not land.
    QWidget* allowedTarget(QWidget* window, QPoint at) const;
    void stormMouse(QWidget* window, QPoint at);
    void stormKeys(QWidget* window);
    void restart();
    void changeClipboard();

    TableWindow& window_;
    SplitMix64 random_;
    long events_ = 0;
};

}  // namespace zavkari::testing
