// The start-up: the splash's bar and the wait before the table, the screen check and its message,
// the ways the program ends, the rules and about windows opened from the table's menu, and the
// program's keys in every one of its windows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include "about_window.h"
#include "animation_player.h"
#include "options_dialog.h"
#include "program_windows.h"
#include "rules_window.h"
#include "screen_check.h"
#include "table_window.h"

namespace zavkari::testing {
namespace {

// The bar ticks every 3 ms, the table follows the full bar after 100 ms, the program ends 150 ms
// after the message box.
constexpr double kScale = 0.05;
constexpr int kBarFullMs = 100 * 3;
constexpr int kTableDelayMs = 100;
constexpr int kShutDelayMs = 150;
constexpr QRect kBar{8, 320, 481, 9};

TEST(ScreenCheckTest, AScreenPassesFrom700PixelsHighWhateverItsWidth) {
    EXPECT_TRUE(screenIsTallEnough({1024, 700}));
    EXPECT_TRUE(screenIsTallEnough({640, 700}));
    EXPECT_FALSE(screenIsTallEnough({1280, 699}));
    EXPECT_FALSE(screenIsTallEnough({1920, 600}));
}

TEST(ScreenCheckTest, TheMessageNamesTheScreenWidthByHeight) {
    EXPECT_EQ(screenTooSmallText({1280, 699}),
              QStringLiteral("You can not run this program becouse your screen resolution is "
                             "1280x699, program need screen resolution 1024x768 or higher"));
    EXPECT_TRUE(screenTooSmallText({800, 600}).contains(QStringLiteral(" is 800x600, program")));
}

class StartUpTest : public ::testing::Test {
  protected:
    void start(QSize screen) {
        windows.splash().setScreenSize(screen);
        windows.start();
    }
    QProgressBar* bar() { return windows.splash().findChild<QProgressBar*>(); }
    QAbstractButton* tableButton(WindowControl c) {
        return qobject_cast<QAbstractButton*>(windows.table()->control(c));
    }
    bool waitForTable() {
        return QTest::qWaitFor([&] { return windows.table()->isVisible(); }, 10'000);
    }

    ProgramWindows windows{kScale};
    QSignalSpy ended{&windows, &ProgramWindows::ended};
};

// At the real tempo, so that a slow machine cannot fill the bar before the first look.
TEST(StartUpAtTheRealTempo, TheSplashComesFirstWithTheOtherWindowsHidden) {
    ProgramWindows windows{1.0};
    windows.splash().setScreenSize({1024, 700});
    windows.start();
    const SplashWindow& splash = windows.splash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.size(), QSize(500, 339));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.animation()->isPlaying());
    EXPECT_LT(splash.progress(), 100);
    EXPECT_FALSE(windows.table()->isVisible());
    EXPECT_FALSE(windows.about()->isVisible());
    EXPECT_FALSE(windows.rules()->isVisible());
}

// The clip's white is see-through, through the window's shape or through its alpha channel; either
// way the bar covers every pixel of its box, corners included.
TEST(SplashTest, WhiteIsSeeThroughAndTheBarWholeByShapeOrByAlpha) {
    for (const auto way : {SplashWindow::SeeThrough::Shape, SplashWindow::SeeThrough::Alpha}) {
        SCOPED_TRACE(way == SplashWindow::SeeThrough::Shape ? "shape" : "alpha");
        SplashWindow splash(1.0, way);
        splash.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return splash.animation()->currentFrame() >= 12; }));
        splash.animation()->stop();
        const QImage frame = splash.animation()->shownFrame();
        const QImage shown = splash.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QRegion shape = splash.mask();
        EXPECT_EQ(shape.isEmpty(), way == SplashWindow::SeeThrough::Alpha);
        int clear = 0, solid = 0;
        for (int y = 0; y < frame.height(); y += 7) {
            for (int x = 0; x < frame.width(); x += 7) {
                const QPoint at(x, y);
                const bool seeThrough = !kBar.contains(at) && qAlpha(frame.pixel(at)) == 0;
                (seeThrough ? clear : solid) += 1;
                const bool opaque = way == SplashWindow::SeeThrough::Shape
                                        ? shape.contains(at)
                                        : qAlpha(shown.pixel(at)) == 255;
                EXPECT_EQ(opaque, !seeThrough) << x << ", " << y;
            }
        }
        EXPECT_GT(clear, 0);
        EXPECT_GT(solid, 0);
        for (QPoint corner :
             {kBar.topLeft(), kBar.topRight(), kBar.bottomLeft(), kBar.bottomRight()}) {
            EXPECT_EQ(qAlpha(shown.pixel(corner)), 255);
            EXPECT_NE(shown.pixel(corner) | 0xFF000000, qRgb(255, 255, 255));
            if (way == SplashWindow::SeeThrough::Shape) {
                EXPECT_TRUE(shape.contains(corner));
            }
        }
    }
}

