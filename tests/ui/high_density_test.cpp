// The table on a screen of more than one pixel to the point (ctest runs these again with
// QT_SCALE_FACTOR 1.25, 1.5 and 2): the trump's name whole in its box, the cards, the backs and
// the score sheet drawn from pictures at least as fine as the screen shows them, and its penalty
// marks clear of its rules.
#include <gtest/gtest.h>

#include <QLabel>
#include <QtMath>

#include "control_look.h"
#include "pictures.h"
#include "score_sheet_ruling.h"
#include "table_window.h"
#include "test_game.h"

namespace zavkari::testing {
namespace {

QSize DevicePixels(QSize size, qreal ratio) {
    return {qCeil(size.width() * ratio), qCeil(size.height() * ratio)};
}

class HighDensityTest : public ::testing::TestWithParam<TableSize> {
  protected:
    void SetUp() override {
        window.startUp(GetParam());
        window.show();
    }
    qreal ratio() const { return window.devicePixelRatioF(); }

    // The test changes the table itself, as a step of the window's own game does.
    void change(const std::function<void(TableModel&)>& edit) {
        window.turns().run([&] { edit(TestGame::TableOf(const_cast<Game&>(window.game()))); });
    }

    TableWindow window{0.002};
};

// Whether the row of the window's picture shows white within the label.
bool WhiteInRow(const QImage& shot, const QRect& label, int y) {
    for (int x = label.left(); x <= label.right(); ++x) {
        const QColor p = shot.pixelColor(x, y);
        if (p.red() > 200 && p.green() > 200 && p.blue() > 200) return true;
    }
    return false;
}

TEST_P(HighDensityTest, EveryTrumpsNameIsShownWhole) {
    auto* kkk = qobject_cast<QLabel*>(window.widgetOf(Element::kkk));
    ASSERT_NE(kkk, nullptr);
    change([](TableModel& table) {
        table.Show(Element::Box1);
        table.Show(Element::kkk);
        table.SetColour(Element::kkk, FontColour::White);
    });
    for (const char* trump : {"bezi", "aguri", "guli", "jvari", "yvavi"}) {
        SCOPED_TRACE(trump);
        change([trump](TableModel& table) { table.SetCaption(Element::kkk, trump); });
        const QRect label(kkk->mapTo(&window, QPoint(0, 0)), kkk->size());
        const QRect shown(label.topLeft() * ratio(), DevicePixels(label.size(), ratio()));
        const QImage shot = window.grab().toImage();
        // Letters cut by the label's edges would run into its first or last row.
        EXPECT_TRUE(WhiteInRow(shot, shown, shown.center().y()));
        EXPECT_FALSE(WhiteInRow(shot, shown, shown.top()));
        EXPECT_FALSE(WhiteInRow(shot, shown, shown.bottom()));
    }
}

// Each picture is drawn from one at least as large as its box in device pixels, and the larger
// set is read only where the design's pictures are too small.
TEST_P(HighDensityTest, CardsBacksAndTheSheetAreDrawnFromPicturesAsFineAsTheScreen) {
    // Places whose corners fall on whole device pixels at every scale tried.
    const Element face = el::Face(kAguri, kKing);
    change([face](TableModel& table) {
        table.Move(face, 20, 40);
        table.Show(face);
        table.Move(el::Back(1, 1), 140, 40);
        table.Show(el::Back(1, 1));
        table.Move(Element::cxrili, 400, 200);
        table.Show(Element::cxrili);
    });
    for (Element e : {face, el::Back(1, 1), Element::cxrili}) {
        const ControlSpec& c = *ControlOf(e);
        const QString name = QString::fromUtf8(c.picture);
        SCOPED_TRACE(name.toStdString());
        change([e](TableModel& table) { table.BringToFront(e); });
        const QRect box = window.canvas()->elementRect(e);
        const QSize pixels = DevicePixels(box.size(), ratio());
        const QPixmap source = pictures::pixmapFor(name, box.size(), ratio());
        const QSize design = pictures::image(name).size();
        EXPECT_GE(source.width(), pixels.width());
        EXPECT_GE(source.height(), pixels.height());
        // One drawn for the box itself, or the design's own where that is large enough.
        if (source.size() != pixels && design.width() >= pixels.width() &&
            design.height() >= pixels.height()) {
            EXPECT_EQ(source.size(), design);
        }

        const QImage expected =
            source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).toImage();
        // The box's last device pixel may be a fraction of one.
        const QImage drawn = window.canvas()->grab(box).toImage();
        ASSERT_GE(drawn.width(), pixels.width() - 1);
        ASSERT_GE(drawn.height(), pixels.height() - 1);
        int compared = 0;
        for (int y = 0; y < drawn.height(); y += 5) {
            for (int x = 0; x < drawn.width(); x += 5) {
                const QColor want = expected.pixelColor(x, y);
                // The sheet's white and the cards' rounded corners let the table show through.
                if (want.alpha() != 255 || (c.clearWhite && want == Qt::white)) continue;
                EXPECT_EQ(drawn.pixelColor(x, y).rgb(), want.rgb()) << x << "," << y;
                ++compared;
            }
        }
        EXPECT_GT(compared, 100);
    }
}

// A penalty mark "I-----I" in any column keeps two points of the plain panel between its letters
// and its column's right rule, which is drawn on whole pixels: the mark is drawn narrower if need
// be, and the sheet for the box it is shown in.
TEST_P(HighDensityTest, PenaltyMarksKeepClearOfTheSheetsRules) {
    change([](TableModel& table) {
        table.Show(Element::cxrili);
        for (int column = 1; column <= 4; ++column) {
            table.SetCaption(el::ScoreCell(column, 1), std::string(kPenaltyMark));
            table.Show(el::ScoreCell(column, 1));
        }
    });
    // The panel behind the sheet is painted while a match is under way.
    window.turns().run(
        [&] { TestGame::StateOf(const_cast<Game&>(window.game())).sheetActive = true; });
    const QImage shot = window.canvas()->grab().toImage();
    const int sheetLeft = window.canvas()->elementRect(Element::cxrili).left();
    const QColor panel(128, 64, 0);
    for (int column = 1; column <= 4; ++column) {
        const int rule = sheetLeft + sheet::Scaled(sheet::kColumnRules[column], kSheetWidth,
                                                   sheet::kPictureWidth);
        const QRect mark = window.canvas()->elementRect(el::ScoreCell(column, 1));
        for (int y = qCeil(mark.top() * ratio()); y < qFloor((mark.bottom() + 1) * ratio()); ++y)
            for (int x = qCeil((rule - 2) * ratio()); x < qFloor(rule * ratio()); ++x)
                EXPECT_EQ(shot.pixelColor(x, y), panel) << column << ": " << x << "," << y;
        // At one and two pixels to the point, down the next row: the panel, the rule one point
        // thick in the ruling's grey, the panel.
        const int k = static_cast<int>(ratio());
        if (k != ratio() || k > 2) continue;
        for (int x = rule * k - 1, y = (mark.bottom() + 2) * k; x <= (rule + 1) * k; ++x) {
            const bool onRule = x >= rule * k && x < (rule + 1) * k;
            EXPECT_EQ(shot.pixelColor(x, y), onRule ? QColor(128, 128, 128) : panel) << x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, HighDensityTest,
                         ::testing::Values(TableSize{1024, 768, 768}, TableSize{1280, 1024, 1024}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

}  // namespace
}  // namespace zavkari::testing
