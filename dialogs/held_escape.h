#pragma once

class QDialog;

namespace zavkari {

// Lets Escape close the dialog when the key goes down, not while it is held: a tool that
// synthesises keys (`xdotool key --window`) can leave Escape held down in the X server, whose
// repeats would otherwise close the dialog each time it is shown.
void ignoreHeldEscape(QDialog& dialog);

}  // namespace zavkari
