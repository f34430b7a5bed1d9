#include "game_snapshot.h"

#include <sstream>

namespace zavkari::testing {

std::string Snapshot(const Game& game) {
    std::ostringstream out;
    const TableModel& t = game.Table();
    for (Element e : el::All()) {
        const ElementState& s = t[e];
        out << ElementName(e) << ':' << t.Visible(e) << s.enabled << '"' << s.caption << '"'
            << s.left << ',' << s.top << ',' << s.width << ',' << s.height << ',' << s.z << ' ';
    }
    for (Element group : el::kChoiceGroups)
        out << '|' << t.Group(group).selected << '/' << t.Group(group).items.size();
    for (TimerId id : timer::All())
        out << (game.TimerEnabled(id) ? 'T' : '.');
    const GameState& s = game.State();
    out << "|hand";
    for (CardId c : s.humanHand)
        out << ' ' << c.suit << '/' << c.rank;
    out << "|played";
    for (CardId c : s.playedCard)
        out << ' ' << c.suit << '/' << c.rank;
    for (int count : s.computerCardCount)
        out << ' ' << count;
    out << '|' << s.humanHasPlayed << s.trumpChosen << s.sheetActive << s.matchOver << ' '
        << s.humanBid << ' ' << s.openingOrder << ' ' << s.nextOrder << ' ' << s.trickStage << ' '
        << s.dealSize << ' ' << s.ascendCount << ' ' << s.descendCount << ' ' << s.nineIndex << ' '
        << game.CurrentTrick() << ' ' << game.HumanName();
    return out.str();
}

}  // namespace zavkari::testing
