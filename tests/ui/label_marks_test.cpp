// The table wipes what its labels drew: a label whose letters run past its box (the italic
// messages and bids, the Georgian letters that reach below the line) leaves no pixel behind when
// it hides, at the small and at the big cards. Looked at on screen, not in a fresh drawing.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "table_window.h"

namespace zavkari::testing {
namespace {

class LabelMarksTest : public ::testing::TestWithParam<TableSize> {
  protected:
    void SetUp() override {
        window.startUp(GetParam());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // The window's pixels around `area` as the screen holds them, after the pending repaints.
    QImage onScreen(const QRect& area) {
        QCoreApplication::processEvents();
        return window.screen()
            ->grabWindow(window.winId(), area.x(), area.y(), area.width(), area.height())
            .toImage();
    }

    TableWindow window{0.002};
};

TEST_P(LabelMarksTest, HiddenLabelsLeaveNoPixelBehind) {
    TableModel& table = window.tableModel();
    // Every letter the Georgian font draws, and the labels' own captions.
    const std::string everyLetter = "abgdevzTiklmnopJrstufqRySCcZwWxjh";
    int overhanging = 0;
    for (Element e = 0; e < el::kCount; ++e) {
        const ControlSpec* c = ControlOf(e);
        if (c == nullptr || c->kind != ControlKind::Label || !TableCanvas::draws(*c)) continue;
        for (const std::string& text : {std::string(c->caption), everyLetter}) {
            if (text.empty()) continue;
            SCOPED_TRACE(ElementName(e) + " showing " + text);
            table.SetCaption(e, text);
            const QRect box = window.canvas()->elementRect(e);
            // A centred label's text may run far past its box on both sides.
            const QRect around = box.adjusted(-500, -40, 500, 40).intersected(window.rect());
            const QImage before = onScreen(around);
            table.Show(e);
            window.canvas()->update();  // the whole table, as a pause repaints it
            const QImage shown = onScreen(around);
            table.Hide(e);
            const QImage after = onScreen(around);
            bool pastTheBox = false;
            int left = 0;
            for (int y = 0; y < before.height(); ++y) {
                for (int x = 0; x < before.width(); ++x) {
                    const bool inBox = box.contains(around.topLeft() + QPoint(x, y));
                    pastTheBox |= !inBox && shown.pixel(x, y) != before.pixel(x, y);
                    left += after.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
                }
            }
            overhanging += pastTheBox ? 1 : 0;
            EXPECT_EQ(left, 0);
        }
    }
    // The italic messages at least draw past their boxes.
    EXPECT_GT(overhanging, 4);
}

INSTANTIATE_TEST_SUITE_P(Screens, LabelMarksTest,
                         ::testing::Values(TableSize{1024, 768, 768}, TableSize{1280, 800, 800},
                                           TableSize{1280, 1024, 1024}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

}  // namespace
}  // namespace zavkari::testing
