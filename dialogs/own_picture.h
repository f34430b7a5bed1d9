// The player's own picture for the card back or the table top: read from a bitmap file and brought
// down to the largest size it is shown at, so that a huge picture keeps no more memory than the
// table needs. Safe to run on a worker thread, which a huge picture needs for a second or so.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace zavkari {

struct OwnPicture {
    QImage image;   // null when the file was refused
    QString error;  // why it was refused
};

// Reads `path` and scales the picture down, never up, to at most `largest` on each side.
OwnPicture loadOwnPicture(const QString& path, QSize largest);

}  // namespace zavkari
