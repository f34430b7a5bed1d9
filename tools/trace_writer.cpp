#include "trace_writer.h"

#include <nlohmann/json.hpp>
#include <string>

namespace zavkari {
namespace {

// Fields keep the order they are added in, so every line reads "event" first.
using Event = nlohmann::ordered_json;

Event Card(CardId c) {
    return Event::array({c.suit, c.rank});
}

Event Card(const CardRecord& c) {
    return Card(CardId{c.suit, c.rank});
}

// One line of the trace: compact, and texts other than ASCII written as their UTF-8 bytes rather
// than as \u escapes.
void WriteLine(std::ostream& out, const Event& event) {
    constexpr bool kEnsureAscii = false;
    out << event.dump(-1, ' ', kEnsureAscii) << '\n';
}

Event Caption(const Game& game, Element element) {
    return std::string(game.Table().Caption(element));
}

}  // namespace

bool IsUtf8(std::string_view text) {
    // The writer's own check: it throws on a text that is not UTF-8.
    try {
        Event(std::string(text)).dump();
        return true;
    } catch (const Event::type_error&) {
        return false;
    }
}

void TraceWriter::WriteMatch(const MatchConfig& config) {
    const std::string_view policy = PolicyName(config.policy);
    Event match = {{"event", "match"},
                   {"seed", config.seed},
                   {"human", policy},
                   {"penalty", PenaltyOfSlider(config.penaltySlider)}};
    // Who sits where, written only when the computer seats are not the described players.
    if (config.computers != PlayerKind::Rules) {
        const std::string_view computers = ComputersName(config.computers);
        match["players"] = {computers, computers, computers, policy};
    }
    WriteLine(out_, match);
}

void TraceWriter::WriteEnd(bool finished, int deals) {
    WriteLine(out_, {{"event", "end"}, {"finished", finished}, {"deals", deals}});
}

void TraceWriter::OnDraw(int seat, CardId card) {
    WriteLine(out_, {{"event", "draw"}, {"seat", seat}, {"card", Card(card)}});
}

void TraceWriter::OnColumns() {
    Event columns = Event::array(), names = Event::array();
    for (int seat = 1; seat <= 4; ++seat)
        columns.push_back(game_.State().sheetColumn[seat]);
    for (int column = 1; column <= 4; ++column)
        names.push_back(Caption(game_, el::Name(column)));
    WriteLine(out_, {{"event", "columns"}, {"columns", columns}, {"names", names}});
}

void TraceWriter::OnDealSettled() {
    const GameState& s = game_.State();
    const int n = s.dealSize;
    Event hands = Event::array();
    for (int seat = 1; seat <= 4; ++seat) {
        Event hand = Event::array();
        for (int slot = 1; slot <= n; ++slot) {
            hand.push_back(seat == kHumanSeat ? Card(s.humanHand[slot])
                                              : Card(s.computerHand[seat][slot]));
        }
        hands.push_back(std::move(hand));
    }
    WriteLine(out_, {{"event", "deal"},
                     {"deal", game_.CurrentRow()},
                     {"size", n},
                     {"dealer", s.dealer},
                     {"turned", n == 9 ? Event(nullptr) : Card(s.drawnCard)},
                     {"trump", s.trump},
                     {"hands", hands}});
}

void TraceWriter::OnBid(int seat, int bid, std::optional<int> computed) {
    Event event = {{"event", "bid"}, {"seat", seat}, {"bid", bid}};
    if (computed) event["computed"] = *computed;
    WriteLine(out_, event);
}

void TraceWriter::OnBidRefused(int bid) {
    WriteLine(out_, {{"event", "refused"}, {"bid", bid}});
}

void TraceWriter::OnPlay(int trick, int seat, CardId card, int strength, Declaration declaration,
                         int named) {
    Event event = {{"event", "play"},
                   {"trick", trick},
                   {"seat", seat},
                   {"card", Card(card)},
                   {"strength", strength}};
    if (declaration != Declaration::None) {
        event["declaration"] = declaration == Declaration::ViSi ? "viSi" : "waiRos";
        event["named"] = named;
    }
    WriteLine(out_, event);
}

void TraceWriter::OnTrick(int trick, int winner, int leader) {
    WriteLine(out_, {{"event", "trick"}, {"trick", trick}, {"winner", winner}, {"leader", leader}});
}

void TraceWriter::OnRenege(int code) {
    WriteLine(out_, {{"event", "renege"}, {"code", code}});
}

void TraceWriter::OnScore(int deal, int row) {
    Event cells = Event::array();
    for (int column = 1; column <= 4; ++column) {
        cells.push_back(Event::array({Caption(game_, el::BidCell(column, row)),
                                      Caption(game_, el::ScoreCell(column, row))}));
    }
    WriteLine(out_, {{"event", "score"}, {"deal", deal}, {"row", row}, {"cells", cells}});
}

void TraceWriter::OnPool(int pool) {
    Event totals = Event::array();
    for (int column = 1; column <= 4; ++column)
        totals.push_back(Caption(game_, el::TotalCell(column, pool)));
    WriteLine(out_, {{"event", "pool"}, {"pool", pool}, {"totals", totals}});
}

}  // namespace zavkari
