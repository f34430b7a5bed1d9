// The start-up's screen check: the table needs a screen at least 700 pixels high.
#pragma once

#include <QSize>
#include <QString>

namespace zavkari {

bool screenIsTallEnough(QSize screen);
// What the message box tells the player on a lower screen.
QString screenTooSmallText(QSize screen);

}  // namespace zavkari
