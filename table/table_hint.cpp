// The strong players' engine beside the table: the hint answers what the human is asked and marks
// the answer where the keys would mark it, unless the question has passed by the time it comes;
// and a strong computer's next decision is worked out ahead, as soon as it is settled.
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "canvas_accessible.h"
#include "choice_group.h"
#include "georgian_text.h"
#include "narration.h"
#include "table_window.h"

namespace zavkari {

void TableWindow::showHint() {
    const std::optional<HumanQuestion> question = game_.HumanQuestionNow();
    if (!question || hintUnderWay_) return;
    hintUnderWay_ = true;
    const HumanMoment askedAt = moment();
    auto* answer = new QFutureWatcher<Advice>(this);
    connect(answer, &QFutureWatcher<Advice>::finished, this, [this, answer, askedAt] {
        hintUnderWay_ = false;
        answer->deleteLater();
        if (moment() == askedAt) markAdvice(answer->result());
    });
    answer->setFuture(QtConcurrent::run([asked = *question] { return Advise(asked); }));
}

void TableWindow::markAdvice(const Advice& advice) {
    const auto markItem = [this](Element group, int item) {
        groups_[el::GroupIndex(group)]->setHighlighted(item);
    };
    switch (advice.asked) {
        case Asked::Card: {
            const std::vector<Element> hand = game_.HandInPlace();
            const auto at = std::find(hand.begin(), hand.end(), el::CardImage(advice.card.card));
            if (at != hand.end()) markCard(static_cast<int>(at - hand.begin()));
            break;
        }
        case Asked::Bid:
            markItem(Element::tkma, advice.item);
            break;
        case Asked::Trump:
            markItem(Element::koz, advice.item);
            break;
        case Asked::ViSiSuit:
            markItem(Element::vishi, advice.item - 1);
            break;
        case Asked::WaiRosSuit:
            markItem(Element::nije, advice.item - 1);
            break;
        default:
            return;
    }
    // How a wild card is to be played is not seen on the mark: the hint says it, and its button
    // shows it while the pointer rests on it.
    const std::string words = AdviceWords(advice);
    control(WindowControl::rCeva)->setToolTip(toGeorgian(QString::fromStdString(words)));
    announce(words);
}

void TableWindow::thinkAhead() {
    std::optional<Foresight> next = game_.NextStrongDecision();
    if (!next) return;
    // The game outlives the pool, which waits for the last search before it goes.
    foresight_.start([this, foresight = std::move(*next)] { game_.Foresee(foresight); });
}

}  // namespace zavkari
