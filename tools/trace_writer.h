// Writes what happens in a match as JSON Lines, one object per event, for checking the rules from
// outside and for replaying a deal that went wrong.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

#include "game.h"
#include "match_runner.h"

namespace zavkari {

class TraceWriter final : public MatchObserver {
  public:
    TraceWriter(std::ostream& out, const Game& game) : out_(out), game_(game) {}

    void WriteMatch(const MatchConfig& config);
    void WriteEnd(bool finished, int deals);

    void OnDraw(int seat, CardId card) override;
    void OnColumns() override;
    void OnDealSettled() override;
    void OnBid(int seat, int bid, std::optional<int> computed) override;
    void OnBidRefused(int bid) override;
    void OnPlay(int trick, int seat, CardId card, int strength, Declaration declaration,
                int named) override;
    void OnTrick(int trick, int winner, int leader) override;
    void OnRenege(int code) override;
    void OnScore(int deal, int row) override;
    void OnPool(int pool) override;

  private:
    std::ostream& out_;
    const Game& game_;
};

// Whether a text can go into the trace: JSON text is UTF-8, and the writer refuses anything else.
bool IsUtf8(std::string_view text);

}  // namespace zavkari
