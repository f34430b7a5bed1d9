// The program's windows and how they hand over to one another: the splash first, on screen at
// once, then the table, the about and the rules windows and the options dialog, created hidden. The
// table takes over when the splash's screen check has passed; the program ends when the splash
// closes, and closing the table (from its menu, through the desktop, or by its window being
// destroyed from outside) closes the splash.
#pragma once

#include <QObject>
#include <memory>

#include "lost_window_watch.h"
#include "splash_window.h"

namespace zavkari {

class AboutWindow;
class OptionsDialog;
class RulesWindow;
class TableWindow;

class ProgramWindows : public QObject {
    Q_OBJECT

  public:
    // `timeScale` below 1 shortens the splash's waits and the game's tempo, for tests.
    explicit ProgramWindows(double timeScale = 1.0);
    ~ProgramWindows() override;

    // Shows the splash and creates the other windows behind it.
    void start();

    SplashWindow& splash() { return splash_; }
    TableWindow* table() const { return table_.get(); }
    AboutWindow* about() const { return about_.get(); }
    RulesWindow* rules() const { return rules_.get(); }
    OptionsDialog* options() const { return options_.get(); }

  signals:
    void ended();

  private:
    void prepareTable();
    void showTable();

    double timeScale_;
    LostWindowWatch lostWindows_;
    SplashWindow splash_;
    std::unique_ptr<TableWindow> table_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<RulesWindow> rules_;
    std::unique_ptr<OptionsDialog> options_;  // lies above the table, which is its parent
    bool tableComing_ = false;
    bool tableDue_ = false;
};

}  // namespace zavkari
