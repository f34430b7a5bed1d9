// The game: its state, the table it acts on, its timers, and every rule as an operation. The table
// window owns one Game for the whole run and forwards its clicks and timer ticks here; the tests
// and the headless match runner drive the same object with a headless table and a seeded random
// source.
//
// The operations are spread over several files by topic:
//   dealing.cpp          the deck, the draws, the trump
//   deal_animation.cpp   clearing the table, laying out the hands, dealing them out
//   bidding.cpp          the computers' bids, the human's bid, the waiting timers
//   trick_rules.cpp      the human's plays, the renege test, the trick winner
//   computer_play.cpp    the computer players' card choice
//   human_play.cpp       the human's clicks on cards and on the named-suit groups
//   scoring.cpp          deal scores and pool totals
//   score_sheet.cpp      the sheet's cells, columns and names, the name entry, the dealer draw
//   sequencer.cpp        the trick and play timers
//   match_flow.cpp       the schedule of 24 deals, the end of a deal, the menu, a new match
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game_state.h"
#include "random_source.h"
#include "table_model.h"
#include "tch.h"

namespace zavkari {

enum class Declaration { None, ViSi, WaiRos };

// The settings of the options dialog that the rules read when they need them.
struct Options {
    bool autoDeal = true;     // `darigeba`: the next deal starts by itself
    int penaltySlider = 19;   // `sss`, 4..49
    int speed = 799;          // the deal-speed track bar, 0..999
    char decimalPoint = '.';  // the user's decimal separator, for the running totals

    int DealPause() const { return 999 - speed; }
    int PenaltyValue() const { return -10 * (penaltySlider + 1); }
};

// What happened in a match, for the match runner's trace. Every call has a do-nothing default.
class MatchObserver {
  public:
    virtual ~MatchObserver() = default;
    virtual void OnDraw(int /*seat*/, CardId) {}
    virtual void OnColumns() {}
    // The cards and the trump of the deal are settled; no bid has been revealed yet.
    virtual void OnDealSettled() {}
    // A bid is revealed; `computed` holds a computer's bid before the last-bidder rule changed it.
    virtual void OnBid(int /*seat*/, int /*bid*/, std::optional<int> /*computed*/) {}
    virtual void OnBidRefused(int /*bid*/) {}
    virtual void OnPlay(int /*trick*/, int /*seat*/, CardId, int /*strength*/, Declaration,
                        int /*named*/) {}
    virtual void OnTrick(int /*trick*/, int /*winner*/, int /*leader*/) {}
    virtual void OnRenege(int /*code*/) {}
    virtual void OnScore(int /*deal*/, int /*row*/) {}
    virtual void OnPool(int /*pool*/) {}
};

// The timers' enabled flags. Whoever drives the game fires the ticks of enabled timers
// (Game::Tick); the view hears of every change so that the window can run its clocks.
class Timers {
  public:
    explicit Timers(TableView& view) : view_(view) {}
    bool Enabled(TimerId id) const { return enabled_[id]; }
    void Enable(TimerId id) { Set(id, true); }
    void Disable(TimerId id) { Set(id, false); }
    void Set(TimerId id, bool on) {
        if (enabled_[id] == on) return;
        enabled_[id] = on;
        view_.TimerChanged(id, on);
    }

  private:
    TableView& view_;
    PerTimer<bool> enabled_{};
};

class Game {
  public:
    Game(TableView& view, RandomSource& random);

    GameState state;
    TableModel table;
    Timers timers;
    Options options;
    Tch tch;
    MatchObserver* observer = nullptr;

    // Fires one tick of an enabled timer. Ticks of disabled timers are ignored.
    void Tick(TimerId id);

    // --- The deck, the draws and the trump (dealing.cpp) ---
    void InitDeck();  // suit, rank and face image of every deck record
    void ResetDeck();
    CardId DrawCard();
    void DealHumanHand(int n);
    void DealComputerHands(int n);
    void SettleTrump();
    void ChooseComputerTrump();
    void kozClick(int item);  // the human declares the trump; item = trump code 0..4
    void vacxadoTimer();

    // --- Clearing, laying out and dealing the hands (deal_animation.cpp) ---
    void ClearTable();
    void PrepareHands(int n);
    void AnimateDeal(int n, int dealer);
    void ShowComputerBacks(int seat, int n);

    // --- Bidding (bidding.cpp) ---
    void ComputeComputerBids(int n);
    void StartBidding(int n);
    void tkmaClick(int item);  // item -1: a click on the box outside its items
    void OKClick();
    void waitingTimer(int dealer);  // waiting1Timer .. waiting3Timer

    // --- Trick rules (trick_rules.cpp) ---
    void LeadHumanCard(const CardRecord& card);
    void FollowHumanCard(const CardRecord& card);
    void LeadHumanWild(const CardRecord& card, Declaration declaration, int suit);
    void FollowHumanWild(const CardRecord& card, bool high);
    void CheckRenege(const CardRecord& card);
    // Whether following the current trick with `card` would be a renege; a wild card never is.
    bool WouldRenege(CardId card) const;
    void ResolveTrick();
    bool HumanLeads() const { return state.openingOrder == 3 || state.nextOrder == 3; }

