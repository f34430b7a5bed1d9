// The tempo of the table: how long each pause of play lasts and how often the game's timers tick,
// in milliseconds. The deal pause is not here: it follows the player's deal-speed setting.
#pragma once

namespace zavkari {

// Every enabled timer of the game ticks once per this interval.
inline constexpr int kTimerTick = 1000;

// After each computer's card lands in the trick, so that the cards arrive one by one.
inline constexpr int kComputerCardPause = 200;
// Between two bids shown one after the other.
inline constexpr int kBidRevealPause = 300;
// Before the turned card that names the trump is shown.
inline constexpr int kTurnedTrumpPause = 500;
// After a trick is complete, before the next one starts.
inline constexpr int kAdvancePause = 1000;
// With the finished trick left in view, before it is cleared away.
inline constexpr int kFinishedTrickPause = 1500;
// With the renege message in view at the end of the deal.
inline constexpr int kRenegePause = 2000;
// After each card of the draw for the first dealer.
inline constexpr int kDealerDrawPause = 100;
// With the drawn ace in view, the first dealer found.
inline constexpr int kDealerShownPause = 1000;

}  // namespace zavkari
