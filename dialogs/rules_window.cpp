#include "rules_window.h"

#include <QLabel>
#include <QToolButton>

#include "program_fonts.h"
#include "shown_picture.h"

namespace zavkari {

RulesWindow::RulesWindow(QWidget* parent)
    : FixedWindow(QStringLiteral("Rules"), {613, 503}, QColor(69, 87, 57), parent) {
    const QString georgian = QStringLiteral("AcadNusx");
    const QFont lineFont = programFont(georgian, 19);
    const QColor silver(192, 192, 192);

    addBevel({24, 24, 569, 129})->setObjectName(QStringLiteral("Bevel1"));
    addPicture(QStringLiteral("MOUSE1"), {40, 40, 105, 105})
        ->setObjectName(QStringLiteral("Image1"));
    addLabel(shownText(QStringLiteral("Savi eqvsiani maRla - \"viSi\""), georgian),
             {160, 80, 336, 20}, lineFont, silver)
        ->setObjectName(QStringLiteral("Label1"));

    addBevel({24, 168, 569, 129})->setObjectName(QStringLiteral("Bevel2"));
    addPicture(QStringLiteral("MOUSE2"), {40, 176, 105, 105})
        ->setObjectName(QStringLiteral("Image2"));
    addLabel(shownText(QStringLiteral("Savi eqvsiani dabla, qvevidan - \"waiRos\""), georgian),
             {152, 216, 434, 20}, lineFont, silver)
        ->setObjectName(QStringLiteral("Label2"));

    // Below the described lines: the hint, which the strong players' engine gives.
    addBevel({24, 312, 569, 129})->setObjectName(QStringLiteral("Bevel3"));
    addLabel(shownText(QStringLiteral("klaviSi H - rCeva"), georgian), {160, 364, 336, 20},
             lineFont, silver)
        ->setObjectName(QStringLiteral("Label3"));

    QFont closeFont = programFont(QStringLiteral("Sylfaen"), 16);
    closeFont.setItalic(true);
    QToolButton* close =
        addFlatButton(QStringLiteral("Close "), {24, 456, 561, 30}, closeFont, Qt::white);
    close->setObjectName(QStringLiteral("SpeedButton1"));
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
}

}  // namespace zavkari
