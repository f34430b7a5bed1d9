// The splash `Tbeg`, the program's main window: a borderless picture whose white pixels are
// see-through, playing the clip "DATKEBA" once while its progress bar fills in five seconds. With
// the bar full it checks the screen: a tall enough one gets the table two seconds later, a lower
// one a message box, after which the program ends by itself. No wait is ever cut short.
#pragma once

#include <QElapsedTimer>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include "desktop_compositing.h"

class QProgressBar;

namespace zavkari {

class AnimationPlayer;

class SplashWindow : public QWidget {
    Q_OBJECT

  public:
    // How the white pixels are made see-through: through the window's alpha channel where the
    // desktop blends windows, otherwise through the window's shape, rebuilt only when the clip's
    // outline changes.
    enum class SeeThrough { Alpha, Shape };

    // `timeScale` below 1 shortens the bar's ticks and the waits after it, for tests.
    explicit SplashWindow(double timeScale = 1.0,
                          SeeThrough seeThrough = desktopBlendsWindows() ? SeeThrough::Alpha
                                                                         : SeeThrough::Shape,
                          QWidget* parent = nullptr);

    // Centres the splash on the desktop, shows it and starts the clip and the bar.
    void start();
    // Returns once the splash's first frame has been painted (or after a second at most).
    void waitUntilPainted();

    SeeThrough seeThrough() const { return seeThrough_; }
    // The screen the check measures: the splash's own unless one is set.
    QSize screenSize() const;
    void setScreenSize(QSize size) { screenSize_ = size; }

    int progress() const;
    AnimationPlayer* animation() const { return animation_; }

  signals:
    // The screen passed the check: the table is due once the pause after the full bar is over.
    void tableComing();
    // The pause is over.
    void tableDue();
    // The splash has closed: the program ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void barTick();
    void checkScreen();
    void followOutline();

    double timeScale_;
    SeeThrough seeThrough_;
    QSize screenSize_;
    AnimationPlayer* animation_;
    QProgressBar* bar_;
    QTimer barTimer_;  // `Timer1`
    QElapsedTimer barClock_;
    QTimer shut_;
    bool painted_ = false;
};

}  // namespace zavkari
