// The strong computer players. They decide by search over the deals that agree with what the seat
// has seen: the unseen cards are dealt at random to the other seats, keeping to the suits a seat
// has shown it lacks, and each possible bid, declaration or card is played out on every such deal,
// the others playing as the seat expects them to; the choice with the best average score for the
// seat is taken. Few tricks before the end, the seat's own remaining play is searched exhaustively.
// A decision depends only on the view and the match's seed, so that the same view always gives the
// same decision, on any thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <future>
#include <mutex>
#include <unordered_map>

#include "player.h"

namespace zavkari {

// A decision a strong computer will be asked for, taken before it is due: the bid or the card, and
// a copy of what its seat will know then.
struct Foresight {
    enum class Question { Bid, Card } question = Question::Card;
    KeptView kept;
    std::uint64_t seed = 0;  // the strong players' seed of the match
};

class StrongPlayer final : public Player {
  public:
    // The seed of the match, drawn from the game's random source when the match opens. The
    // answers foreseen in another match are forgotten.
    void SetSeed(std::uint64_t seed);
    std::uint64_t Seed() const { return seed_; }

    int Bid(const SeatView& view) override;
    int Trump(const SeatView& view) override;
    CardDecision Card(const SeatView& view) override;
    // The suit to name for the wild card `wild` that the seat leads under `declaration`.
    int NamedSuit(const SeatView& view, CardId wild, Declaration declaration) const;

    // Works out the answer to `foresight` and keeps it for when the decision is due, which then
    // takes it, or waits for it if it is still being worked out. Safe on any thread; a decision
    // already foreseen is not worked out again.
    void Foresee(const Foresight& foresight) const;
    // Whether the answer to `question` from `view` has been foreseen and worked out.
    bool HasForeseen(const SeatView& view, Foresight::Question question) const;
    // How many decisions were taken from what had been foreseen.
    int AnswersForeseen() const { return answersForeseen_; }

  private:
    struct Answer {
        int bid = 0;
        CardDecision card;
    };
    // The answer foreseen for `key`, when there is one.
    std::shared_future<Answer> Foreseen(std::uint64_t key) const;
    static int DecideBid(const SeatView& view, std::uint64_t seed);
    static CardDecision DecideCard(const SeatView& view, std::uint64_t seed);

    std::atomic<std::uint64_t> seed_ = 0;
    mutable std::mutex foresightLock_;
    mutable std::unordered_map<std::uint64_t, std::shared_future<Answer>> foreseen_;
    std::atomic<int> answersForeseen_ = 0;
};

}  // namespace zavkari
