// The game's one pseudo-random source. The rules ask it for Random(N) and reseed it from the clock
// at fixed points; the program reads the time of day, the tests and the match runner a clock of
// their own, so that a seeded match is repeatable.
#pragma once

#include <cstdint>
#include <functional>

#include "cards.h"

namespace zavkari {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // An integer from 0 to n - 1 (n >= 1).
    virtual int Random(int n) = 0;
    // Seeds the generator from the clock at millisecond resolution.
    virtual void Reseed() = 0;
    // A candidate card for the draws: suit := Random(5) drawn again while it is 0, then
    // rank := Random(10) drawn again while it is 0, so that each of the 36 cards is equally likely.
    // A generator may draw the card more directly, as long as every card stays equally likely.
    virtual CardId RandomCard();
};

// SplitMix64 (Steele, Lea and Flood): a counter stepped by the golden ratio, whose every value is
// mixed. It seeds the game's generator, and it is the quick random choice of the players that the
// match runner and the tests put at the table.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A number from 0 to n - 1 (n >= 1).
    int Below(int n) {
        return static_cast<int>(((Next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

  private:
    std::uint64_t state_;
};

// A small, fast generator whose reseed reads a clock given in milliseconds and mixes it with a
// fixed seed. Two reseeds at the same clock reading restart the same sequence, as two reseeds
// from the time of day within one millisecond do.
class ClockSeededRandom final : public RandomSource {
  public:
    using Clock = std::function<std::int64_t()>;

    ClockSeededRandom(std::uint64_t seed, Clock clockMs);

    int Random(int n) override;
    void Reseed() override;
    // One draw of the 36 cards instead of the two rejection loops, every card as likely. Seeded
    // matches (the match runner's traces, the tests) are defined by these draws.
    CardId RandomCard() override;

    // Milliseconds since midnight, local time: the program's clock.
    static std::int64_t TimeOfDayMs();

  private:
    std::uint64_t seed_;
    Clock clockMs_;
    std::uint64_t state_;
};

}  // namespace zavkari
