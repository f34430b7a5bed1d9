// The options dialog at the table: its slider texts, the settings that act at once, the card back
// and table picture applied by "OK " or by a match start, and the player's own pictures, good and
// bad, huge, still loading, and files that are no pictures at all; the mark on the picture chosen
// last, which a screen reader finds checked.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAccessible>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLocalServer>
#include <QMessageBox>
#include <QSemaphore>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QToolTip>

#include "options_dialog.h"
#include "options_wiring.h"
#include "table_clicker.h"

namespace zavkari::testing {
namespace {

constexpr double kQuick = 0.002;
const QColor kMagenta(255, 0, 255);

class OptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.startUp({1280, 1024, 1024});
        window.show();
        connectOptionsDialog(dialog, window);
        dialog.setFileChooser([this](QWidget*) { return nextFile; });
    }

    template <typename W = QWidget>
    W* find(const char* name) {
        W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Clicks the control and waits until a picture it made the dialog read has been read.
    void click(const char* name) {
        QTest::mouseClick(find(name), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.loading(); }, 30'000));
    }

    // The next file the player picks: a one-colour bitmap, or the given bytes.
    void pickBitmap(const QColor& colour, QSize size = {16, 24}) {
        nextFile = dir.filePath(QStringLiteral("own.bmp"));
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(nextFile, "BMP"));
    }
    void pickFile(const QByteArray& bytes) {
        nextFile = dir.filePath(QStringLiteral("bad.bmp"));
        QFile file(nextFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QColor tableColourAt(QPoint at) { return window.canvas()->grab().toImage().pixelColor(at); }
    QPoint centreOf(Element e) { return window.canvas()->elementRect(e).center(); }
    QMessageBox* errorBox() { return dialog.findChild<QMessageBox*>(QStringLiteral("errorBox")); }

    TableWindow window{kQuick};
    OptionsDialog dialog{window.game().options, &window};
    TableClicker player{window, 7};
    QTemporaryDir dir;
    QString nextFile;
};

// A static text sizes itself to its text and lies inside its box.
void ExpectShownWhole(const QLabel* text) {
    SCOPED_TRACE(text->text().toStdString());
    EXPECT_LE(QFontMetrics(text->font()).horizontalAdvance(text->text()),
              text->contentsRect().width());
    EXPECT_TRUE(text->parentWidget()->rect().contains(text->geometry()));
}

TEST_F(OptionsDialogTest, SliderTextsShowThePenaltyAndTheSpeedAtTheirEnds) {
    for (const char* name : {"StaticText1", "StaticText2", "StaticText3"})
        ExpectShownWhole(find<QLabel>(name));
    auto* penalty = find<QSlider>("sss");
    auto* penaltyText = find<QLabel>("xxx");
    EXPECT_EQ(penaltyText->text(), QStringLiteral("-200"));
    penalty->setValue(4);
    EXPECT_EQ(penaltyText->text(), QStringLiteral("-50"));
    EXPECT_EQ(window.game().options.PenaltyValue(), -50);
    penalty->setValue(49);
    EXPECT_EQ(penaltyText->text(), QStringLiteral("-500"));
    ExpectShownWhole(penaltyText);
    EXPECT_EQ(window.game().options.PenaltyValue(), -500);

    auto* speed = find<QSlider>("speed");
    auto* speedText = find<QLabel>("mm");
    EXPECT_EQ(speedText->text(), QStringLiteral("800"));
    speed->setValue(0);
    EXPECT_EQ(speedText->text(), QStringLiteral("1"));
    EXPECT_EQ(window.game().options.DealPause(), 999);
    speed->setValue(999);
    EXPECT_EQ(speedText->text(), QStringLiteral("1000"));
    ExpectShownWhole(speedText);
    EXPECT_EQ(window.game().options.DealPause(), 0);
}

TEST_F(OptionsDialogTest, ChecksAndBackgroundActAtOnceWithoutOk) {
    emit window.optionsRequested();
    find<QCheckBox>("fon")->click();
    EXPECT_FALSE(window.game().Table().Visible(Element::fon));
    find<QCheckBox>("CheckBox1")->click();
    EXPECT_FALSE(window.canvas()->framesShown());
    find<QCheckBox>("darigeba")->click();
    EXPECT_FALSE(window.game().options.autoDeal);
    EXPECT_TRUE(dialog.isVisible());
    find<QCheckBox>("fon")->click();
    EXPECT_TRUE(window.game().Table().Visible(Element::fon));
}

TEST_F(OptionsDialogTest, PenaltySizeIsOpenOnlyUntilTheFirstDealIsOver) {
    emit window.optionsRequested();
    EXPECT_TRUE(find("sss")->isEnabled());
    player.openMatch(QStringLiteral("gio"));
    emit window.optionsRequested();
    EXPECT_TRUE(find("sss")->isEnabled());
    ASSERT_TRUE(player.playUntil([&] { return window.game().State().ascendCount > 1; }, 30'000));
    emit window.optionsRequested();
    EXPECT_FALSE(find("sss")->isEnabled());
}

TEST_F(OptionsDialogTest, OkWithoutAChoiceOnlyHidesTheDialog) {
    const QImage before = window.canvas()->grab().toImage();
    emit window.optionsRequested();
    click("ok");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(window.game().Table().Visible(Element::magida));
    EXPECT_EQ(window.canvas()->grab().toImage(), before);
}

TEST_F(OptionsDialogTest, TheTableChoicesShowAndHideTheTableTop) {
    emit window.optionsRequested();
    click("m2");
    click("ok");
    EXPECT_TRUE(window.game().Table().Visible(Element::magida));
    EXPECT_TRUE(window.game().Table().InFront(Element::magida, Element::fon));
    emit window.optionsRequested();
    click("m1");
    EXPECT_EQ(dialog.chosenTable(), 1);
    click("ok");
    EXPECT_FALSE(window.game().Table().Visible(Element::magida));
}

TEST_F(OptionsDialogTest, OwnTablePictureShowsAboveTheBackgroundWithoutOtherChoices) {
    pickBitmap(kMagenta);
    emit window.optionsRequested();
    click("button2");
    EXPECT_EQ(dialog.chosenTable(), 3);
    EXPECT_FALSE(find("button2")->isVisible());
    click("ok");
    const TableModel& table = window.game().Table();
    EXPECT_TRUE(table.Visible(Element::magida));
    EXPECT_TRUE(table.InFront(Element::magida, Element::fon));
    EXPECT_EQ(tableColourAt(centreOf(Element::magida)), kMagenta);
}

TEST_F(OptionsDialogTest, AMatchStartAppliesTheChoicesAndClosesTheDialog) {
    pickBitmap(kMagenta);
    emit window.optionsRequested();
    click("button");
    EXPECT_EQ(dialog.chosenBack(), 6);
    click("m2");
    player.openMatch(QStringLiteral("gio"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(window.game().Table().Visible(Element::magida));
    EXPECT_TRUE(window.game().Table().InFront(Element::magida, Element::fon));
    // The first back dealt to computer 1 shows the player's picture.
    const Element back = el::Back(1, 1);
    ASSERT_TRUE(player.playUntil([&] { return window.game().Table().Visible(back); }, 10'000));
    const QImage table = window.canvas()->grab().toImage();
    const QRect drawn = window.canvas()->elementRect(back);
    EXPECT_EQ(table.pixelColor(drawn.topLeft() + QPoint(2, 2)), kMagenta);
}

// A refused file leaves the picture and the choice; the cover went when the file was accepted, so
// the empty picture box shows and a click on it opens the file dialog again.
TEST_F(OptionsDialogTest, RefusedOrCancelledFilesLeaveThePictureAndTheChoice) {
    int chooserOpened = 0;
    dialog.setFileChooser([&](QWidget*) {
        ++chooserOpened;
        return nextFile;
    });
    emit window.optionsRequested();
    click("bb2");
    const QImage ownBack = find<PictureBox>("bb6")->picture().toImage();

    nextFile.clear();  // cancelled
    click("button");
    EXPECT_EQ(errorBox(), nullptr);
    EXPECT_EQ(dialog.chosenBack(), 2);
    EXPECT_TRUE(find("button")->isVisible());

    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(&buffer, "BMP"));
    for (const QByteArray& bad :
         {QByteArray(), bitmap.left(bitmap.size() / 2), QByteArray("GIF89a and the rest of a gif"),
          QByteArray(4096, '\xff')}) {
        pickFile(bad);
        click(find("button")->isVisible() ? "button" : "bb6");
        QMessageBox* box = errorBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        delete box;
        EXPECT_EQ(dialog.chosenBack(), 2);
        EXPECT_FALSE(find("button")->isVisible());
        EXPECT_EQ(find<PictureBox>("bb6")->picture().toImage(), ownBack);
    }
    EXPECT_EQ(chooserOpened, 5);
}

// A link to /dev/zero, a named pipe, a folder and a socket, each named like a bitmap: refused with
// the error box as soon as it is picked, without reading (the pipe has no writer, /dev/zero no
// end), and the table picture stays as it was.
TEST_F(OptionsDialogTest, FilesThatAreNoPicturesAreRefusedAtOnce) {
    const QString zero = dir.filePath(QStringLiteral("zero.bmp"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString pipe = dir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = dir.filePath(QStringLiteral("folder.bmp"));
    ASSERT_TRUE(QDir().mkdir(folder));
    QLocalServer socket;
    const QString socketPath = dir.filePath(QStringLiteral("socket.bmp"));
    socket.setSocketOptions(QLocalServer::WorldAccessOption);
    ASSERT_TRUE(socket.listen(socketPath));

    emit window.optionsRequested();
    click("m2");
    for (const QString& path : {zero, pipe, folder, socketPath}) {
        nextFile = path;
        click(find("button2")->isVisible() ? "button2" : "m3");
        QMessageBox* box = errorBox();
        ASSERT_NE(box, nullptr) << path.toStdString();
        EXPECT_TRUE(box->text().startsWith(QFileInfo(path).fileName()))
            << box->text().toStdString();
        delete box;
        EXPECT_EQ(dialog.chosenTable(), 2);
        EXPECT_TRUE(find<PictureBox>("m3")->picture().isNull());
    }
}

// Pictures larger than the screen are kept at the largest size they are drawn at: the table top
// at its place on the table, a card back at the table's card size.
TEST_F(OptionsDialogTest, HugePicturesAreKeptAtTheSizeTheyAreShownAt) {
    emit window.optionsRequested();
    pickBitmap(kMagenta, {2000, 1500});
    click("button2");
    const QSize tableTop = window.canvas()->elementRect(Element::magida).size();
    EXPECT_EQ(find<PictureBox>("m3")->picture().size(), tableTop);
    pickBitmap(kMagenta, {2000, 60});
    click("button");
    const QSize card = window.canvas()->elementRect(Element::b).size();
    EXPECT_EQ(find<PictureBox>("bb6")->picture().size(), QSize(card.width(), 60));
    click("ok");
    EXPECT_EQ(tableColourAt(centreOf(Element::magida)), kMagenta);
}

// One frame marks the picture chosen last, a back or a table picture; it stays through repaints.
TEST_F(OptionsDialogTest, OnlyThePictureChosenLastIsMarked) {
    const QColor grey(128, 128, 128);
    auto marked = [&](const char* name) {
        const QRect r = find(name)->geometry();
        return dialog.grab().toImage().pixelColor(r.left(), r.center().y()) == grey;
    };
    emit window.optionsRequested();
    click("bb2");
    EXPECT_TRUE(marked("bb2"));
    dialog.repaint();
    EXPECT_TRUE(marked("bb2"));
    click("bb3");
    EXPECT_FALSE(marked("bb2"));
    EXPECT_TRUE(marked("bb3"));
    click("m2");
    EXPECT_FALSE(marked("bb3"));
    EXPECT_TRUE(marked("m2"));
    click("bb1");
    EXPECT_FALSE(marked("m2"));
    EXPECT_TRUE(marked("bb1"));
    // A screen reader meets the pictures as radio buttons, the chosen one of each kind checked.
    const auto checked = [&](const char* name) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(find(name));
        return box->role() == QAccessible::RadioButton && box->state().checked;
    };
    EXPECT_TRUE(checked("bb1"));
    EXPECT_FALSE(checked("bb3"));
    EXPECT_TRUE(checked("m2"));
}

// "OK " pressed while the player's picture is still being read applies it once it has been read;
// a click on the picture meanwhile says that it is loading. The one worker that reads pictures is
// held busy until then.
TEST_F(OptionsDialogTest, OkDuringALoadAppliesThePictureOnceItHasLoaded) {
    QThreadPool* workers = QThreadPool::globalInstance();
    const int threads = workers->maxThreadCount();
    workers->setMaxThreadCount(1);
    QSemaphore held;
    workers->start([&held] { held.acquire(); });
    pickBitmap(kMagenta);
    emit window.optionsRequested();
    QTest::mouseClick(find("button2"), Qt::LeftButton);
    ASSERT_TRUE(dialog.loading());
    QTest::mouseClick(find("m3"), Qt::LeftButton);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("სურათი იტვირთება..."));
    QTest::mouseClick(find("ok"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(window.game().Table().Visible(Element::magida));

    held.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.loading(); }, 30'000));
    workers->waitForDone();
    workers->setMaxThreadCount(threads);
    EXPECT_EQ(dialog.chosenTable(), 3);
    EXPECT_TRUE(window.game().Table().Visible(Element::magida));
    EXPECT_EQ(tableColourAt(centreOf(Element::magida)), kMagenta);
}

}  // namespace
}  // namespace zavkari::testing
