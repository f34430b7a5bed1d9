// How the program keeps up at 1280 x 1024. Prints the figures; nothing here passes or fails.
//
// 1. The real program, started as a user starts it and watched from outside on the X screen
//    (run under `tests/e2e/under_xvfb.sh 1280x1024x24`), several times: exec to the splash's
//    first frame on the screen and to the table on the screen, resident and anonymous memory at
//    the idle table ten seconds after exec, and the peak during the splash and until then.
// 2. The program's windows in this process, the splash included, a whole match played with the
//    mouse at a fast tempo: a full repaint with the backs and a full score sheet on the table, the
//    time from a click on a card to the card drawn on its spot, the memory after the match.
// 3. A whole match against the strong computer players, the table repainted every 10 ms: the
//    largest gap between two paints while the computers think.
// 4. The same at the game's own tempo: how late the splash's frames and the bar's ticks come, and
//    the program's CPU while it waits for the player, the bid panel's clip looping.
//
// Run with --help for the options.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPaintEvent>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "animation_player.h"
#include "process_status.h"
#include "program_windows.h"
#include "start_up_probe.h"
#include "table_clicker.h"

namespace {

using namespace zavkari;
using zavkari::testing::TableClicker;

constexpr TableSize kScreen{1280, 1024, 1024};
constexpr double kQuick = 0.002;   // every pause and timer at a five-hundredth of the tempo
constexpr int kMatchMs = 150'000;  // time allowed to reach a moment of the match
constexpr int kRepaints = 200;
constexpr int kIdleTableAtMs = 10'000;  // the idle table's memory is read this long after exec

struct BenchmarkOptions {
    int runs = 5;
    int idleSeconds = 10;
    QString program = QStringLiteral(ZAVKARI_PROGRAM);
};

constexpr const char* kUsage =
    "usage: table_window_benchmark [--runs N] [--idle-seconds N] [--program PATH] [--help]\n"
    "  --runs N          start the real program N times, watched from outside (default 5;\n"
    "                    needs an X screen, e.g. tests/e2e/under_xvfb.sh 1280x1024x24)\n"
    "  --idle-seconds N  measure the CPU share at the game's tempo over N seconds (default 10)\n"
    "  --program PATH    the program to start (default: the one built with this benchmark)\n";

struct Spread {
    double median = 0;
    double p90 = 0;
    double max = 0;
};

Spread SpreadOf(std::vector<double> ms) {
    if (ms.empty()) return {};
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double share) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(share * (ms.size() - 1) + 0.5))];
    };
    return {at(0.5), at(0.9), ms.back()};
}

// CPU time of the whole process (every thread) in milliseconds.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

bool HumanMayPlayCard(const TableWindow& window) {
    const Game& game = window.game();
    return !window.turns().busy() && game.HumanAsked() == Asked::Card;
}

// The human is asked for something: a trump, a bid or a card.
bool HumanIsAsked(const TableWindow& window) {
    const TableModel& t = window.game().Table();
    const bool trump = t.Visible(Element::koz) && !window.game().State().trumpChosen;
    const bool bid = t.Visible(Element::tkma) && !t.Visible(Element::m_u);
    return !window.turns().busy() && (trump || bid || HumanMayPlayCard(window));
}

// Times a click on a card of the player's hand until the end of the first paint of the table that
// shows the card moved onto the player's spot. Armed just before the click; it finishes that paint
// itself, so that the time taken includes it.
class CardPaintClock : public QObject {
  public:
    explicit CardPaintClock(const TableWindow& window) : window_(window) {
        window.canvas()->installEventFilter(this);
    }

    void arm() {
        const GameState& s = window_.game().State();
        hand_.clear();
        for (int slot = 1; slot <= s.dealSize; ++slot) {
            const CardId c = s.humanHand[slot];
            if (c.empty()) continue;
            const Element face = el::Face(c.suit, c.rank);
            hand_.push_back({face, window_.canvas()->elementRect(face)});
        }
        elapsedMs_ = -1;
        clock_.start();
    }
    void disarm() { hand_.clear(); }
    bool done() const { return elapsedMs_ >= 0; }
    double elapsedMs() const { return elapsedMs_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (hand_.empty() || event->type() != QEvent::Paint) return false;
        const QRect dirty = static_cast<QPaintEvent*>(event)->rect();
        const ElementState& spot = window_.game().Table()[el::Spot(kHumanSeat)];
        const bool showsPlayedCard = std::any_of(hand_.begin(), hand_.end(), [&](const auto& card) {
            const QRect now = window_.canvas()->elementRect(card.first);
            return now != card.second && now.topLeft() == QPoint(spot.left, spot.top) &&
                   dirty.contains(now);
        });
        if (!showsPlayedCard) return false;
        watched->event(event);
        elapsedMs_ = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
        hand_.clear();
        return true;
    }

