// A picture of the options dialog that the player picks with a click: a card back or a table top,
// stretched to its box, under a hand pointer.
#pragma once

#include "shown_picture.h"

namespace zavkari {

class PictureBox : public ShownPicture {
    Q_OBJECT

  public:
    PictureBox(const QString& resourceName, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace zavkari