    // --- Computer play (computer_play.cpp) ---
    void ChooseComputerCard(int seat, bool leading);

    // --- The human's clicks (human_play.cpp) ---
    void a6Click(Element face);         // left click on a plain card
    void y6Click(Element face);         // left click on a wild card
    void y6ContextPopup(Element face);  // right click on a wild card
    void vishiClick(int item);          // named suit 0..3 of a wild card led as viSi
    void nijeClick(int item);           // named suit 0..3 of a wild card led as waiRos
    // A click on a face image, dispatched by card and button as the window does it.
    void CardClick(Element face, bool rightButton);
    CardRecord DeckRecordOfImage(Element image) const;
    // True while a trick waits for the human's card: its play timer runs and the human has not
    // played in it. The hand accepts card clicks only then.
    bool AwaitingHumanCard() const;

    // --- Scoring (scoring.cpp) ---
    void ScoreDeal(int n);
    void ScorePool(int pool);

    // --- The score sheet, the name entry and the dealer draw (score_sheet.cpp) ---
    int CurrentRow() const;
    void WriteBidCell(int n, int column, std::string_view text);
    void WriteScoreCell(int n, int column, std::string_view text);
    void AssignSeatsAndNames();
    void ShowSheetRowLabels(bool visible);
    void ClearScoreSheet();
    void saxeliClick();
    void saxeliChange(std::string_view text);
    void BitBtn1Click();
    int DrawFirstDealer();
    const std::string& HumanName() const { return humanName_; }

    // --- The trick sequencer (sequencer.cpp) ---
    void TrickTimerTick(int n, int k);
    void PlayTimerTick(int order);
    void StartTrick(int order);
    void ClearTrickArea();
    void SetHumanHandEnabled(bool enabled);
    int CurrentTrick() const { return currentTrick_; }
    int CurrentOrder() const { return currentOrder_; }  // order code of the trick being played

    // --- The match (match_flow.cpp) ---
    void LoadIdle();   // the window's initialisation: the idle state
    void NextDeal();   // the click of the hidden deal button `Game`
    void EndOfDeal();  // the tick of `tavidan`
    void RotateDealer();
    void bolojTimer();
    void bbbClick();  // menu entry "dawyeba": open a match
    void bClick();    // click on the deck pile
    // Ends whatever is under way (every timer stopped, the table and the sheet cleared) and
    // returns to the idle state, so that a new match can be opened at any moment.
    void AbandonMatch();

  private:
    // The tests' way in to the trick in play, to play single cards without the sequencer.
    friend struct GameTestAccess;

    void ShowTrumpCaption();
    // Shows the cards of circuits `first`..`last` of a deal of n cards, seat by seat in dealing
    // order, with the deal pause after each card.
    void DealCircuits(int first, int last, int n, int dealer);
    // Announces the settled deal, computes the computer bids and starts the bidding.
    void BeginBidding(int n);
    // One computer card of the sequencer: the choice, a repaint and the computer-card pause.
    void PlayComputerCard(int seat, bool leading);
    // The schedule's step for the deal about to start: pool totals, the bid list and its columns.
    // Returns the deal size.
    int PrepareScheduledDeal();
    void OpenMatch();
    // Moves the deal counters on to the next deal of the schedule.
    void AdvanceCounters();

    // --- Shared by the plays of the human and of the computers (trick_rules.cpp) ---
    // The steps every play of the human shares: the card leaves the hand and lies in the trick.
    void RecordHumanPlay(const CardRecord& card, Declaration declaration, int named);
    // The renege of following the current trick with a plain card: 1..4 the suit held back, 5 a
    // viSi demand not met with the highest card, 0 when the card breaks no obligation.
    int RenegeCode(const CardRecord& card) const;
    // Tells the observer about the card `seat` has just put into the trick.
    void ReportPlay(int seat, Declaration declaration, int named);
    // True when a card of strength exactly 100 lies in the current trick, played before `seat`.
    bool HundredPlayedBefore(int seat) const;
    // Lays a played card's face on the seat's spot, in front of everything.
    void ShowOnSpot(int seat, Element face);
    // Slot 1..dealSize of the human's hand holding `card`, or 0 when the human does not hold it.
    int HumanSlotOf(CardId card) const;

    // --- The human's clicks (human_play.cpp) ---
    bool HandAcceptsClick(Element face) const;
    void WildCardClick(Element face, bool high);
    void NamedSuitClick(Element group, Declaration declaration, int item);

    RandomSource& random_;
    std::string humanName_;  // the text of the name box as typed
    // The running totals shown on the sheet, in tenths.
    Indexed<Indexed<int, 1, 4>, 1, 4> runningTotalTenths_{};  // [column][pool]
    int currentTrick_ = 0;       // number of the trick being played, 1..dealSize
    int currentOrder_ = 0;       // its order code
    bool dealUnderWay_ = false;  // between NextDeal and the end of the deal
};

// Points for a made bid `b` in a deal of `n` cards.
int DealPoints(int n, int b);

}  // namespace zavkari
