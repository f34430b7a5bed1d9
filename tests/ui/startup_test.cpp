// The start-up: the splash's bar and the wait before the table, the screen check and its message,
// the ways the program ends, and the rules and about windows opened from the table's menu.
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
#include "program_windows.h"
#include "rules_window.h"
#include "screen_check.h"
#include "table_window.h"

namespace zavkari::testing {
namespace {

// The bar ticks every 3 ms, the table follows the full bar after 100 ms, the program ends 150 ms
// after the message box.
constexpr double kScale = 0.05;
constexpr int kTableDelayMs = 100;
constexpr int kShutDelayMs = 150;

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
    QAbstractButton* tableButton(const char* name) {
        return qobject_cast<QAbstractButton*>(windows.table()->control(QString::fromLatin1(name)));
    }
    bool waitForTable() {
        return QTest::qWaitFor([&] { return windows.table()->isVisible(); }, 10'000);
    }

    ProgramWindows windows{kScale};
    QSignalSpy ended{&windows, &ProgramWindows::ended};
};

TEST_F(StartUpTest, TheSplashComesFirstWithTheOtherWindowsHidden) {
    start({1024, 700});
    const SplashWindow& splash = windows.splash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.size(), QSize(500, 339));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.animation()->isPlaying());
    EXPECT_EQ(splash.progress(), 0);
    EXPECT_FALSE(windows.table()->isVisible());
    EXPECT_FALSE(windows.about()->isVisible());
    EXPECT_FALSE(windows.rules()->isVisible());
}

TEST_F(StartUpTest, TheSplashsWhitePixelsAreCutOutOfItsShapeButNotItsBar) {
    start({1024, 700});
    const SplashWindow& splash = windows.splash();
    const QImage frame = splash.animation()->shownFrame();
    ASSERT_EQ(frame.size(), QSize(500, 339));
    const QRegion shape = splash.mask();
    EXPECT_TRUE(shape.contains(QRect(8, 320, 481, 9)));
    int white = 0, coloured = 0;
    for (int y = 0; y < frame.height(); y += 7) {
        for (int x = 0; x < frame.width(); x += 7) {
            if (QRect(8, 320, 481, 9).contains(x, y)) continue;
            const bool isWhite = frame.pixel(x, y) == qRgb(255, 255, 255);
            (isWhite ? white : coloured) += 1;
            EXPECT_EQ(shape.contains(QPoint(x, y)), !isWhite) << x << ", " << y;
        }
    }
    EXPECT_GT(white, 0);
    EXPECT_GT(coloured, 0);
}

TEST_F(StartUpTest, TheTableComesTwoSecondsAfterTheBarIsFull) {
    QElapsedTimer sinceFull;
    bool tableBeforeFull = false;
    start({1024, 700});
    QObject::connect(bar(), &QProgressBar::valueChanged, [&](int value) {
        tableBeforeFull |= windows.table()->isVisible();
        if (value == 100) sinceFull.start();
    });
    ASSERT_TRUE(waitForTable());
    EXPECT_FALSE(tableBeforeFull);
    ASSERT_TRUE(sinceFull.isValid());
    EXPECT_GE(sinceFull.elapsed(), kTableDelayMs * 9 / 10);
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
    EXPECT_GE(sinceDismissed.elapsed(), kShutDelayMs * 9 / 10);  // timers may fire 5 % early
    EXPECT_FALSE(windows.table()->isVisible());
}

TEST_F(StartUpTest, TheMenusQuitEndsTheProgram) {
    start({1024, 700});
    ASSERT_TRUE(waitForTable());
    tableButton("SpeedButton1")->click();
    tableButton("SpeedButton4")->click();
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
    tableButton("Rule")->click();
    EXPECT_TRUE(windows.rules()->isVisible());
    EXPECT_FALSE(windows.rules()->isModal());
    windows.rules()->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
    EXPECT_FALSE(windows.rules()->isVisible());

    windows.about()->showMinimized();
    tableButton("Ab")->click();
    EXPECT_TRUE(windows.about()->isVisible());
    EXPECT_FALSE(windows.about()->isMinimized());
    windows.about()->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
    EXPECT_FALSE(windows.about()->isVisible());
    EXPECT_TRUE(windows.table()->isVisible());
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
