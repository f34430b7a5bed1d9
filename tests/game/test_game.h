// The tests' way into the game: the state, the table, the timers and the rules' steps that are
// private to everyone else. A test builds a TestGame where the program builds a Game.
#pragma once

#include "game.h"

namespace zavkari {

class TestGame : public Game {
  public:
    using Game::Game;

    GameState& state = state_;
    TableModel& table = table_;
    Timers& timers = timers_;
    Tch& tch = rules_.tch;
    MatchObserver*& observer = observer_;

    using Game::AbandonMatch;
    using Game::AnimateDeal;
    using Game::AssignSeatsAndNames;
    using Game::AwaitingHumanCard;
    using Game::ChooseComputerCard;
    using Game::ClearScoreSheet;
    using Game::ClearTable;
    using Game::ComputeComputerBids;
    using Game::DealComputerHands;
    using Game::DealHumanHand;
    using Game::DrawCard;
    using Game::DrawFirstDealer;
    using Game::EndOfDeal;
    using Game::FollowHumanCard;
    using Game::FollowHumanWild;
    using Game::InitDeck;
    using Game::LeadHumanCard;
    using Game::LeadHumanWild;
    using Game::LoadIdle;
    using Game::NextDeal;
    using Game::PrepareHands;
    using Game::ResetDeck;
    using Game::ResolveTrick;
    using Game::ScoreDeal;
    using Game::ScorePool;
    using Game::SetHumanHandEnabled;
    using Game::SettleTrump;
    using Game::ShowComputerBacks;
    using Game::ShowSheetRowLabels;
    using Game::StartBidding;
    using Game::WriteBidCell;
    using Game::WriteScoreCell;

    // The same ways into a game that the test did not build itself (the match runner's).
    static GameState& StateOf(Game& game) { return game.state_; }
    static TableModel& TableOf(Game& game) { return game.table_; }
    static void NextDealOf(Game& game) { game.NextDeal(); }
    static int CurrentOrderOf(const Game& game) { return game.currentOrder_; }

    int CurrentOrder() const { return currentOrder_; }
    // Names the trick in play as the sequencer would when it starts it.
    void SetCurrentTrick(int trick, int order) {
        currentTrick_ = trick;
        currentOrder_ = order;
    }
};

}  // namespace zavkari
