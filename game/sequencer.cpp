// The trick sequencer: a chain of trick timers starts the tricks of a deal one by one, and a play
// timer finishes each trick once the human has played. The flags, not the timers' order, keep the
// sequence: a play timer acts only between the human's play and the trick's resolution, a trick
// timer advances only after the resolution.
#include "game.h"
#include "tempo.h"

namespace zavkari {

void Game::PlayComputerCard(int seat, bool leading) {
    ChooseComputerCard(seat, leading);
    table_.Repaint();
    table_.view().Pause(kComputerCardPause);
}

void Game::TrickTimerTick(int n, int k) {
    GameState& s = state_;
    if (s.trickStage != k || (k == 1 && !s.firstTrickArmed)) return;
    if (n == 1) {
        s.trickStage = 0;
        s.trickClosed = false;
        currentTrick_ = 1;
        StartTrick(s.dealer);
        s.nextTrickToStart = 1;
        timers_.Disable(timer::Trick(1, 1));
        return;
    }
    if (s.nextTrickToStart == k) {
        s.nextTrickToStart = k == n ? 1 : k + 1;
        s.trickClosed = false;
        currentTrick_ = k;
        StartTrick(k == 1 ? s.dealer : s.nextOrder);
    }
    if (k < n) {
        if (s.humanHasPlayed && s.trickDone) {
            timers_.Enable(timer::Trick(n, k + 1));
            timers_.Disable(timer::Trick(n, k));
            s.trickStage = k + 1;
            if (k == 1) s.firstTrickArmed = false;
            table_.view().Pause(kAdvancePause);
        }
    } else if (s.humanHasPlayed) {
        s.trickStage = 0;
        timers_.Disable(timer::Trick(n, k));
    }
}

void Game::StartTrick(int order) {
    state_.humanHasPlayed = false;
    SetHumanHandEnabled(true);
    currentOrder_ = order;
    switch (order) {
        case 1:
            PlayComputerCard(2, true);
            PlayComputerCard(3, false);
            break;
        case 2:
            PlayComputerCard(3, true);
            break;
        case 3:
            break;
        case 4:
            PlayComputerCard(1, true);
            PlayComputerCard(2, false);
            PlayComputerCard(3, false);
            // The human, playing last, answers as in an undeclared trick.
            state_.viSiDeclared = false;
            state_.waiRosDeclared = false;
            break;
        default:
            return;
    }
    timers_.Enable(timer::Play(order));
    table_.BringToFront(Element::noclick);
}

void Game::PlayTimerTick(int order) {
    GameState& s = state_;
    if (!s.humanHasPlayed || s.trickClosed) return;
    timers_.Disable(timer::Play(order));
    if (order != 4) {
        for (int seat = 1; seat <= order; ++seat)
            PlayComputerCard(seat, false);
        s.viSiDeclared = false;
        s.waiRosDeclared = false;
    }
    ResolveTrick();
    table_.Repaint();
    table_.view().Pause(kFinishedTrickPause);
    ClearTrickArea();
    s.trickDone = true;
    s.trickClosed = true;
    timers_.Enable(TimerId::tavidan);
    SetHumanHandEnabled(false);
    table_.Show(Element::b);
}

void Game::ClearTrickArea() {
    for (int seat = 1; seat <= 4; ++seat)
        table_.Hide(el::CardImage(state_.playedCard[seat]));
    table_.Hide(Element::KVishi);
    table_.Hide(Element::KNije);
    table_.Hide(Element::under);
    table_.Repaint();
    SetHumanHandEnabled(false);
}

void Game::SetHumanHandEnabled(bool enabled) {
    table_.Show(Element::kl, !enabled);
    if (!enabled) table_.BringToFront(Element::kl);
    table_.BringToFront(Element::noclick);
}

}  // namespace zavkari
