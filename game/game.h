// The game: its state, the table it acts on, its timers, and every rule as an operation. The table
// window owns one Game for the whole run and forwards its clicks and timer ticks here; the tests
// and the headless match runner drive the same object with a headless table and a seeded random
// source. Outside, only what a player or a clock does is public, with the options and a few
// queries, above all what the human is asked right now; the rules' steps are private.
//
// The operations are spread over several files by topic:
//   dealing.cpp          the deck, the draws, the trump
//   deal_animation.cpp   clearing the table, laying out the hands, dealing them out
//   bidding.cpp          the computers' bids, the human's bid, the waiting timers
//   trick_rules.cpp      the human's plays, the renege test, the trick winner
//   computer_play.cpp    a computer's card put into the trick, and the human's hint
//   seat_views.cpp       what each seat knows, for whoever decides for it
//   human_play.cpp       the human's clicks on cards and on the named-suit groups
//   scoring.cpp          deal scores and pool totals
//   score_sheet.cpp      the sheet's cells, columns and names, the name entry, the dealer draw
//   sequencer.cpp        the trick and play timers
//   match_flow.cpp       the schedule of 24 deals, the end of a deal, the menu, a new match
//   table_readbacks.cpp  what the rules read back from the table, and what the human is asked
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "advice.h"
#include "deal_points.h"
#include "game_state.h"
#include "options.h"
#include "random_source.h"
#include "rules_player.h"
#include "strong_player.h"
#include "table_layout.h"
#include "table_model.h"

namespace zavkari {

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

// A trick as it lay on the table once complete: the card of each seat on its spot and the seat
// that took it (0 when two cards were equally strong and nobody did).
struct CompletedTrick {
    int number = 0;  // 1..dealSize; 0: no trick of the deal is complete yet
    PerSeat<CardId> cards{};
    int winner = 0;
};

class Game {
  public:
    Game(TableView& view, RandomSource& random);

    // The settings of the options dialog, read by the rules when they need them.
    Options options;

    // --- What a clock does ---
    // Fires one tick of an enabled timer. Ticks of disabled timers are ignored.
    void Tick(TimerId id);

    // --- What the player does ---
    // The window's initialisation: lays out the table for its size and puts the game into the idle
    // state (LoadIdle).
    void StartUp(TableSize size);
    void bbbClick();  // menu entry "dawyeba" / "Tavidan": the name entry of a new match
    void saxeliClick();
    void saxeliChange(std::string_view text);
    void BitBtn1Click();       // confirms the name: the draw for the first dealer, the first deal
    void kozClick(int item);   // the human declares the trump; item = trump code 0..4
    void tkmaClick(int item);  // item -1: a click on the box outside its items
    void OKClick();
    // A click on a face image: a plain card plays, a wild card plays high or leads as viSi with
    // the left button, plays low or leads as waiRos with the right one.
    void CardClick(Element face, bool rightButton);
    void vishiClick(int item);  // named suit 0..3 of a wild card led as viSi
    void nijeClick(int item);   // named suit 0..3 of a wild card led as waiRos
    void bClick();              // click on the deck pile

    // --- The player's settings that act on the table at once (the options dialog) ---
    void ShowBackground(bool shown);  // `fon`
    void PutBackgroundBehind();       // a table picture was chosen: `fon` behind everything
    void ShowTableTop(bool shown);    // `magida`, with the picture the dialog confirmed

    // --- What anyone may ask ---
    Asked HumanAsked() const;
    // The faces of the cards the human still holds, left to right as they lie on the table.
    std::vector<Element> HandInPlace() const;
    // The last trick completed in the deal under way, for the player to look back at; nullptr
    // before the deal's first trick is complete and between deals.
    const CompletedTrick* LastTrick() const;
    const GameState& State() const { return state_; }
    const TableModel& Table() const { return table_; }
    bool TimerEnabled(TimerId id) const { return timers_.Enabled(id); }
    // Whether the human leads the current trick, and whether following it with `card` would be a
    // renege (a wild card never is).
    bool HumanLeads() const { return state_.openingOrder == 3 || state_.nextOrder == 3; }
    bool WouldRenege(CardId card) const;
    // The sheet row of the deal under way (1..24), 0 when there is none.
    int CurrentRow() const;
    int CurrentTrick() const { return currentTrick_; }  // the trick being played, 1..dealSize
    int TricksShown(int seat) const;                    // the number on the seat's trick label
    const std::string& HumanName() const { return humanName_; }
    // Whether the penalty size may still change: before a match, and until its first deal is over.
    bool PenaltyMayChange() const;
    // The 24th deal is scored and the last pool totalled.
    bool MatchFinished() const { return state_.matchOver && !timers_.Enabled(TimerId::boloj); }
    // Whoever wants to hear what happens in the match (the match runner's trace), or nobody.
    void SetObserver(MatchObserver* observer) { observer_ = observer; }
    // Who plays each seat in the match under way (the options' choice at its start).
    const PerSeat<PlayerKind>& Seating() const { return seating_; }
    // What the human is asked right now and what the human knows: the question a hint answers;
    // nothing when the human is asked nothing a player decides.
    std::optional<HumanQuestion> HumanQuestionNow() const;
    // The bid or card a strong computer will be asked for next, when that and what its seat will
    // know then are settled already; nothing otherwise. The window has it worked out beside the
    // table (Foresee, on any thread) before it is due, so that the computer's card comes on time.
    std::optional<Foresight> NextStrongDecision() const;
    void Foresee(const Foresight& foresight) const { strong_.Foresee(foresight); }
    int AnswersForeseen() const { return strong_.AnswersForeseen(); }

