// The player's own card back picked through the real file chooser, as on the desktop: ctest runs
// this off screen and again on a Wayland compositor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "options_dialog.h"
#include "picture_box.h"
#include "table_window.h"

namespace zavkari::testing {
namespace {

TEST(FileChooser, ThePlayersOwnBackIsPickedThroughTheRealChooser) {
    TableWindow window{0.002};
    window.startUp({1280, 1024, 1024});
    window.show();
    OptionsDialog dialog{window.game().options, &window};
    dialog.showOptions(true);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own.bmp"));
    QImage own(16, 24, QImage::Format_RGB32);
    own.fill(Qt::magenta);
    ASSERT_TRUE(own.save(path, "BMP"));

    // The chooser runs its own event loop: it is answered from a timer once it is up, and again
    // until it has closed (its "Open" button is enabled only once the chooser has seen the file).
    QString title;
    QStringList filters;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (chooser == nullptr || !chooser->isVisible()) return;
        title = chooser->windowTitle();
        filters = chooser->nameFilters();
        // Typed as a player would: the chooser's list may not have read the folder yet.
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    answer.start(100);
    QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("button")), Qt::LeftButton);
    answer.stop();

    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.loading(); }, 30'000));
    EXPECT_EQ(title, QStringLiteral("Please select picture"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("Bitmaps (*.bmp)")});
    EXPECT_EQ(dialog.chosenBack(), 6);
    const QImage shown = dialog.findChild<PictureBox*>(QStringLiteral("bb6"))->picture().toImage();
    EXPECT_EQ(shown.pixelColor(8, 12), QColor(Qt::magenta));
}

}  // namespace
}  // namespace zavkari::testing
