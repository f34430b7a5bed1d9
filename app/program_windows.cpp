#include "program_windows.h"

#include <QCoreApplication>

#include "about_window.h"
#include "options_dialog.h"
#include "options_wiring.h"
#include "rules_window.h"
#include "table_window.h"

namespace zavkari {

ProgramWindows::ProgramWindows(double timeScale) : timeScale_(timeScale), splash_(timeScale) {
    connect(&splash_, &SplashWindow::tableComing, this, &ProgramWindows::prepareTable);
    connect(&splash_, &SplashWindow::tableDue, this, &ProgramWindows::showTable);
    connect(&splash_, &SplashWindow::closed, this, &ProgramWindows::ended);
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start() {
    splash_.start();
    // The splash's first frame is on screen before the other windows take their time, and its
    // clip and bar go on between one window and the next.
    splash_.waitUntilPainted();

    table_ = std::make_unique<TableWindow>(timeScale_);
    connect(table_.get(), &TableWindow::closed, &splash_, &QWidget::close);
    QCoreApplication::processEvents();

    about_ = std::make_unique<AboutWindow>();
    connect(table_.get(), &TableWindow::aboutRequested, about_.get(),
            &AboutWindow::showNormalState);
    QCoreApplication::processEvents();

    rules_ = std::make_unique<RulesWindow>();
    connect(table_.get(), &TableWindow::rulesRequested, rules_.get(),
            &RulesWindow::showNormalState);
    QCoreApplication::processEvents();

    options_ = std::make_unique<OptionsDialog>(table_->game().options, table_.get());
    connectOptionsDialog(*options_, *table_);
    // Shortened for tests, the splash's waits can be over before the last window is made.
    if (tableComing_) prepareTable();
    if (tableDue_) showTable();
}

// While the splash waits after its full bar, the table is initialised, its pictures are made ready
// and its window is made, so that it is on the screen at once when it shows.
void ProgramWindows::prepareTable() {
    tableComing_ = true;
    if (options_ == nullptr) return;
    const QSize screen = splash_.screenSize();
    table_->startUp({screen.width(), screen.height(), screen.height()});
    table_->canvas()->preparePictures();
    table_->winId();
}

void ProgramWindows::showTable() {
    tableDue_ = true;
    if (options_ == nullptr) return;
    table_->showOnWholeScreen();
}

}  // namespace zavkari