// Every wait of the start-up is at least as long as it is meant to be, however the machine runs:
// the bar fills in no less than its hundred ticks, and the table comes no sooner than its wait
// after the full bar.
TEST_F(StartUpTest, TheTableComesTwoSecondsAfterTheBarIsFull) {
    QElapsedTimer sinceStart, sinceFull;
    qint64 barFullMs = -1;
    bool tableBeforeFull = false;
    sinceStart.start();
    windows.splash().setScreenSize({1024, 700});
    QObject::connect(bar(), &QProgressBar::valueChanged, [&](int value) {
        tableBeforeFull |= windows.table() != nullptr && windows.table()->isVisible();
        if (value < 100) return;
        barFullMs = sinceStart.elapsed();
        sinceFull.start();
    });
    windows.start();
    ASSERT_TRUE(waitForTable());
    EXPECT_FALSE(tableBeforeFull);
    EXPECT_GE(barFullMs, kBarFullMs);
    ASSERT_TRUE(sinceFull.isValid());
    EXPECT_GE(sinceFull.elapsed(), kTableDelayMs);
    EXPECT_EQ(windows.splash().progress(), 100);
    EXPECT_FALSE(windows.splash().isVisible());
    // The table is laid out for the screen and waits for a match in the idle state.
    EXPECT_EQ(windows.table()->canvas()->size(), QSize(1024, 700));
    EXPECT_EQ(windows.table()->game().State().ascendCount, 1);
    EXPECT_EQ(windows.table()->game().State().dealer, 1);
    EXPECT_EQ(ended.count(), 0);
}

