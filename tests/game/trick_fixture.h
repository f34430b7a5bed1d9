// A game set up in the middle of a trick: chosen trump, hands and cards already on the table, with
// a view that keeps the debug memo and the human's strengths, and an observer of the plays.
#pragma once

#include <string>
#include <vector>

#include "game_fixture.h"

namespace zavkari::testing {

class RecordingTable : public HeadlessTable {
  public:
    bool keepsMemo = false;
    std::vector<std::string> memo{"me"};
    std::vector<int> humanStrengths;

    bool KeepsMemo() const override { return keepsMemo; }
    void MemoAppendToLastLine(std::string_view text) override { memo.back() += text; }
    void MemoAddLine(std::string_view text) override { memo.emplace_back(text); }
    void RecordHumanStrength(int strength) override { humanStrengths.push_back(strength); }
};

struct Play {
    int seat;
    CardId card;
    int strength;
    Declaration declaration;
    int named;
    friend bool operator==(const Play&, const Play&) = default;
};

class PlayLog : public MatchObserver {
  public:
    std::vector<Play> plays;
    std::vector<std::array<int, 3>> tricks;  // trick, winner, leader

    void OnPlay(int, int seat, CardId card, int strength, Declaration d, int named) override {
        plays.push_back({seat, card, strength, d, named});
    }
    void OnTrick(int trick, int winner, int leader) override {
        tricks.push_back({trick, winner, leader});
    }
};

class TrickFixture : public ::testing::Test {
  protected:
    TrickFixture() : game(view, random) {
        game.InitDeck();
        game.observer = &log;
        SetTrump(kNoTrump);
    }

    void SetTrump(int trump) {
        game.ResetDeck();
        game.state.dealSize = 9;
        game.state.trump = trump;
        game.SettleTrump();
    }

    const CardRecord& Card(int suit, int rank) const { return game.state.Card(suit, rank); }

    void GiveHuman(const std::vector<CardId>& cards) {
        game.state.dealSize = static_cast<int>(cards.size());
        int slot = 0;
        for (CardId c : cards)
            game.state.humanHand[++slot] = c;
    }

    // The seat's hand in slot order, with the strengths the deck has now.
    void GiveComputer(int seat, const std::vector<CardId>& cards) {
        int slot = 0;
        for (CardId c : cards)
            game.state.computerHand[seat][++slot] = Card(c.suit, c.rank);
        game.state.computerCardCount[seat] = slot;
    }

    // The trick in play has order code `order`; the seats before the one to play have put down
    // cards of these strengths, in playing order.
    void InTrick(int order, std::initializer_list<int> strengthsSoFar = {}) {
        game.SetCurrentTrick(1, order);
        int seat = LeaderOf(order);
        for (int strength : strengthsSoFar) {
            game.state.playedStrength[seat] = strength;
            seat = NextSeat(seat);
        }
    }

    // The trick of order code `order` waits for the human's card.
    void OpenHand(int order = 1) {
        InTrick(order);
        game.timers.Enable(timer::Play(order));
        game.state.humanHasPlayed = false;
        game.SetHumanHandEnabled(true);
    }

    // Seat `seat` follows a trick whose led or named suit is `suit`.
    int ComputerFollows(int seat, int suit, bool bidMet) {
        game.state.ledSuit = suit;
        game.state.computerBid[seat] = bidMet ? 0 : 1;
        game.ChooseComputerCard(seat, false);
        return game.state.playedStrength[seat];
    }

    RecordingTable view;
    ScriptedRandom random;
    PlayLog log;
    TestGame game;
};

}  // namespace zavkari::testing
