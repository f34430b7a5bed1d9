// How a control of the table shows its font, colours and texts on this desktop.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string_view>

#include "table_controls.h"
#include "table_model.h"

namespace zavkari {

// The control's font; `points` above 0 replaces the design size (the trump name's, set by the
// layout).
QFont controlFont(const FontSpec& font, int points = 0);
// The text as the control shows it: Georgian letters where its font is the Georgian one.
QString controlText(const ControlSpec& control, std::string_view text);
QColor toQColor(Rgb rgb);
// The text colour the rules gave the element, or its design colour.
QColor textColour(const ControlSpec& control, FontColour colour);

}  // namespace zavkari
