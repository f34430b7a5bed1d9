// How the options dialog and the table window meet: the dialog's settings go to the table, the
// table's "opciebi" opens the dialog as the game allows, and a match start confirms its choices.
#pragma once

namespace zavkari {

class OptionsDialog;
class TableWindow;

void connectOptionsDialog(OptionsDialog& dialog, TableWindow& table);

}  // namespace zavkari
