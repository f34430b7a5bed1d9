// The trick sequencer: a chain of trick timers starts the tricks of a deal one by one, and a play
// timer finishes each trick once the human has played. The flags, not the timers' order, keep the
// sequence: a play timer acts only between the human's play and the trick's resolution, a trick
// timer advances only after the resolution.
#include "game.h"
#include "tempo.h"

namespace zavkari {

void Game::PlayComputerCard(int seat, bool leading) {
    ChooseComputerCard(seat, leading);
    table.Repaint();
    table.view().Pause(kComputerCardPause);
}

void Game::TrickTimerTick(int n, int k) {
    GameState& s = state;
    if (s.trickStage != k || (k == 1 && !s.firstTrickArmed)) return;
    if (n == 1) {
        s.trickStage = 0;
        s.trickClosed = false;
        currentTrick_ = 1;
        StartTrick(s.dealer);
        s.nextTrickToStart = 1;
        timers.Disable(timer::Trick(1, 1));
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
            timers.Enable(timer::Trick(n, k + 1));
            timers.Disable(timer::Trick(n, k));
            s.trickStage = k + 1;
            if (k == 1) s.firstTrickArmed = false;
            table.view().Pause(kAdvancePause);
        }
    } else if (s.humanHasPlayed) {
        s.trickStage = 0;
        timers.Disable(timer::Trick(n, k));
    }
}

void Game::StartTrick(int order) {
    state.humanHasPlayed = false;
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
            state.viSiDeclared = false;
            state.waiRosDeclared = false;
            break;
        default:
            return;
    }
    timers.Enable(timer::Play(order));
    table.BringToFront(Element::noclick);
}

void Game::PlayTimerTick(int order) {
    GameState& s = state;
    if (!s.humanHasPlayed || s.trickClosed) return;
    timers.Disable(timer::Play(order));
    if (order != 4) {
        for (int seat = 1; seat <= order; ++seat)
            PlayComputerCard(seat, false);
        s.viSiDeclared = false;
        s.waiRosDeclared = false;
    }
    ResolveTrick();
    table.Repaint();
    table.view().Pause(kFinishedTrickPause);
    ClearTrickArea();
    s.trickDone = true;
    s.trickClosed = true;
    timers.Enable(TimerId::tavidan);
    SetHumanHandEnabled(false);
    table.Show(Element::b);
}

void Game::ClearTrickArea() {
    for (int seat = 1; seat <= 4; ++seat)
        table.Hide(el::CardImage(state.playedCard[seat]));
    table.Hide(Element::KVishi);
    table.Hide(Element::KNije);
    table.Hide(Element::under);
    table.Repaint();
    SetHumanHandEnabled(false);
}

void Game::SetHumanHandEnabled(bool enabled) {
    table.Show(Element::kl, !enabled);
    if (!enabled) table.BringToFront(Element::kl);
    table.BringToFront(Element::noclick);
}

}  // namespace zavkari
