// A picture of the options dialog that the player picks with a click: a card back or a table top,
// shown at its own size or stretched to the box, under a hand pointer.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace zavkari {

class PictureBox : public QWidget {
    Q_OBJECT

  public:
    PictureBox(const QPixmap& picture, bool stretched, QWidget* parent);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPixmap picture_;
    bool stretched_;
};

}  // namespace zavkari