  private:
    // The tests reach the steps and the state through a class of their own.
    friend class TestGame;

    // --- The deck, the draws and the trump (dealing.cpp) ---
    void InitDeck();  // suit, rank and face image of every deck record
    void ResetDeck();
    CardId DrawCard();
    void DealHumanHand(int n);
    void DealComputerHands(int n);
    void SettleTrump();
    void ShowTrumpCaption();
    // The first hand of a nine-card deal, a computer, declares the trump.
    void ChooseComputerTrump(int seat);
    // Gives the computer hands dealt before the trump was declared the declared trump's strengths.
    void CopyTrumpStrengthsToComputerHands();
    void vacxadoTimer();

    // --- Clearing, laying out and dealing the hands (deal_animation.cpp) ---
    void ClearTable();
    void PrepareHands(int n);
    void AnimateDeal(int n, int dealer);
    // Shows the cards of circuits `first`..`last` of a deal of n cards, seat by seat in dealing
    // order, with the deal pause after each card.
    void DealCircuits(int first, int last, int n, int dealer);
    void ShowComputerBacks(int seat, int n);

    // --- Bidding (bidding.cpp) ---
    void ComputeComputerBids(int n);
    // A computer that listens to the bids before it bids when its bid is about to be revealed.
    void SettleListeningBid(int seat);
    void StartBidding(int n);
    // Announces the settled deal, computes the computer bids and starts the bidding.
    void BeginBidding(int n);
    void waitingTimer(int dealer);  // waiting1Timer .. waiting3Timer
    // Writes a revealed bid to the sheet as its label shows it.
    void RecordBid(int seat, std::optional<int> computed = std::nullopt);
    // The dealer may not bring the four bids to the number of cards: a computer dealer moves its
    // bid by one. Returns the bid as computed when it had to move.
    std::optional<int> ApplyLastBidderRule(int seat);

    // --- Trick rules (trick_rules.cpp) ---
    void LeadHumanCard(const CardRecord& card);
    void FollowHumanCard(const CardRecord& card);
    void LeadHumanWild(const CardRecord& card, Declaration declaration, int suit);
    void FollowHumanWild(const CardRecord& card, bool high);
    void CheckRenege(const CardRecord& card);
    void ResolveTrick();
    // The steps every play of the human shares: the card leaves the hand and lies in the trick.
    void RecordHumanPlay(const CardRecord& card, Declaration declaration, int named);
    // The renege of following the current trick with a plain card: 1..4 the suit held back, 5 a
    // viSi demand not met with the highest card, 0 when the card breaks no obligation.
    int RenegeCode(const CardRecord& card) const;
    // True when a card of strength exactly 100 lies in the current trick, played before `seat`.
    bool HundredPlayedBefore(int seat) const;
    // Lays a played card's face on the seat's spot, in front of everything.
    void ShowOnSpot(int seat, Element face);
    // Slot 1..dealSize of the human's hand holding `card`, or 0 when the human does not hold it.
    int HumanSlotOf(CardId card) const;

    // --- Computer play (computer_play.cpp) ---
    void ChooseComputerCard(int seat, bool leading);
    // The strength a card of a player who plays as the human does enters the trick with.
    int StrengthAsHuman(const CardRecord& card, const CardDecision& decision, bool leading) const;
    // The strength of a plain card that follows the current trick, by the human's rule.
    int FollowStrength(const CardRecord& card) const;

    // --- Who decides for each seat, and what each seat knows (seat_views.cpp) ---
    Player& PlayerAt(int seat);
    // Puts `question` to the player of `seat`: a strong player thinks beside the table, unless
    // it foresaw the answer (a bid or a card from `view`).
    template <class Question>
    auto Ask(int seat, Question question, const SeatView& view,
             std::optional<Foresight::Question> foreseeable = std::nullopt) {
        Player& player = PlayerAt(seat);
        if (&player != &strong_ || (foreseeable && strong_.HasForeseen(view, *foreseeable)))
            return question(player);
        decltype(question(player)) answer{};
        table_.view().Think([&] { answer = question(player); });
        return answer;
    }
    SeatView ViewOf(int seat) const;
    // What every seat sees, written down as the table shows it: the start of a deal, a bid
    // revealed, a card put into a trick, a trick taken.
    void BeginSeenDeal();
    void RevealBid(int seat);
    void RecordPlay(int seat, Declaration declaration, int named);
    void SeeTrickTaken(int winner);
    // Seats the options' opponents for the match that opens.
    void SeatPlayers();

