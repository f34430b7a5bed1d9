// A group box as the desktop the game was made for draws one: an etched frame with the caption set
// into its top edge, the caption's background breaking the line. Used by the trump box and the
// table's choices.
#pragma once

#include <QGroupBox>

namespace zavkari {

class CaptionedBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit CaptionedBox(const QString& caption, QWidget* parent = nullptr);

    // The band along the top that the caption takes; what the box holds lies below it.
    int captionHeight() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zavkari
