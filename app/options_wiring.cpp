#include "options_wiring.h"

#include "options_dialog.h"
#include "table_window.h"

namespace zavkari {

void connectOptionsDialog(OptionsDialog& dialog, TableWindow& table) {
    QObject::connect(&dialog, &OptionsDialog::autoDealChanged, &table, &TableWindow::setAutoDeal);
    QObject::connect(&dialog, &OptionsDialog::framesChanged, &table, &TableWindow::setFramesShown);
    QObject::connect(&dialog, &OptionsDialog::backgroundChanged, &table,
                     &TableWindow::setBackgroundShown);
    QObject::connect(&dialog, &OptionsDialog::penaltyChanged, &table,
                     &TableWindow::setPenaltySlider);
    QObject::connect(&dialog, &OptionsDialog::speedChanged, &table, &TableWindow::setDealSpeed);
    QObject::connect(&dialog, &OptionsDialog::opponentsChanged, &table, &TableWindow::setOpponents);
    QObject::connect(&dialog, &OptionsDialog::tableTopChosen, &table,
                     &TableWindow::putBackgroundBehind);
    QObject::connect(&dialog, &OptionsDialog::picturesConfirmed, &table,
                     &TableWindow::showChosenPictures);
    QObject::connect(&table, &TableWindow::optionsRequested, &dialog,
                     [&dialog, &table] { dialog.showOptions(table.game().PenaltyMayChange()); });
    QObject::connect(&table, &TableWindow::optionsConfirmDue, &dialog, &OptionsDialog::okClick);
    dialog.setTablePictureSize([&table](const QString& name) { return table.pictureSizeOf(name); });
}

}  // namespace zavkari
