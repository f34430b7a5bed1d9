// A player at the table window who does everything with the mouse and the keyboard, as a person
// would: opens a match from the menu, types a name, and answers every declaration, bid and card
// by clicking the widget or the spot on the table that shows it.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "table_window.h"

namespace zavkari::testing {

class TableClicker {
  public:
    TableClicker(TableWindow& window, std::uint64_t seed) : window_(window), random_(seed) {}

    // "TamaSi", "dawyeba" (or "Tavidan"), a click into the name box, the name, "ok".
    void openMatch(const QString& name);
    // Makes the move the human is asked for (not the name); false when there is nothing to do now.
    bool act();
    // Moves and waits until `done` holds or `timeoutMs` of real time has passed; returns `done()`.
    bool playUntil(const std::function<bool()>& done, int timeoutMs);
    // The 24th deal is scored and the last pool totalled.
    bool matchFinished() const;
    // Where the match stands, for a test that waited in vain.
    std::string describe() const;

    // Clicks a point of the table surface with the given button.
    void clickTable(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void clickWidget(QWidget* widget);
    // The centre of an element as the table draws it.
    QPoint centreOf(Element e) const;

  private:
    void declare();
    void bid();
    void nameSuit(Element group);
    bool playCard();
    int pick(int count);

    TableWindow& window_;
    SplitMix64 random_;
    int refusedBids_ = 0;
};

}  // namespace zavkari::testing
