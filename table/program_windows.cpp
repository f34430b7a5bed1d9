#include "program_windows.h"

#include <QCoreApplication>

#include "about_window.h"
#include "options_dialog.h"
#include "options_wiring.h"
#include "rules_window.h"
#include "table_window.h"

namespace zavkari {

ProgramWindows::ProgramWindows(double timeScale) : timeScale_(timeScale), splash_(timeScale) {
    connect(&splash_, &SplashWindow::tableDue, this, &ProgramWindows::showTable);
    connect(&splash_, &SplashWindow::closed, this, &ProgramWindows::ended);
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start() {
    splash_.start();
    // The splash's first frame is on screen before the other windows take their time.
    QCoreApplication::processEvents();

    table_ = std::make_unique<TableWindow>(timeScale_);
    connect(table_.get(), &TableWindow::closed, &splash_, &QWidget::close);

    about_ = std::make_unique<AboutWindow>();
    connect(table_.get(), &TableWindow::aboutRequested, about_.get(),
            &AboutWindow::showNormalState);

    rules_ = std::make_unique<RulesWindow>();
    connect(table_.get(), &TableWindow::rulesRequested, rules_.get(), &QWidget::show);

    options_ = std::make_unique<OptionsDialog>(table_->game().options, table_.get());
    ConnectOptionsDialog(*options_, *table_);
}

void ProgramWindows::showTable() {
    table_->showOnWholeScreen();
    const QSize screen = splash_.screenSize();
    table_->startUp({screen.width(), screen.height(), screen.height()});
}

}  // namespace zavkari
