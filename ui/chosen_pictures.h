// The card back and the table top the player chose in the options dialog, as its "OK " hands them
// to the table.
#pragma once

#include <QPixmap>

namespace zavkari {

struct ChosenPictures {
    enum class TableTop { Unchanged, None, Picture };

    QPixmap back;  // null: the backs stay as they are
    TableTop tableTop = TableTop::Unchanged;
    QPixmap tableTopPicture;  // with TableTop::Picture
};

}  // namespace zavkari
