// The splash `Tbeg`, the program's main window: a borderless picture whose white pixels are
// see-through, playing the clip "DATKEBA" once while its progress bar fills in about five seconds.
// With the bar full it checks the screen: a tall enough one gets the table two seconds later, a
// lower one a message box, after which the program ends by itself.
#pragma once

#include <QSize>
#include <QTimer>
#include <QWidget>

class QProgressBar;

namespace zavkari {

class AnimationPlayer;

class SplashWindow : public QWidget {
    Q_OBJECT

  public:
    // `timeScale` below 1 shortens the bar's ticks and the waits after it, for tests.
    explicit SplashWindow(double timeScale = 1.0, QWidget* parent = nullptr);

    // Centres the splash on the desktop, shows it and starts the clip and the bar.
    void start();

    // The screen the check measures: the splash's own unless one is set.
    QSize screenSize() const;
    void setScreenSize(QSize size) { screenSize_ = size; }

    int progress() const;
    AnimationPlayer* animation() const { return animation_; }

  signals:
    // The screen passed the check and the pause after the full bar is over.
    void tableDue();
    // The splash has closed: the program ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void barTick();
    void checkScreen();
    void showFrameShape();
    int scaled(int ms) const;

    double timeScale_;
    QSize screenSize_;
    AnimationPlayer* animation_;
    QProgressBar* bar_;
    QTimer barTimer_;  // `Timer1`
    QTimer shut_;
};

}  // namespace zavkari
