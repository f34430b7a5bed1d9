#include "random_source.h"

#include <bit>
#include <chrono>
#include <ctime>

namespace zavkari {
CardId RandomSource::RandomCard() {
    int suit = 0;
    do
        suit = Random(5);
    while (suit == 0);
    int rank = 0;
    do
        rank = Random(10);
    while (rank == 0);
    return {suit, rank};
}

ClockSeededRandom::ClockSeededRandom(std::uint64_t seed, Clock clockMs)
    : seed_(seed), clockMs_(std::move(clockMs)), state_(seed) {}

int ClockSeededRandom::Random(int n) {
    // PCG32 (O'Neill): a 64-bit linear congruential step, whose output is scrambled by a shift and
    // a rotation. The draws of a deal call it back to back, and only the short multiply-add stands
    // between one call and the next.
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    const auto shifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
    const auto rotation = static_cast<unsigned>(old >> 59);
    const std::uint32_t out = std::rotr(shifted, static_cast<int>(rotation));
    return static_cast<int>((std::uint64_t{out} * static_cast<std::uint64_t>(n < 1 ? 1 : n)) >> 32);
}

CardId ClockSeededRandom::RandomCard() {
    const int index = Random(kDeckSize);
    return {index / 9 + 1, index % 9 + 1};
}

void ClockSeededRandom::Reseed() {
    state_ =
        SplitMix64(seed_ * 0x2545F4914F6CDD1DULL + static_cast<std::uint64_t>(clockMs_())).Next();
}

std::int64_t ClockSeededRandom::TimeOfDayMs() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000LL + ms;
}

}  // namespace zavkari
