// A picture of the options dialog that the player picks: a card back or a table top, stretched to
// its box, under a hand pointer. A click picks it, and so do Space and Enter once Tab or the arrows
// have put the keys on it (a frame inside the box shows that it has them). A screen reader meets it
// as a radio button, checked while it is the chosen picture of its kind.
#pragma once

#include "shown_picture.h"

namespace zavkari {

class PictureBox : public ShownPicture {
    Q_OBJECT

  public:
    PictureBox(const QString& resourceName, QWidget* parent);

    bool chosen() const { return chosen_; }
    void setChosen(bool chosen);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool chosen_ = false;
};

}  // namespace zavkari
