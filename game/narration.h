// What a screen reader announces as the match goes on, each once, in the game's Latin-lettered
// Georgian: a deal's cards, dealer and trump, every bid ("zurala: 2") and every card played with
// its player ("valtiko: gulis tuzi"), a wild card's declaration with its named suit, who took each
// trick, the deal's scores, a renege, the pool totals and the match's end; and, asked by the
// window once a step has returned, what the human is asked to do.
#pragma once

#include <functional>
#include <string>

#include "game.h"

namespace zavkari {

class Narration : public MatchObserver {
  public:
    using Say = std::function<void(const std::string& words)>;
    Narration(const Game& game, Say say) : game_(game), say_(std::move(say)) {}

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
    // "name value, name value ..." over the sheet's columns, a cell of each from `cellOf`.
    std::string Columns(Element (*cellOf)(int column, int at), int at) const;

    const Game& game_;
    Say say_;
};

// What the human is asked, as a question; empty for nothing.
std::string QuestionWords(Asked asked);

// The hint in words: "rCeva: " and the card (with how a wild card is played), the bid, the trump
// or the named suit the strong players would choose.
std::string AdviceWords(const Advice& advice);

}  // namespace zavkari
