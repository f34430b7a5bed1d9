#include "random_source.h"

#include <chrono>
#include <ctime>

namespace zavkari {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

ClockSeededRandom::ClockSeededRandom(std::uint64_t seed, Clock clockMs)
    : seed_(seed), clockMs_(std::move(clockMs)), state_(seed | 1) {}

int ClockSeededRandom::Random(int n) {
    // Marsaglia's xorshift64: quick, and plenty for dealing cards; the seed mixing above keeps
    // its state away from zero.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<int>(((state_ >> 32) * static_cast<std::uint64_t>(n < 1 ? 1 : n)) >> 32);
}

void ClockSeededRandom::Reseed() {
    std::uint64_t mix = seed_ * 0x2545F4914F6CDD1DULL + static_cast<std::uint64_t>(clockMs_());
    state_ = SplitMix(mix) | 1;
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
