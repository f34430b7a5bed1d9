// The whole program under a storm of input: clicks with every button, double clicks, drags, the
// wheel and keys over the table, its menu, the options dialog (with files good, bad and no files
// at all), the rules and about windows and the error boxes, with "Tavidan" now and then. After the
// storm the match must still move: it is played on to its end. A seeded run of a few thousand
// events by default; ZAVKARI_CHAOS_MINUTES=n storms and plays on round after round for n minutes
// (scripts/chaos-run does so under the sanitizers).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>

#include "options_dialog.h"
#include "program_windows.h"
#include "random_clicker.h"
#include "table_clicker.h"

namespace zavkari::testing {
namespace {

constexpr int kStormEvents = 3000;
constexpr int kMatchTimeoutMs = 300'000;

class ChaosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The memo's file button is fair game: its file goes into a folder of the test's own.
        qputenv("HOME", home.path().toLocal8Bit());
        files = {QString(), home.filePath(QStringLiteral("missing.bmp"))};
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        files.push_back(home.filePath(QStringLiteral("good.bmp")));
        ASSERT_TRUE(picture.save(files.back(), "BMP"));
        files.push_back(home.filePath(QStringLiteral("bad.bmp")));
        QFile bad(files.back());
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("BM and nothing a bitmap needs");
        bad.close();
        files.push_back(home.filePath(QStringLiteral("zero.bmp")));
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), files.back()));
        files.push_back(home.filePath(QStringLiteral("pipe.bmp")));
        ASSERT_EQ(mkfifo(QFile::encodeName(files.back()).constData(), 0600), 0);
        files.push_back(home.filePath(QStringLiteral("folder.bmp")));
        ASSERT_TRUE(QDir().mkdir(files.back()));

        windows.splash().setScreenSize({1280, 1024});
        windows.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return windows.table()->isVisible(); }, 30'000));
        table = windows.table();
        windows.options()->setFileChooser([this](QWidget*) {
            return files[static_cast<std::size_t>(pickedFile++) % files.size()];
        });
    }
    void TearDown() override { qputenv("HOME", savedHome); }

    bool nameAsked() const { return table->widgetOf(Element::saxeli)->isVisible(); }
    void enterName(TableClicker& player) {
        QWidget* box = table->widgetOf(Element::saxeli);
        player.clickWidget(box);
        QTest::keyClicks(box, QStringLiteral("nino"));
        player.clickWidget(table->widgetOf(Element::BitBtn1));
    }
    // Between deals with automatic dealing off, the deck waits for a click.
    bool deckWaits() const {
        const TableModel& t = table->game().Table();
        return t.Visible(Element::b) && t.InFront(Element::b, Element::noclick);
    }

    // The storm: random input, and the player's own moves now and then so that the game goes on.
    long storm(std::uint32_t seed, TableClicker& player) {
        RandomClicker hand(*table, seed);
        for (int i = 0; i < kStormEvents; ++i) {
            hand.storm();
            if (i % 4 != 0) continue;
            if (nameAsked()) enterName(player);
            if (!table->turns().busy()) player.act();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        return hand.events();
    }

    // After the storm the player puts automatic dealing back and plays on; a match that is over,
    // or none at all, makes way for a new one. True when a whole match reached its end.
    bool playAMatchToItsEnd(TableClicker& player) {
        windows.options()->findChild<QCheckBox*>(QStringLiteral("darigeba"))->setChecked(true);
        QWidget* menu = table->control(WindowControl::Qmenu);
        if (menu->isVisible()) player.clickWidget(table->control(WindowControl::SpeedButton1));
        const Game& game = table->game();
        if (player.matchFinished() || game.Table().Caption(Element::bbb) == "dawyeba")
            player.openMatch(QStringLiteral("nino"));
        QElapsedTimer clock;
        clock.start();
        while (!player.matchFinished() && clock.elapsed() < kMatchTimeoutMs) {
            if (!table->turns().busy()) {
                if (nameAsked()) {
                    enterName(player);
                } else if (deckWaits()) {
                    player.clickTable(player.centreOf(Element::b));
                } else {
                    player.act();
                }
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return player.matchFinished();
    }

    const QByteArray savedHome = qgetenv("HOME");
    QTemporaryDir home;
    std::vector<QString> files;
    int pickedFile = 0;
    ProgramWindows windows{0.002};
    TableWindow* table = nullptr;
};

TEST_F(ChaosTest, AfterEveryStormOfInputAWholeMatchStillReachesItsEnd) {
    const int minutes = qEnvironmentVariableIntValue("ZAVKARI_CHAOS_MINUTES");
    const std::uint32_t seed = qEnvironmentVariableIsSet("ZAVKARI_CHAOS_SEED")
                                   ? qEnvironmentVariableIntValue("ZAVKARI_CHAOS_SEED")
                                   : 2024;
    QElapsedTimer clock;
    clock.start();
    long events = 0;
    int matches = 0;
    for (std::uint32_t round = 0; round == 0 || clock.elapsed() < minutes * 60'000LL; ++round) {
        TableClicker player(*table, seed + round);
        events += storm(seed + round, player);
        ASSERT_TRUE(playAMatchToItsEnd(player)) << "round " << round << ": " << player.describe();
        ++matches;
        if (minutes > 0) std::cout << "round " << round << ": " << events << " events" << std::endl;
    }
    std::cout << "Chaos: " << events << " events sent, " << matches
              << " matches finished after the storms, " << pickedFile
              << " picture files picked, seed " << seed << ", " << clock.elapsed() / 1000 << " s\n";
}

}  // namespace
}  // namespace zavkari::testing
