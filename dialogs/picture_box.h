// A picture of the options dialog that the player picks with a click: a card back or a table top,
// stretched to its box, under a hand pointer.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace zavkari {

class PictureBox : public QWidget {
    Q_OBJECT

  public:
    PictureBox(const QPixmap& picture, QWidget* parent);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace zavkari
