#include "about_window.h"

#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "program_fonts.h"
#include "shown_picture.h"

namespace zavkari {

AboutWindow::AboutWindow(QWidget* parent)
    : FixedWindow(QStringLiteral("about"), {417, 279}, QColor(68, 51, 58), parent) {
    const QFont font = programFont(QStringLiteral("Sylfaen"), 15);
    const QColor silver(192, 192, 192);
    const QRect emblemBox{8, 16, 185, 249};
    const QRect textFrame{200, 16, 201, 217};

    addBevel(emblemBox)->setObjectName(QStringLiteral("Bevel2"));
    addPicture(QStringLiteral("ABOUT"), emblemBox)->setObjectName(QStringLiteral("Image1"));
    addBevel(textFrame)->setObjectName(QStringLiteral("Bevel1"));

    const struct {
        const char* name;
        QPoint at;
        QString text;
        bool followsMail = false;
    } lines[] = {
        {"Label1", {208, 24}, QStringLiteral("Program avtor:  ")},
        {"Label2", {232, 48}, QStringLiteral("the Zavkari project")},
        {"Label6", {232, 72}, QStringLiteral("mail: ")},
        {"Label5", {264, 72}, QStringLiteral(ZAVKARI_CONTACT_MAIL), true},
        {"Label3", {208, 112}, QStringLiteral("Program Version: ")},
        {"Label4", {232, 136}, QStringLiteral("( Demo )")},
        {"Label7", {216, 208}, QStringLiteral("Program made in Georgia ")},
    };
    QLabel* previous = nullptr;
    for (const auto& line : lines) {
        QLabel* label = addLabel(line.text, QRect(line.at, QSize()), font, silver);
        label->setObjectName(QString::fromLatin1(line.name));
        // The contact follows "mail: " however wide the stand-in font draws it, or goes on the
        // line below where it would run past the frame.
        if (line.followsMail) {
            label->move(std::max(label->x(), previous->geometry().right() + 1), label->y());
            if (label->geometry().right() >= textFrame.right() - 1)
                label->move(previous->x(), previous->geometry().bottom() + 1);
        }
        previous = label;
    }

    QToolButton* close = addFlatButton(QStringLiteral("Close"), {200, 240, 201, 22}, font, silver);
    close->setObjectName(QStringLiteral("SpeedButton1"));
    connect(close, &QToolButton::clicked, this, &QWidget::close);
}

}  // namespace zavkari
