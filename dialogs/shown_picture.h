// A picture stretched to its box: a built-in one by its resource name, decoded only while the box
// is on the screen, or one given to it (the player's own, which cannot be read again).
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace zavkari {

class ShownPicture : public QWidget {
  public:
    // An empty name leaves the box empty until a picture is set.
    ShownPicture(const QString& resourceName, QWidget* parent);

    // The picture at its own size.
    QPixmap picture() const;
    void setPicture(const QPixmap& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QString resourceName_;
    QPixmap given_;
    QPixmap shown_;  // the picture at the box's size, while the box is on the screen
};

}  // namespace zavkari
