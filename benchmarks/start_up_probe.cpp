#include "start_up_probe.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <chrono>
#include <csignal>
#include <string>

#include "animation_player.h"
#include "process_status.h"

extern char** environ;

namespace zavkari {
namespace {

using Clock = std::chrono::steady_clock;

constexpr QSize kSplashSize{500, 339};
// Where the splash's first frame shows the deck, in the clip's pixels.
constexpr QRect kDeckProbe{230, 236, 40, 40};
constexpr int kGiveUpMs = 20'000;

double MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

QImage Grab(QScreen& screen, const QRect& area) {
    return screen.grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The splash's first frame, as the program draws it.
QImage FirstFrame() {
    AnimationPlayer clip;
    clip.setWhiteSeeThrough(true);
    clip.open(QStringLiteral("DATKEBA"));
    return clip.shownFrame().copy(kDeckProbe);
}

// Every pixel that the frame does not leave see-through shows the frame's colour.
bool Shows(const QImage& screen, const QImage& frame) {
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb wanted = frame.pixel(x, y);
            if (qAlpha(wanted) != 0 && qRgb(qRed(wanted), qGreen(wanted), qBlue(wanted)) !=
                                           (screen.pixel(x, y) | 0xFF000000))
                return false;
        }
    }
    return true;
}

}  // namespace

std::optional<StartUpFigures> ProbeStartUp(const QString& program, int idleAtMs) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || screen == nullptr)
        return std::nullopt;
    // The program centres its splash on the desktop; the table covers the desktop's corners.
    const QRect desktop = screen->geometry();
    const QRect splash(desktop.center() - QRect(QPoint(), kSplashSize).center(), kSplashSize);
    const QRect deck = kDeckProbe.translated(splash.topLeft());
    const QRect corner(desktop.left(), desktop.bottom() - 7, 8, 8);
    const QImage frame = FirstFrame();
    const QImage bareCorner = Grab(*screen, corner);

    const std::string path = program.toStdString();
    char* arguments[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    const Clock::time_point exec = Clock::now();
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, arguments, environ) != 0)
        return std::nullopt;
    const std::string process = std::to_string(pid);

    StartUpFigures figures;
    figures.firstFrameMs = -1;
    bool framed = false, tabled = false;
    while (!tabled && MsBetween(exec, Clock::now()) < kGiveUpMs) {
        const Clock::time_point look = Clock::now();
        if (!framed && Shows(Grab(*screen, deck), frame)) {
            framed = true;
            figures.firstFrameMs = MsBetween(exec, look);
        }
        if (Grab(*screen, corner) != bareCorner) {
            tabled = true;
            figures.tableMs = MsBetween(exec, look);
        } else {
            figures.splashPeakMb = ProcessStatusMb("VmHWM", process);
        }
        usleep(framed ? 5000 : 2000);
    }
    if (tabled) {
        const double waitMs = idleAtMs - MsBetween(exec, Clock::now());
        if (waitMs > 0) usleep(static_cast<useconds_t>(waitMs * 1000));
        figures.idleRssMb = ProcessStatusMb("VmRSS", process);
        figures.idleAnonymousMb = ProcessStatusMb("RssAnon", process);
        figures.peakMb = ProcessStatusMb("VmHWM", process);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (!tabled) return std::nullopt;
    return figures;
}

}  // namespace zavkari
