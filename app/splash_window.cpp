#include "splash_window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include "animation_player.h"
#include "screen_check.h"
#include "time_scale.h"

namespace zavkari {
namespace {

constexpr QSize kSplashSize{500, 339};
constexpr QRect kBarBox{8, 320, 481, 9};
constexpr int kBarTickMs = 50;
constexpr int kTableDelayMs = 2000;
constexpr int kShutDelayMs = 3000;
constexpr int kFirstPaintWaitMs = 1000;

// The bar: a one-pixel frame, a smooth fill. It covers every pixel of its box, so that no corner
// of it shows the splash's see-through white.
class SplashBar : public QProgressBar {
  public:
    using QProgressBar::QProgressBar;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 60, 25));
        const QRect inside = rect().adjusted(1, 1, -1, -1);
        painter.fillRect(inside, QColor(246, 241, 226));
        const int span = std::max(1, maximum() - minimum());
        QRect done = inside;
        done.setWidth(inside.width() * (value() - minimum()) / span);
        QLinearGradient green(done.topLeft(), done.bottomLeft());
        green.setColorAt(0, QColor(40, 160, 80));
        green.setColorAt(1, QColor(0, 100, 45));
        painter.fillRect(done, green);
    }
};

}  // namespace

SplashWindow::SplashWindow(double timeScale, SeeThrough seeThrough, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      timeScale_(timeScale),
      seeThrough_(seeThrough),
      animation_(new AnimationPlayer(this)),
      bar_(new SplashBar(this)) {
    setWindowTitle(QStringLiteral("Zavkari"));
    setFixedSize(kSplashSize);
    if (seeThrough_ == SeeThrough::Alpha) {
        setAttribute(Qt::WA_TranslucentBackground);
    } else {
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::white));
        connect(animation_, &AnimationPlayer::outlineChanged, this, &SplashWindow::followOutline);
    }

    animation_->setGeometry(QRect(QPoint(0, 0), kSplashSize));
    animation_->setWhiteSeeThrough(true);
    animation_->installEventFilter(this);
    animation_->open(QStringLiteral("DATKEBA"));

    bar_->setGeometry(kBarBox);
    bar_->setRange(0, 100);
    bar_->setValue(0);

    // Every wait of the splash is a minimum: precise timers never fire early.
    barTimer_.setTimerType(Qt::PreciseTimer);
    barTimer_.setInterval(scaledMs(kBarTickMs, timeScale_));
    connect(&barTimer_, &QTimer::timeout, this, &SplashWindow::barTick);
    shut_.setTimerType(Qt::PreciseTimer);
    shut_.setInterval(scaledMs(kShutDelayMs, timeScale_));
    shut_.setSingleShot(true);
    connect(&shut_, &QTimer::timeout, this, &QWidget::close);
}

void SplashWindow::start() {
    // The clip and the bar start with the splash; the window takes a moment to reach the screen.
    animation_->play(AnimationPlayer::Repeat::Once);
    barClock_.start();
    barTimer_.start();
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    show();
}

void SplashWindow::waitUntilPainted() {
    const QDeadlineTimer deadline(kFirstPaintWaitMs);
    // The bar's ticks wake the wait up at the latest.
    while (!painted_ && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The painted frame on its way to the display.
    QCoreApplication::processEvents();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == animation_ && event->type() == QEvent::Paint) painted_ = true;
    return QWidget::eventFilter(watched, event);
}

QSize SplashWindow::screenSize() const {
    if (screenSize_.isValid()) return screenSize_;
    return screen()->size();
}

int SplashWindow::progress() const {
    return bar_->value();
}

// The bar moves on by every tick due since it started: a tick held up by a busy moment does not
// hold up the bar, and the bar is never ahead of its ticks.
void SplashWindow::barTick() {
    const auto due = static_cast<int>(barClock_.elapsed() / barTimer_.interval());
    bar_->setValue(std::clamp(due, bar_->value(), bar_->maximum()));
    if (bar_->value() < bar_->maximum()) return;
    barTimer_.stop();
    checkScreen();
}

void SplashWindow::checkScreen() {
    if (screenIsTallEnough(screenSize())) {
        QTimer::singleShot(scaledMs(kTableDelayMs, timeScale_), Qt::PreciseTimer, this, [this] {
            hide();
            // The splash is not shown again: its clip and its window's picture can go.
            animation_->unload();
            destroy();
            emit tableDue();
        });
        emit tableComing();
        return;
    }
    hide();
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Zavkari"),
                                screenTooSmallText(screenSize()), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, &shut_, qOverload<>(&QTimer::start));
    box->show();
}

// Without a compositor the window's shape cuts out the frame's see-through pixels; the bar is
// always part of it.
void SplashWindow::followOutline() {
    const QImage& frame = animation_->shownFrame();
    if (frame.isNull()) return;
    const QRegion outline(QBitmap::fromImage(frame.createAlphaMask()));
    setMask(outline.translated(animation_->pos()) | kBarBox);
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

}  // namespace zavkari
