#pragma once

class QWidget;

namespace zavkari {

// Asks an X window manager to give a dialog a title bar and a border without border icons: no
// buttons to minimise, maximise or close. The window flags alone set only the Motif functions,
// which some managers (openbox) ignore when they draw the buttons, so the decorations are asked
// for too. Call from the dialog's showEvent, when its native window exists and is not yet mapped.
// Other display systems are left alone.
void askForTitleBarOnly(QWidget& dialog);

}  // namespace zavkari
