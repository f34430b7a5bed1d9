#include "fixed_window.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

#include "held_escape.h"
#include "program_fonts.h"
#include "shown_picture.h"
#include "title_bar.h"

namespace zavkari {
namespace {

void setTextColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

FixedWindow::FixedWindow(const QString& caption, QSize clientSize, QColor background,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(programFont(QStringLiteral("MS Sans Serif"), 11));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Button, background);
    setPalette(palette);
    ignoreHeldEscape(*this);
}

QFrame* FixedWindow::addBevel(const QRect& box) {
    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setLineWidth(1);
    bevel->setGeometry(box);
    bevel->lower();
    return bevel;
}

ShownPicture* FixedWindow::addPicture(const QString& resourceName, const QRect& box) {
    auto* picture = new ShownPicture(resourceName, this);
    picture->setGeometry(box);
    return picture;
}

QLabel* FixedWindow::addLabel(const QString& text, const QRect& box, const QFont& font,
                              QColor colour) {
    auto* label = new QLabel(text, this);
    label->setFont(font);
    setTextColour(label, QPalette::WindowText, colour);
    label->move(box.topLeft());
    if (box.isEmpty())
        label->adjustSize();
    else
        label->resize(box.size());
    return label;
}

QToolButton* FixedWindow::addFlatButton(const QString& text, const QRect& box, const QFont& font,
                                        QColor colour) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFont(font);
    // Reached by Tab and pressed by Space; Escape closes the window as well.
    button->setFocusPolicy(Qt::TabFocus);
    setTextColour(button, QPalette::ButtonText, colour);
    button->setGeometry(box);
    return button;
}

void FixedWindow::showNormalState() {
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    show();
    raise();
    activateWindow();
}

void FixedWindow::showEvent(QShowEvent* event) {
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - frameGeometry().center() + pos());
    askForTitleBarOnly(*this);
    QDialog::showEvent(event);
}

}  // namespace zavkari
