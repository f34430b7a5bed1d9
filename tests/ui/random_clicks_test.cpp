// Thousands of clicks anywhere on the window, with either button, while a player plays a match:
// the window takes what the game allows and drops the rest, and the match still reaches its end.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <random>

#include "table_clicker.h"

namespace zavkari::testing {
namespace {

class RandomClicker {
  public:
    RandomClicker(TableWindow& window, std::uint32_t seed) : window_(window), rng_(seed) {}

    // One click with a random button at a random point of a random part of the window. Leaves out
    // "gaTiSva " and the memo's file button, and "dawyeba"/"Tavidan" but for one click in 300.
    void click() {
        const QPoint at = pickPoint();
        QWidget* target = window_.childAt(at);
        if (target == nullptr) target = &window_;
        if (target == window_.control(QStringLiteral("SpeedButton4")) ||
            target == window_.control(QStringLiteral("Button2")))
            return;
        if (target == window_.widgetOf(el::kBbb) && below(300) != 0) return;
        const Qt::MouseButton button = below(3) == 0 ? Qt::RightButton : Qt::LeftButton;
        QTest::mouseClick(target, button, {}, target->mapFrom(&window_, at));
    }

  private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    QPoint inside(const QRect& r) {
        return {r.left() + below(std::max(1, r.width())), r.top() + below(std::max(1, r.height()))};
    }
    QRect windowRect(QWidget* w) const { return QRect(w->mapTo(&window_, QPoint()), w->size()); }

    QPoint pickPoint() {
        const Game& game = window_.game();
        switch (below(6)) {
            case 0: {  // a card of the hand, or where one was
                const CardId c = game.state.humanHand[1 + below(kMaxHand)];
                if (!c.empty()) return inside(window_.canvas()->elementRect(el::CardImage(c)));
                break;
            }
            case 1: {  // an item of a choice group, shown or not
                const Element groups[] = {el::kTkma, el::kKoz, el::kVishi, el::kNije};
                auto* group = static_cast<ChoiceGroup*>(window_.widgetOf(groups[below(4)]));
                if (group->isVisible() && !group->buttons().empty()) {
                    QWidget* b = group->buttons()[static_cast<std::size_t>(
                        below(static_cast<int>(group->buttons().size())))];
                    return windowRect(b).center();
                }
                return windowRect(window_.widgetOf(el::kOK)).center();
            }
            case 2:
                return inside(window_.canvas()->elementRect(el::kB));
            case 3:
                return inside(window_.canvas()->elementRect(el::kCxrili));
            case 4: {  // the menu bar and the drop-down menu
                const char* const names[] = {"SpeedButton1", "Options", "Rule", "Ab", "Qmenu"};
                QWidget* w = window_.control(QString::fromLatin1(names[below(5)]));
                if (w->isVisible()) return inside(windowRect(w));
                break;
            }
            default:
                break;
        }
        return inside(window_.rect());
    }

    TableWindow& window_;
    std::mt19937 rng_;
};

TEST(RandomClicks, StormOfClicksDuringAMatchNeitherCrashesNorStopsIt) {
    TableWindow window{0.002};
    window.startUp({1280, 1024, 1024});
    window.show();
    TableClicker player{window, 29};
    RandomClicker storm{window, 31};
    auto* nameBox = static_cast<QLineEdit*>(window.widgetOf(el::kSaxeli));
    // After a stray "Tavidan" the name entry waits: the player gives his name again.
    auto enterNameIfAsked = [&] {
        if (!nameBox->isVisible()) return;
        player.clickWidget(nameBox);
        QTest::keyClicks(nameBox, QStringLiteral("gio"));
        player.clickWidget(window.widgetOf(el::kBitBtn1));
    };
    player.openMatch(QStringLiteral("gio"));
    for (int i = 0; i < 4000; ++i) {
        storm.click();
        if (i % 4 == 0) {
            enterNameIfAsked();
            if (!window.turns().busy()) player.act();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
    }
    enterNameIfAsked();
    EXPECT_TRUE(window.game().state.sheetActive);
    EXPECT_TRUE(player.playUntil([&] { return player.matchFinished(); }, 120'000));
}

}  // namespace
}  // namespace zavkari::testing
