#include "splash_window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include "animation_player.h"
#include "pictures.h"
#include "screen_check.h"
#include "time_scale.h"

namespace zavkari {
namespace {

constexpr QSize kSplashSize{500, 339};
constexpr QRect kBarBox{8, 320, 481, 9};
constexpr int kBarTickMs = 50;
constexpr int kTableDelayMs = 2000;
constexpr int kShutDelayMs = 3000;

}  // namespace

SplashWindow::SplashWindow(double timeScale, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      timeScale_(timeScale),
      animation_(new AnimationPlayer(this)),
      bar_(new QProgressBar(this)) {
    setWindowTitle(QStringLiteral("Zavkari"));
    setFixedSize(kSplashSize);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));

    animation_->setGeometry(QRect(QPoint(0, 0), kSplashSize));
    connect(animation_, &AnimationPlayer::frameShown, this, &SplashWindow::showFrameShape);
    // The clip takes a moment to read: its first frame, a small picture, is on screen meanwhile.
    animation_->showStill(pictures::image(QStringLiteral("DATKEBA1")));

    bar_->setGeometry(kBarBox);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);

    barTimer_.setInterval(scaled(kBarTickMs));
    connect(&barTimer_, &QTimer::timeout, this, &SplashWindow::barTick);
    shut_.setInterval(scaled(kShutDelayMs));
    shut_.setSingleShot(true);
    connect(&shut_, &QTimer::timeout, this, &QWidget::close);
}

void SplashWindow::start() {
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    show();
    animation_->repaint();
    barTimer_.start();
    QTimer::singleShot(0, this, [this] {
        animation_->open(QStringLiteral("DATKEBA"));
        animation_->play(AnimationPlayer::Repeat::Once);
    });
}

QSize SplashWindow::screenSize() const {
    if (screenSize_.isValid()) return screenSize_;
    return screen()->size();
}

int SplashWindow::progress() const {
    return bar_->value();
}

void SplashWindow::barTick() {
    bar_->setValue(bar_->value() + 1);
    if (bar_->value() < bar_->maximum()) return;
    barTimer_.stop();
    checkScreen();
}

void SplashWindow::checkScreen() {
    if (screenIsTallEnough(screenSize())) {
        QTimer::singleShot(scaled(kTableDelayMs), this, [this] {
            hide();
            animation_->unload();  // the splash is not shown again: its frames can go
            emit tableDue();
        });
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

// White is the splash's see-through colour. A window shape rather than an alpha channel keeps it
// see-through on desktops without a compositor too; the bar is always part of the shape.
void SplashWindow::showFrameShape() {
    const QImage frame = animation_->shownFrame().scaled(animation_->size());
    QRegion shape(
        QBitmap::fromImage(frame.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
    setMask(shape.translated(animation_->pos()) | kBarBox);
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

int SplashWindow::scaled(int ms) const {
    return ScaledMs(ms, timeScale_);
}

}  // namespace zavkari
