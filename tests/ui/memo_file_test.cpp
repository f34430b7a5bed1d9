// The debug memo written to "zavkari.txt" in the home folder by its small button: line by line,
// an empty file for an empty memo, and an error box that leaves the match going when the file
// cannot be written.
#include <gtest/gtest.h>

#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "table_clicker.h"

namespace zavkari::testing {
namespace {

class MemoFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        window.startUp({1280, 1024, 1024});
        window.show();
    }
    void TearDown() override {
        if (hadHome) {
            qputenv("HOME", savedHome);
        } else {
            qunsetenv("HOME");
        }
    }

    QByteArray writtenFile() {
        player.clickWidget(window.control(QStringLiteral("Button2")));
        QFile file(TableWindow::memoFilePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        return file.readAll();
    }
    QMessageBox* errorBox() const {
        return window.findChild<QMessageBox*>(QStringLiteral("errorBox"));
    }

    const bool hadHome = qEnvironmentVariableIsSet("HOME");
    const QByteArray savedHome = qgetenv("HOME");
    QTemporaryDir home;
    TableWindow window{0.002};
    TableClicker player{window, 9};
};

TEST_F(MemoFileTest, FileIsInTheHomeFolder) {
    EXPECT_EQ(TableWindow::memoFilePath(), home.filePath(QStringLiteral("zavkari.txt")));
}

TEST_F(MemoFileTest, EveryLineEndsWithALineBreakAndAnEmptyMemoGivesAnEmptyFile) {
    EXPECT_EQ(writtenFile(), QByteArray("me\n"));

    player.clickWidget(window.control(QStringLiteral("Button1")));
    EXPECT_EQ(writtenFile(), QByteArray());

    QWidget* memo = window.control(QStringLiteral("me"));
    player.clickWidget(memo);
    QTest::keyClicks(memo, QStringLiteral("pirveli"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("meore"));
    EXPECT_EQ(writtenFile(), QByteArray("pirveli\nmeore\n"));
    EXPECT_EQ(errorBox(), nullptr);
}

TEST_F(MemoFileTest, UnwritableHomeShowsTheErrorAndTheMatchGoesOn) {
    player.openMatch(QStringLiteral("gio"));
    const Game& game = window.game();
    ASSERT_TRUE(player.playUntil([&] { return game.State().ascendCount >= 2; }, 30'000));
    qputenv("HOME", home.filePath(QStringLiteral("no/such/folder")).toLocal8Bit());
    player.clickWidget(window.control(QStringLiteral("Button2")));
    ASSERT_NE(errorBox(), nullptr);
    EXPECT_TRUE(errorBox()->isVisible());
    EXPECT_FALSE(QFile::exists(TableWindow::memoFilePath()));
    EXPECT_TRUE(player.playUntil([&] { return game.State().ascendCount >= 4; }, 30'000));
}

}  // namespace
}  // namespace zavkari::testing