TEST_F(StartUpTest, ALowScreenGetsTheMessageAndTheProgramEndsAfterItIsDismissed) {
    start({1280, 699});
    QMessageBox* box = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (box = windows.splash().findChild<QMessageBox*>()) != nullptr; }, 10'000));
    EXPECT_EQ(box->text(), screenTooSmallText({1280, 699}));
    EXPECT_FALSE(windows.splash().isVisible());

    // The program waits for the player as long as the box is up.
    QTest::qWait(3 * kShutDelayMs);
    EXPECT_EQ(ended.count(), 0);
    QElapsedTimer sinceDismissed;
    sinceDismissed.start();
    box->button(QMessageBox::Ok)->click();
    ASSERT_TRUE(ended.wait(5'000));
    EXPECT_GE(sinceDismissed.elapsed(), kShutDelayMs);
    EXPECT_FALSE(windows.table()->isVisible());
}

TEST_F(StartUpTest, TheMenusQuitEndsTheProgram) {
    start({1024, 700});
    ASSERT_TRUE(waitForTable());
    tableButton(WindowControl::SpeedButton1)->click();
    tableButton(WindowControl::SpeedButton4)->click();
    // The table closes as a fresh event, never inside a click's own handling.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended.count() == 1; }, 2000));
    EXPECT_FALSE(windows.table()->isVisible());
}

TEST_F(StartUpTest, ClosingTheTableThroughTheDesktopEndsTheProgram) {
    start({1024, 700});
    ASSERT_TRUE(waitForTable());
    windows.about()
        ->showNormalState();  // another window still open does not keep the program alive
    windows.table()->close();
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(StartUpTest, TheMenuOpensTheRulesAndAboutWindowsAndTheirButtonsHideThem) {
    start({1024, 700});
    ASSERT_TRUE(waitForTable());
    tableButton(WindowControl::Rule)->click();
    EXPECT_TRUE(windows.rules()->isVisible());
    EXPECT_FALSE(windows.rules()->isModal());
    windows.rules()->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
    EXPECT_FALSE(windows.rules()->isVisible());

    windows.about()->showMinimized();
    tableButton(WindowControl::Ab)->click();
    EXPECT_TRUE(windows.about()->isVisible());
    EXPECT_FALSE(windows.about()->isMinimized());
    windows.about()->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
    EXPECT_FALSE(windows.about()->isVisible());
    EXPECT_TRUE(windows.table()->isVisible());
}

// Ctrl+N, Ctrl+Q, F1 and F2 act in whichever window has the keys, and bring up and activate their
// window; the menu answers Alt and a letter; every choice of the options is reached by Tab, moved
// over by the arrows and chosen by Space.
TEST_F(StartUpTest, TheProgramsKeysActInEveryWindowAndReachEveryChoiceOfTheOptions) {
    start({1280, 1024});
    ASSERT_TRUE(waitForTable());
    const auto key = [](QWidget* window, int k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(k), modifiers);
    };
    const auto active = [](QWidget* w) {
        return QTest::qWaitFor([w] { return w->isActiveWindow(); });
    };
    windows.table()->activateWindow();
    // A compositor without a seat (weston's headless one) gives no window the keyboard.
    if (!active(windows.table())) GTEST_SKIP() << "no window takes the keyboard on this desktop";
    key(windows.table(), Qt::Key_F2);
    ASSERT_TRUE(active(windows.options()));
    key(windows.options(), Qt::Key_F1);
    ASSERT_TRUE(active(windows.rules()));
    key(windows.rules(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return windows.table()->game().HumanAsked() == Asked::Name; }));
    EXPECT_TRUE(active(windows.table()));
    key(windows.table(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(active(windows.about()));

    OptionsDialog& options = *windows.options();
    key(windows.about(), Qt::Key_F2);
    ASSERT_TRUE(active(&options));
    QStringList reached;
    for (int i = 0; i < 20; ++i, key(&options, Qt::Key_Tab))
        reached << QApplication::focusWidget()->objectName();
    for (const QString& name : QStringLiteral("darigeba CheckBox1 fon sss speed bb1 bb5 button m1 "
                                              "m2 button2 usual ok")
                                   .split(u' '))
        EXPECT_TRUE(reached.contains(name)) << name.toStdString();
    options.findChild<QWidget*>(QStringLiteral("bb1"))->setFocus();
    key(&options, Qt::Key_Right);
    key(&options, Qt::Key_Space);
    EXPECT_EQ(options.chosenBack(), 2);
    options.findChild<QWidget*>(QStringLiteral("m1"))->setFocus();
    key(&options, Qt::Key_Left);  // round to the player's own, still to be picked
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("button2"));
    key(&options, Qt::Key_Left);
    key(&options, Qt::Key_Space);
    EXPECT_EQ(options.chosenTable(), 2);

    key(&options, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended.count() == 1; }, 2000));
}

// The stand-in fonts are not the ones the windows were drawn for: every text must still fit.
TEST(InfoWindowsTest, EveryTextFitsItsPlace) {
    RulesWindow rules;
    for (const char* name : {"Label1", "Label2"}) {
        const auto* label = rules.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_LE(label->sizeHint().width(), label->width()) << name;
    }
    AboutWindow about;
    const QRect textFrame = about.findChild<QWidget*>(QStringLiteral("Bevel1"))->geometry();
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label->objectName() == QStringLiteral("Image1")) continue;
        EXPECT_TRUE(textFrame.contains(label->geometry())) << label->objectName().toStdString();
    }
}

}  // namespace
}  // namespace zavkari::testing