    // --- The human's clicks (human_play.cpp) ---
    void a6Click(Element face);         // left click on a plain card
    void y6Click(Element face);         // left click on a wild card
    void y6ContextPopup(Element face);  // right click on a wild card
    CardRecord DeckRecordOfImage(Element image) const;
    // True while a trick waits for the human's card: its play timer runs and the human has not
    // played in it.
    bool AwaitingHumanCard() const;
    bool HandAcceptsClick(Element face) const;
    void WildCardClick(Element face, bool high);
    void NamedSuitClick(Element group, Declaration declaration, int item);

    // --- Scoring (scoring.cpp) ---
    void ScoreDeal(int n);
    void ScorePool(int pool);

    // --- The score sheet, the name entry and the dealer draw (score_sheet.cpp) ---
    void WriteBidCell(int n, int column, std::string_view text);
    void WriteScoreCell(int n, int column, std::string_view text);
    void WriteCell(Element (*cell)(int, int), int n, int column, std::string_view text);
    void AssignSeatsAndNames();
    void ShowSheetRowLabels(bool visible);
    void ClearScoreSheet();
    int DrawFirstDealer();

    // --- The trick sequencer (sequencer.cpp) ---
    void TrickTimerTick(int n, int k);
    void PlayTimerTick(int order);
    void StartTrick(int order);
    // One computer card of the sequencer: the choice, a repaint and the computer-card pause.
    void PlayComputerCard(int seat, bool leading);
    void ClearTrickArea();
    void SetHumanHandEnabled(bool enabled);

    // --- The match (match_flow.cpp) ---
    void LoadIdle();   // the window's initialisation: the idle state
    void NextDeal();   // the click of the hidden deal button `Game`
    void EndOfDeal();  // the tick of `tavidan`
    // The schedule's step for the deal about to start: pool totals, the bid list and its columns.
    // Returns the deal size.
    int PrepareScheduledDeal();
    void OpenMatch();
    // Moves the deal counters on to the next deal of the schedule.
    void AdvanceCounters();
    void RotateDealer();
    void bolojTimer();
    // Ends whatever is under way (every timer stopped, the table and the sheet cleared) and
    // returns to the idle state, so that a new match can be opened at any moment.
    void AbandonMatch();

    // --- What the rules read back from the table (table_readbacks.cpp) ---
    // The game keeps some of its facts only in what its window shows; these name each reading.
    bool HandCovered() const;      // `kl` lies over the human's cards
    bool NamedSuitAsked() const;   // `vishi` or `nije` waits for the suit of a led wild card
    bool TrumpAsked() const;       // `koz` waits for the human's trump
    bool BidListShown() const;     // `tkma` is up for the human's bid
    bool HumanHasBid() const;      // the human's bid shows in `m_u`
    bool NameEntryOpen() const;    // the name box `saxeli` is shown
    bool NameConfirmable() const;  // its button `BitBtn1` is shown and enabled
    bool MatchInMenu() const;      // the menu entry reads "Tavidan": a match has been opened
    bool DeckInvitesDeal() const;  // the deck lies in front of the table cover `noclick`
    // The named-suit choice `group` (`vishi` or `nije`) is up for a click.
    bool SuitChoiceOpen(Element group) const { return table_.Visible(group); }
    // The score shown in a cell of the sheet; the penalty mark counts as the penalty size.
    int ScoreShown(int column, int row) const;

    GameState state_;
    TableModel table_;
    Timers timers_;
    MatchObserver* observer_ = nullptr;
    RandomSource& random_;
    RulesPlayer rules_;
    StrongPlayer strong_;
    PerSeat<PlayerKind> seating_{
        {PlayerKind::Rules, PlayerKind::Rules, PlayerKind::Rules, PlayerKind::Human}};
    TableSeen seen_;  // what every seat has seen of the match and the deal
    // Whether anyone reads the cards played: the described computers decide without them.
    bool playsWatched_ = false;
    bool biddingBegun_ = false;  // the deal's cards and trump are settled and its bidding begun
    std::string humanName_;      // the text of the name box as typed
    // The running totals shown on the sheet, in tenths.
    Indexed<Indexed<int, 1, 4>, 1, 4> runningTotalTenths_{};  // [column][pool]
    int currentTrick_ = 0;       // number of the trick being played, 1..dealSize
    CompletedTrick lastTrick_;   // the deal's last complete trick
    int currentOrder_ = 0;       // its order code
    bool dealUnderWay_ = false;  // between NextDeal and the end of the deal
};

// The sheet's mark for a deal in which a player missed the bid and took no trick.
inline constexpr std::string_view kPenaltyMark = "I-----I";

}  // namespace zavkari
