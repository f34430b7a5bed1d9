// The debug memo written to "zavkari.txt" in the home folder by its small button: line by line,
// an empty file for an empty memo, and an error box that leaves the match going when the file
// cannot be written or there is no home folder. Pastes with nothing to paste change no text box;
// a huge one is cut.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
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
        player.clickWidget(window.control(WindowControl::Button2));
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

    player.clickWidget(window.control(WindowControl::Button1));
    EXPECT_EQ(writtenFile(), QByteArray());

    QWidget* memo = window.control(WindowControl::me);
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
    player.clickWidget(window.control(WindowControl::Button2));
    ASSERT_NE(errorBox(), nullptr);
    EXPECT_TRUE(errorBox()->isVisible());
    EXPECT_FALSE(QFile::exists(TableWindow::memoFilePath()));
    EXPECT_TRUE(player.playUntil([&] { return game.State().ascendCount >= 4; }, 30'000));
}

}  // namespace
}  // namespace zavkari::testing

namespace zavkari::testing {
namespace {

TEST_F(MemoFileTest, WithoutAHomeFolderTheErrorBoxShowsAndNothingIsWritten) {
    const bool inRoot = QFileInfo::exists(QStringLiteral("/zavkari.txt"));
    qunsetenv("HOME");
    EXPECT_TRUE(TableWindow::memoFilePath().isEmpty());
    player.clickWidget(window.control(WindowControl::Button2));
    ASSERT_NE(errorBox(), nullptr);
    EXPECT_TRUE(errorBox()->text().contains(QStringLiteral("home folder")));
    EXPECT_EQ(QFileInfo::exists(QStringLiteral("/zavkari.txt")), inRoot);
}

// A middle click, Ctrl+V and Shift+Insert in the memo and in the name box, with clipboard data
// that holds no format at all (what X hands over when nobody owns the clipboard): nothing changes.
// With text on the clipboard the same keys paste it.
TEST_F(MemoFileTest, PastesWithoutTextChangeNeitherTheMemoNorTheNameBox) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    player.clickWidget(window.control(WindowControl::SpeedButton1));
    player.clickWidget(window.widgetOf(Element::bbb));
    auto* memo = static_cast<QPlainTextEdit*>(window.control(WindowControl::me));
    auto* name = static_cast<QLineEdit*>(window.widgetOf(Element::saxeli));
    for (QWidget* box : {static_cast<QWidget*>(memo), static_cast<QWidget*>(name)}) {
        const auto text = [&] { return box == memo ? memo->toPlainText() : name->text(); };
        QWidget* surface = box == memo ? memo->viewport() : name;
        player.clickWidget(surface);  // the name box clears its preset text
        const QString before = text();
        clipboard->setMimeData(new QMimeData);
        if (clipboard->supportsSelection())
            clipboard->setMimeData(new QMimeData, QClipboard::Selection);
        QTest::mouseClick(surface, Qt::MiddleButton, {}, surface->rect().center());
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(text(), before);

        clipboard->setText(QStringLiteral("gio"));
        // A compositor without a seat (weston without a screen) keeps no clipboard at all.
        if (clipboard->text() != QStringLiteral("gio")) continue;
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(text().endsWith(QStringLiteral("gio")) ||
                    text().endsWith(QString::fromUtf8("გიო")))
            << text().toStdString();
    }
}

// A paste of megabytes, a log of many lines, is cut to what the memo can sensibly hold.
TEST_F(MemoFileTest, AHugePasteIsCutToTheLargestPaste) {
    QString log;
    while (log.size() < 2'700'000)
        log += QStringLiteral("zurala: 9 jvari, 8 guli, viSi\n");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(log);
    // A compositor without a seat (weston without a screen) keeps no clipboard at all.
    if (clipboard->text() != log) GTEST_SKIP() << "no clipboard";
    auto* memo = static_cast<QPlainTextEdit*>(window.control(WindowControl::me));
    player.clickWidget(memo->viewport());
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    const QString before = memo->toPlainText();
    QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo->toPlainText(), before + log.left(DebugMemo::kLargestPaste));
}

}  // namespace
}  // namespace zavkari::testing
