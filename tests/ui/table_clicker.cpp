#include "table_clicker.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <vector>

namespace zavkari::testing {

int TableClicker::pick(int count) {
    return random_.Below(count);
}

void TableClicker::clickWidget(QWidget* widget) {
    // The middle of the widget, as a person aims: a choice takes a click anywhere in its row.
    const QPoint at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void TableClicker::clickTable(QPoint at, Qt::MouseButton button) {
    QTest::mouseClick(window_.canvas(), button, {}, at);
}

QPoint TableClicker::centreOf(Element e) const {
    return window_.canvas()->elementRect(e).center();
}

void TableClicker::openMatch(const QString& name) {
    clickWidget(window_.control(WindowControl::SpeedButton1));
    clickWidget(window_.widgetOf(Element::bbb));
    auto* box = static_cast<QLineEdit*>(window_.widgetOf(Element::saxeli));
    clickWidget(box);
    QTest::keyClicks(box, name);
    clickWidget(window_.widgetOf(Element::BitBtn1));
}

bool TableClicker::matchFinished() const {
    return window_.game().MatchFinished();
}

std::string TableClicker::describe() const {
    const Game& game = window_.game();
    const GameState& s = game.State();
    std::string text = "deal of " + std::to_string(s.dealSize) + " cards, dealer " +
                       std::to_string(s.dealer) + ", trick stage " + std::to_string(s.trickStage);
    for (Element e : {Element::koz, Element::tkma, Element::OK, Element::ara, Element::m_u,
                      Element::kl, Element::vishi, Element::nije, Element::b, Element::saxeli}) {
        if (game.Table().Visible(e)) text += ", " + ElementName(e) + " shown";
    }
    text += ", asked " + std::to_string(static_cast<int>(game.HumanAsked()));
    const RadioGroup& bids = game.Table().Group(Element::tkma);
    text += ", bid list of " + std::to_string(bids.items.size()) + " with " +
            std::to_string(bids.selected) + " chosen, forbidden " + std::to_string(s.forbiddenBid);
    const QWidget* list = window_.widgetOf(Element::tkma);
    if (!list->isVisible() || !list->isEnabled()) text += ", bid list widget not usable";
    if (window_.turns().busy()) text += ", busy";
    for (TimerId id : timer::All()) {
        if (game.TimerEnabled(id)) text += ", timer " + TimerName(id);
    }
    return text;
}

void TableClicker::declare() {
    auto& group = *static_cast<ChoiceGroup*>(window_.widgetOf(Element::koz));
    clickWidget(group.buttons()[static_cast<std::size_t>(pick(5))]);
}

void TableClicker::bid() {
    const Game& game = window_.game();
    auto& group = *static_cast<ChoiceGroup*>(window_.widgetOf(Element::tkma));
    const int items = static_cast<int>(group.buttons().size());
    // After a refusal ("ar SeiZleba!!! ") the next item up is allowed.
    const int choice = game.Table().Visible(Element::ara)
                           ? (game.Table().Group(Element::tkma).selected + 1) % items
                           : pick(items);
    clickWidget(group.buttons()[static_cast<std::size_t>(choice)]);
    clickWidget(window_.widgetOf(Element::OK));
}

void TableClicker::nameSuit(Element group) {
    auto& choice = *static_cast<ChoiceGroup*>(window_.widgetOf(group));
    clickWidget(choice.buttons()[static_cast<std::size_t>(pick(4))]);
}

bool TableClicker::playCard() {
    const Game& game = window_.game();
    std::vector<CardId> legal;
    for (int slot = 1; slot <= game.State().dealSize; ++slot) {
        const CardId c = game.State().humanHand[slot];
        if (!c.empty() && (game.HumanLeads() || !game.WouldRenege(c))) legal.push_back(c);
    }
    if (legal.empty()) return false;
    const CardId card = legal[static_cast<std::size_t>(pick(static_cast<int>(legal.size())))];
    const bool wild = IsWildCard(card.suit, card.rank);
    clickTable(centreOf(el::Face(card.suit, card.rank)),
               wild && pick(2) == 0 ? Qt::RightButton : Qt::LeftButton);
    return true;
}

bool TableClicker::act() {
    switch (window_.game().HumanAsked()) {
        case Asked::Trump:
            declare();
            return true;
        case Asked::Bid:
            bid();
            return true;
        case Asked::ViSiSuit:
            nameSuit(Element::vishi);
            return true;
        case Asked::WaiRosSuit:
            nameSuit(Element::nije);
            return true;
        case Asked::Card:
            return playCard();
        case Asked::Deck:
            clickTable(centreOf(Element::b));
            return true;
        default:  // the name is openMatch's
            return false;
    }
}

bool TableClicker::playUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        // The window's events run after every move too, so that a move the game does not take
        // cannot hold the timers up.
        if (!window_.turns().busy()) act();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return done();
}

}  // namespace zavkari::testing
