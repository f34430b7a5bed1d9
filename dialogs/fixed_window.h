// A small fixed window opened from the table's menu: a client area of fixed size without border
// icons, one background colour, centred on the desktop whenever it is shown, and the kinds of
// controls such a window holds, placed at their design positions.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QRect>

class QFrame;
class QLabel;
class QToolButton;

namespace zavkari {

class ShownPicture;

class FixedWindow : public QDialog {
    Q_OBJECT

  public:
    FixedWindow(const QString& caption, QSize clientSize, QColor background,
                QWidget* parent = nullptr);

    // Brings the window back to its normal state (not minimised), shows it above the table and
    // gives it the keys.
    void showNormalState();

  protected:
    // A sunken frame drawn under the controls placed later.
    QFrame* addBevel(const QRect& box);
    // A built-in picture stretched to the box.
    ShownPicture* addPicture(const QString& resourceName, const QRect& box);
    // A text sized to its contents, or to `box` when it has a size.
    QLabel* addLabel(const QString& text, const QRect& box, const QFont& font, QColor colour);
    // A flat button: only its caption shows until the mouse is over it, which raises it.
    QToolButton* addFlatButton(const QString& text, const QRect& box, const QFont& font,
                               QColor colour);

    void showEvent(QShowEvent* event) override;
};

}  // namespace zavkari
