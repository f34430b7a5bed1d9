// The table window laid out for three screens: the widgets stand where the layout put the elements
// in the model, the table draws its pictures and labels there too and wipes them whole, and the
// debug memo with its two buttons keeps its design place above the table.
#include <gtest/gtest.h>

#include <QPainter>
#include <QScreen>
#include <QTest>

#include "pictures.h"
#include "table_clicker.h"
#include "test_game.h"

namespace zavkari::testing {
namespace {

QRect ModelRect(const TableModel& t, Element e) {
    return {t[e].left, t[e].top, t[e].width, t[e].height};
}

class WindowLayoutTest : public ::testing::TestWithParam<TableSize> {
  protected:
    void SetUp() override {
        window.startUp(GetParam());
        window.show();
    }

    TableWindow window{0.002};
};

TEST_P(WindowLayoutTest, WindowedControlsStandWhereTheModelPutsThem) {
    const TableModel& t = window.game().Table();
    for (Element e : {Element::tkma, Element::OK, Element::koz, Element::vishi, Element::nije,
                      Element::Box1, Element::saxeli, Element::BitBtn1, Element::reklama}) {
        SCOPED_TRACE(ElementName(e));
        ASSERT_NE(window.widgetOf(e), nullptr);
        EXPECT_EQ(window.widgetOf(e)->geometry(), ModelRect(t, e));
    }
    // The trump's label holds its box and grows about its middle where the font needs more.
    const QRect trump = window.widgetOf(Element::kkk)->geometry();
    EXPECT_TRUE(trump.contains(ModelRect(t, Element::kkk)));
    EXPECT_LE(std::abs(trump.center().y() - ModelRect(t, Element::kkk).center().y()), 1);
    EXPECT_EQ(window.canvas()->geometry(), QRect(0, 0, GetParam().width, GetParam().height));
}

TEST_P(WindowLayoutTest, TableDrawsEveryPictureAndLabelAtTheModelsPlace) {
    const TableModel& t = window.game().Table();
    int checked = 0;
    for (Element e : el::All()) {
        const ControlSpec* c = ControlOf(e);
        if (c == nullptr || !TableCanvas::draws(*c) || e == Element::fon) continue;
        SCOPED_TRACE(ElementName(e));
        const QRect drawn = window.canvas()->elementRect(e);
        // A label that sizes itself to its text starts where the model puts it.
        if (c->autoSize) {
            EXPECT_EQ(drawn.top(), t[e].top);
            if (c->align == TextAlign::Left) {
                EXPECT_EQ(drawn.left(), t[e].left);
            }
        } else {
            EXPECT_EQ(drawn, ModelRect(t, e));
        }
        ++checked;
    }
    // The faces, the backs, the spots, the deck, the sheet and its labels at least.
    EXPECT_GT(checked, 36 + 27 + 4 + 1 + 1 + 4 + 24 + 2 * 96 + 16);
}

// A label whose letters run past its box (the italic messages and bids, the Georgian letters that
// reach below the line) leaves no pixel behind when it hides: looked at on screen after a repaint
// of the whole table, not in a fresh drawing.
TEST_P(WindowLayoutTest, HiddenLabelsLeaveNoPixelBehind) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto onScreen = [this](const QRect& area) {
        QCoreApplication::processEvents();
        return window.screen()
            ->grabWindow(window.winId(), area.x(), area.y(), area.width(), area.height())
            .toImage();
    };
    // Wayland shows no program what is on the screen.
    if (onScreen(window.rect()).isNull()) GTEST_SKIP() << "the screen cannot be read back here";
    // The test changes the table itself, as a step of the window's own game does.
    auto change = [this](const std::function<void(TableModel&)>& edit) {
        window.turns().run([&] { edit(TestGame::TableOf(const_cast<Game&>(window.game()))); });
    };
    int overhanging = 0;
    for (Element e : el::All()) {
        const ControlSpec* c = ControlOf(e);
        if (c == nullptr || c->kind != ControlKind::Label || !TableCanvas::draws(*c)) continue;
        // The label's own caption, and every letter the Georgian font draws.
        for (const std::string& text :
             {std::string(c->caption), std::string("abgdevzTiklmnopJrstufqRySCcZwWxjh")}) {
            if (text.empty()) continue;
            SCOPED_TRACE(ElementName(e) + " showing " + text);
            change([&](TableModel& table) { table.SetCaption(e, text); });
            const QRect box = window.canvas()->elementRect(e);
            // A centred label's text may run far past its box on both sides.
            const QRect around = box.adjusted(-500, -40, 500, 40).intersected(window.rect());
            const QImage before = onScreen(around);
            change([&](TableModel& table) { table.Show(e); });
            window.canvas()->update();
            const QImage shown = onScreen(around);
            change([&](TableModel& table) { table.Hide(e); });
            EXPECT_EQ(onScreen(around), before);
            // Drawn outside its box: what is shown differs from before even with the box undone.
            QImage blanked = shown;
            QPainter(&blanked).drawImage(box.topLeft() - around.topLeft(),
                                         before.copy(box.translated(-around.topLeft())));
            overhanging += blanked != before ? 1 : 0;
        }
    }
    EXPECT_GT(overhanging, 4);  // the italic messages at least
}

TEST_P(WindowLayoutTest, DebugMemoAndItsButtonsKeepTheirDesignPlaceAboveTheTable) {
    const std::pair<WindowControl, QRect> design[] = {{WindowControl::me, {608, 200, 257, 177}},
                                                      {WindowControl::Button1, {632, 168, 153, 25}},
                                                      {WindowControl::Button2, {848, 360, 17, 17}}};
    for (const auto& [control, place] : design) {
        SCOPED_TRACE(static_cast<int>(control));
        QWidget* w = window.control(control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), place);
        EXPECT_TRUE(w->isVisible());
        QWidget* hit = window.childAt(place.center());
        EXPECT_TRUE(hit == w || w->isAncestorOf(hit));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowLayoutTest,
                         ::testing::Values(TableSize{1024, 768, 768}, TableSize{1280, 1024, 1024},
                                           TableSize{1280, 800, 800}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

// A dealt card of the human's hand is drawn with its picture at its place.
TEST(WindowLayout, HandCardIsDrawnWithItsPicture) {
    TableWindow window{0.002};
    window.startUp({1280, 1024, 1024});
    window.show();
    TableClicker player{window, 3};
    player.openMatch(QStringLiteral("gio"));
    const Game& game = window.game();
    // The hand uncovered, the human to play.
    ASSERT_TRUE(player.playUntil(
        [&] { return game.HumanAsked() == Asked::Card && !window.turns().busy(); }, 20'000));
    Element face = Element::no;
    for (int slot = game.State().dealSize; slot >= 1; --slot) {
        if (!game.State().humanHand[slot].empty())
            face = el::CardImage(game.State().humanHand[slot]);
    }
    ASSERT_TRUE(game.Table().Visible(face));
    const QRect box = window.canvas()->elementRect(face);
    const QImage drawn = window.canvas()->grab(box).toImage();
    const QImage expected = pictures::pixmap(QString::fromUtf8(ControlOf(face)->picture))
                                .scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .toImage();
    // Only the part of the card no other picture covers can be compared, inside the keys' mark
    // along its edges.
    int compared = 0;
    for (int y = 3; y < box.height() - 3; y += 7) {
        for (int x = 3; x < box.width() - 3; x += 7) {
            const ControlSpec* top = window.canvas()->controlAt(box.topLeft() + QPoint(x, y));
            // Where the card lets the table show through, the drawing is not the picture's.
            if (top == nullptr || top->element != face || expected.pixelColor(x, y).alpha() != 255)
                continue;
            EXPECT_EQ(drawn.pixelColor(x, y).rgb(), expected.pixelColor(x, y).rgb())
                << x << "," << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace zavkari::testing