  private:
    const TableWindow& window_;
    std::vector<std::pair<Element, QRect>> hand_;  // the hand's faces where they were at the click
    QElapsedTimer clock_;
    double elapsedMs_ = -1;
};

// Plays with the clicker until `done`, timing every card the player plays (a wild card led waits
// for its named suit and is left out).
bool PlayTimingCards(TableWindow& window, TableClicker& player, CardPaintClock& clock,
                     std::vector<double>& clickToPaintMs, const std::function<bool()>& done) {
    QElapsedTimer wall;
    wall.start();
    while (!done() && wall.elapsed() < kMatchMs) {
        if (!window.turns().busy()) {
            const bool card = HumanMayPlayCard(window);
            if (card) clock.arm();
            if (player.act()) {
                QElapsedTimer wait;
                wait.start();
                const TableModel& t = window.game().Table();
                while (card && !clock.done() && !t.Visible(Element::vishi) &&
                       !t.Visible(Element::nije) && wait.elapsed() < 1000)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                if (clock.done()) clickToPaintMs.push_back(clock.elapsedMs());
            }
            clock.disarm();
        }
        // Always: a click that the game answers only later (the deck while the others still bid)
        // must not keep the game's timers from firing.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return done();
}

// Times `paint` kRepaints times and prints the spread of the wall time, and of the CPU time,
// which other programs on a busy machine do not inflate.
// Where a match that did not get through stands, for finding the cause.
void PrintWhereStuck(const TableWindow& window) {
    const GameState& s = window.game().State();
    const TableModel& t = window.game().Table();
    std::fprintf(stderr,
                 "stuck: pool counts %d/%d, nine-card deal %d, %d cards; busy %d, asked "
                 "%d; shown: kl %d tkma %d MU %d ara %d koz %d vishi %d nije %d; timers on:",
                 s.ascendCount, s.descendCount, s.nineIndex, s.dealSize, window.turns().busy(),
                 static_cast<int>(window.game().HumanAsked()), t.Visible(Element::kl),
                 t.Visible(Element::tkma), t.Visible(Element::m_u), t.Visible(Element::ara),
                 t.Visible(Element::koz), t.Visible(Element::vishi), t.Visible(Element::nije));
    for (TimerId id : timer::All())
        if (window.game().TimerEnabled(id)) std::fprintf(stderr, " %s", TimerName(id).c_str());
    std::fprintf(stderr, "\n");
}

void PrintTimes(const char* what, const std::function<void()>& paint) {
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
    for (int i = 0; i < kRepaints; ++i) {
        QElapsedTimer clock;
        const double cpu = CpuMs();
        clock.start();
        paint();
        wallMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        cpuMs.push_back(CpuMs() - cpu);
    }
    const Spread w = SpreadOf(wallMs);
    const Spread c = SpreadOf(cpuMs);
    std::printf(
        "  %s, %d times: median %.2f ms, p90 %.2f ms, max %.2f ms; CPU median %.2f ms, "
        "p90 %.2f ms\n",
        what, kRepaints, w.median, w.p90, w.max, c.median, c.p90);
}

// The window's own repaint() leaves its children alone where they paint every pixel (the table
// canvas does), so a full repaint is timed two ways: the whole canvas repainted and put on the
// screen, as after a change over the whole table; and the window rendered with every widget into
// an image of its size.
void PrintRepaints(TableWindow& window, const char* moment) {
    std::printf("full repaint, %s:\n", moment);
    PrintTimes("the table canvas, repaint()", [&] { window.canvas()->repaint(); });
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    PrintTimes("the window and its widgets, render()", [&] { window.render(&image); });
}

// Where the program's windows stand once the table has taken over from the splash.
bool StartWindows(ProgramWindows& windows) {
    windows.splash().setScreenSize(QSize(kScreen.width, kScreen.height));
    windows.start();
    QElapsedTimer wall;
    wall.start();
    while (!windows.table()->isVisible() && wall.elapsed() < kMatchMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return windows.table()->isVisible();
}

// min / median / max of the figures of several runs.
void PrintRuns(const char* what, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    std::printf("  %-44s min %7.1f  median %7.1f  max %7.1f %s\n", what, values.front(),
                values[values.size() / 2], values.back(), unit);
}

// The real program started `runs` times, watched from outside.
void RealStartUps(const BenchmarkOptions& options) {
    std::printf("the real program (%s), %d start-ups watched from outside:\n",
                qPrintable(options.program), options.runs);
    std::vector<double> frame, table, splashPeak, rss, anonymous, peak;
    int unseenFrames = 0;
    for (int run = 0; run < options.runs; ++run) {
        const auto figures = ProbeStartUp(options.program, kIdleTableAtMs);
        if (!figures) {
            std::printf("  run %d: the table did not come\n", run + 1);
            continue;
        }
        if (figures->firstFrameMs >= 0) {
            frame.push_back(figures->firstFrameMs);
        } else {
            ++unseenFrames;
        }
        table.push_back(figures->tableMs);
        splashPeak.push_back(figures->splashPeakMb);
        rss.push_back(figures->idleRssMb);
        anonymous.push_back(figures->idleAnonymousMb);
        peak.push_back(figures->peakMb);
    }
    if (table.empty()) return;
    if (!frame.empty()) PrintRuns("exec to the splash's first frame on screen", frame, "ms");
    if (unseenFrames > 0) std::printf("  the first frame was missed in %d runs\n", unseenFrames);
    PrintRuns("exec to the table on screen", table, "ms");
    PrintRuns("peak resident memory during the splash", splashPeak, "MB");
    PrintRuns("resident memory at the idle table (10 s)", rss, "MB");
    PrintRuns("anonymous memory at the idle table (10 s)", anonymous, "MB");
    PrintRuns("peak resident memory until then", peak, "MB");
}

// A whole match at the quick tempo, after the splash: the click-to-paint times throughout, the
// repaint in the last deal and after it, and the memory at the end. False when the match did not
// get through.
bool QuickMatch() {
    ProgramWindows windows(kQuick);
    if (!StartWindows(windows)) return false;
    TableWindow& window = *windows.table();
    TableClicker player(window, 7);
    CardPaintClock clock(window);
    std::vector<double> clickToPaintMs;
    player.openMatch(QStringLiteral("gio"));

    const GameState& s = window.game().State();
    const bool lastDeal = PlayTimingCards(window, player, clock, clickToPaintMs, [&] {
        return s.descendCount == 9 && s.nineIndex == 4 && HumanMayPlayCard(window);
    });
    if (!lastDeal) {
        PrintWhereStuck(window);
        return false;
    }
    PrintRepaints(window, "last deal, the player's first card (9-card hands, 23 rows)");
    if (!PlayTimingCards(window, player, clock, clickToPaintMs,
                         [&] { return player.matchFinished(); })) {
        PrintWhereStuck(window);
        return false;
    }
    PrintRepaints(window, "match over (24 rows and the totals)");

    const Spread c = SpreadOf(clickToPaintMs);
    std::printf(
        "click on a card to the card painted on its spot: median %.2f ms, p90 %.2f ms, "
        "max %.2f ms (%zu cards)\n",
        c.median, c.p90, c.max, clickToPaintMs.size());
    std::printf(
        "memory after a whole match, this process: VmRSS %.1f MB, anonymous %.1f MB, peak VmHWM "
        "%.1f MB\n",
        ProcessStatusMb("VmRSS"), ProcessStatusMb("RssAnon"), ProcessStatusMb("VmHWM"));
    return true;
}

// The gaps between the paints of the table, which a clock asks for every 10 ms.
class PaintGaps : public QObject {
  public:
    explicit PaintGaps(QWidget& canvas) : canvas_(canvas) {
        canvas.installEventFilter(this);
        connect(&clock_, &QTimer::timeout, &canvas_, [this] { canvas_.update(); });
        clock_.start(10);
        since_.start();
    }
    Spread spread() const { return SpreadOf(gapsMs_); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            gapsMs_.push_back(static_cast<double>(since_.nsecsElapsed()) / 1e6);
            since_.restart();
        }
        return false;
    }

  private:
    QWidget& canvas_;
    QTimer clock_;
    QElapsedTimer since_;
    std::vector<double> gapsMs_;
};

// A whole match against three strong computers at the quick tempo, the table repainted every
// 10 ms: the spread of the gaps between paints, which the computers' thinking beside the table
// must leave small.
bool StrongOpponentsMatch() {
    ProgramWindows windows(kQuick);
    if (!StartWindows(windows)) return false;
    TableWindow& window = *windows.table();
    window.setOpponents(PlayerKind::Strong);
    TableClicker player(window, 7);
    CardPaintClock clock(window);
    std::vector<double> clickToPaintMs;
    PaintGaps gaps(*window.canvas());
    player.openMatch(QStringLiteral("gio"));
    if (!PlayTimingCards(window, player, clock, clickToPaintMs,
                         [&] { return player.matchFinished(); })) {
        PrintWhereStuck(window);
        return false;
    }
    const Spread g = gaps.spread();
    std::printf(
        "against three strong computers, the table repainted every 10 ms: gaps between paints "
        "median %.1f ms, p90 %.1f ms, max %.1f ms\n",
        g.median, g.p90, g.max);
    return true;
}

// Notes when each frame of the splash's clip is on show (painted at once, in the same turn) and
// when each tick moves the bar.
class SplashClock : public QObject {
  public:
    explicit SplashClock(SplashWindow& splash) : frameCount_(splash.animation()->frameCount()) {
        const AnimationPlayer* clip = splash.animation();
        connect(clip, &AnimationPlayer::frameShown, this, [this, clip] {
            QElapsedTimer now;
            now.start();
            const int frame = clip->currentFrame();
            const auto late =
                static_cast<double>(now.msecsSinceReference() - clip->frameDueMs(frame));
            frameLateMs_ = std::max(frameLateMs_, late);
            ++framesShown_;
        });
        barStart_.start();
        connect(splash.findChild<QProgressBar*>(), &QProgressBar::valueChanged, this,
                [this](int value) {
                    const auto due = static_cast<qint64>(value) * 50;
                    tickLateMs_ = std::max(tickLateMs_, double(barStart_.elapsed() - due));
                });
    }

    void print() const {
        std::printf(
            "the splash at the game's tempo: %d of its %d frames shown one by one (the others "
            "caught up with), the latest %.0f ms after it was due; the bar's latest tick %.0f ms "
            "after it was due\n",
            framesShown_, frameCount_, frameLateMs_, tickLateMs_);
    }

  private:
    const int frameCount_;
    int framesShown_ = 0;
    double frameLateMs_ = 0;
    QElapsedTimer barStart_;
    double tickLateMs_ = 0;
};

// At the game's own tempo: the splash's frames and ticks, then a match opened; once the player is
// asked for something the program is left alone for `seconds` and its CPU time reported as a
// share of one core.
bool RealTempo(int seconds) {
    ProgramWindows windows(1.0);
    SplashClock splashClock(windows.splash());
    if (!StartWindows(windows)) return false;
    splashClock.print();

    TableWindow& window = *windows.table();
    TableClicker player(window, 7);
    player.openMatch(QStringLiteral("gio"));
    QElapsedTimer wall;
    wall.start();
    while (!HumanIsAsked(window) && wall.elapsed() < kMatchMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!HumanIsAsked(window)) return false;

    QEventLoop idle;
    QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
    const double cpuBefore = CpuMs();
    wall.restart();
    idle.exec();
    const double cpu = (CpuMs() - cpuBefore) / 1000.0;
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    std::printf(
        "idle while the player is asked, at the game's tempo: %.3f s CPU in %.1f s, "
        "%.2f%% of one core\n",
        cpu, elapsed, 100.0 * cpu / elapsed);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !display)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchmarkOptions options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%s", kUsage);
            return 0;
        } else if (std::strcmp(argv[i], "--runs") == 0 && hasValue) {
            options.runs = std::max(0, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--idle-seconds") == 0 && hasValue) {
            options.idleSeconds = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--program") == 0 && hasValue) {
            options.program = QString::fromLocal8Bit(argv[++i]);
        } else {
            std::fprintf(stderr, "%s", kUsage);
            return 2;
        }
    }
    QApplication app(argc, argv);
    std::printf("platform %s, window %d x %d\n", qPrintable(QGuiApplication::platformName()),
                kScreen.width, kScreen.height);
    if (options.runs > 0) {
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            RealStartUps(options);
        } else {
            std::printf("the real program is watched only on an X screen: skipped\n");
        }
    }
    if (!QuickMatch()) {
        std::fprintf(stderr, "the quick match did not get through\n");
        return 1;
    }
    if (!StrongOpponentsMatch()) {
        std::fprintf(stderr, "the match against the strong computers did not get through\n");
        return 1;
    }
    if (!RealTempo(options.idleSeconds)) {
        std::fprintf(stderr, "the player was never asked at the game's tempo\n");
        return 1;
    }
    return 0;
}
