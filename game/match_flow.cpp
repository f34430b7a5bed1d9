// The match: 24 deals in four pools (1..8 cards, four nine-card deals, 8..1 cards, four more
// nine-card deals), the set-up and the end of each deal, the dealer's rotation, the pool totals,
// and the menu that opens a match.
#include <string>

#include "game.h"
#include "schedule.h"
#include "table_layout.h"
#include "tempo.h"

namespace zavkari {
namespace {

std::string RenegeText(int code, int trump) {
    static constexpr std::array<std::string_view, 5> kWords = {"aguris", "gulis", "jvaris",
                                                               "yvavis", "viSis"};
    const std::string_view word =
        code == trump ? "koziris" : kWords[static_cast<std::size_t>(code - 1)];
    return "strogi  " + std::string(word) + " damalvisTvis, viSi wageSlebaT ";
}

// The bid list of a deal of n cards: "pasi", then "1" up to n, so that an item's index is its bid.
void RebuildBidList(TableModel& table, int n, int columns) {
    static const std::array<std::string, kMaxHand + 1> kItems = {"pasi", "1", "2", "3", "4",
                                                                 "5",    "6", "7", "8", "9"};
    table.SetItems(Element::tkma, {kItems.begin(), kItems.begin() + n + 1});
    table.SetColumns(Element::tkma, columns);
}

}  // namespace

void Game::StartUp(TableSize size) {
    table_.width = size.width;
    table_.height = size.height;
    table_.screenHeight = size.screenHeight;
    LoadIdle();
}

void Game::LoadIdle() {
    ClearTable();
    InitDeck();
    state_.sheetActive = false;
    state_.wildLedByComputer = false;
    LayOutTable(table_, {table_.width, table_.height, table_.screenHeight});
    for (bool& made : state_.allBidsMade)
        made = true;
    seen_ = {};
    seen_.sheet.allBidsMade = state_.allBidsMade;
    state_.ascendCount = 1;
    state_.descendCount = 0;
    state_.nineIndex = 0;
    state_.dealer = 1;
    state_.firstTrickArmed = true;
    state_.viSiDeclared = false;
    state_.waiRosDeclared = false;
    state_.renegeCount = 0;
    state_.nextTrickToStart = 1;
    table_.Hide(Element::tkma);
    table_.Hide(Element::OK);
    table_.SetItems(Element::tkma, {"pasi"});
    table_.SetColumns(Element::tkma, 2);
    table_.Show(Element::kkk);
    table_.SetCaption(Element::bbb, "dawyeba");
}

void Game::OpenMatch() {
    ShowSheetRowLabels(true);
    table_.view().ApplyOptions();
    table_.Show(Element::cxrili);
    state_.sheetActive = true;
    table_.Show(Element::reklama, table_.screenHeight > 900);
    table_.Show(Element::b);
    table_.BringToFront(Element::b);
    table_.Show(Element::Box1);
    state_.dealSize = 1;
    SeatPlayers();
    AssignSeatsAndNames();
    state_.openingOrder = state_.dealer;
}

int Game::PrepareScheduledDeal() {
    const int row = CurrentRow();
    const int pool = PoolOfRow(row);
    const int n = CardsOfRow(row);
    const bool opensPool = row == FirstRowOfPool(pool);
    switch (pool) {
        case 1:
            if (opensPool) {
                OpenMatch();
                RebuildBidList(table_, n, 2);
            } else {
                table_.AppendItem(Element::tkma, std::to_string(n));
                table_.SetColumns(Element::tkma, n == 8 ? 3 : 2);
            }
            break;
        case 2:
            if (opensPool) {
                ScorePool(1);
                table_.AppendItem(Element::tkma, std::to_string(n));
            }
            table_.Select(Element::tkma, -1);
            break;
        case 3:
            if (opensPool) {
                table_.Select(Element::koz, -1);
                ScorePool(2);
            }
            RebuildBidList(table_, n, n == 8 ? 3 : 2);
            break;
        default:
            if (opensPool) {
                ScorePool(3);
                RebuildBidList(table_, n, 2);
            }
            table_.Select(Element::tkma, -1);
            if (row == kDealsOfMatch) timers_.Enable(TimerId::boloj);
            break;
    }
    return n;
}

void Game::NextDeal() {
    GameState& s = state_;
    if (s.ascendCount == 0 && s.descendCount == 0) return;  // the match is over
    if (dealUnderWay_) return;
    dealUnderWay_ = true;
    const int n = PrepareScheduledDeal();
    s.dealSize = n;
    if (n == 9) table_.Hide(Element::b);
    ResetDeck();
    ClearTable();
    DealHumanHand(n);
    PrepareHands(n);
    const int firstHand = NextSeat(s.dealer);
    const bool humanDeclares = n == 9 && firstHand == kHumanSeat;
    // A computer that looks at its cards before it declares the trump of a nine-card deal holds
    // them from the start; the described computers declare without looking, and their hands are
    // drawn once the trump is settled.
    const bool dealtBeforeDeclaration =
        n == 9 && !humanDeclares && seating_[firstHand] != PlayerKind::Rules;
    if (dealtBeforeDeclaration) DealComputerHands(n);
    AnimateDeal(n, s.dealer);
    if (n != 9) SettleTrump();
    // When the human declares the trump, the computer hands and bids wait for the declaration
    // (vacxadoTimer).
    if (!humanDeclares) {
        if (dealtBeforeDeclaration) {
            CopyTrumpStrengthsToComputerHands();
        } else {
            DealComputerHands(n);
        }
        if (n != 9) table_.Show(Element::tkma);
        BeginBidding(n);
    }
    timers_.Enable(timer::Trick(n, 1));
}

void Game::BeginBidding(int n) {
    biddingBegun_ = true;
    if (observer_) observer_->OnDealSettled();
    ComputeComputerBids(n);
    StartBidding(n);
}

void Game::EndOfDeal() {
    GameState& s = state_;
    if (s.trickStage != 0) return;
    for (int order = 1; order <= 4; ++order) {
        if (timers_.Enabled(timer::Play(order))) return;
    }
    timers_.Disable(TimerId::tavidan);
    if (s.ascendCount != 0) {
        ScoreDeal(s.ascendCount);
    } else if (s.descendCount != 0) {
        ScoreDeal(s.descendCount);
    }
    ClearTable();
    s.firstTrickArmed = true;
    AdvanceCounters();
    RotateDealer();
    table_.Select(Element::tkma, -1);
    table_.Hide(Element::kkk);
    if (s.renegePending) {
        table_.SetCaption(Element::strog, RenegeText(s.renegeCode, s.trump));
        if (observer_) observer_->OnRenege(s.renegeCode);
        table_.view().RaiseWindow();
        table_.Show(Element::strog);
        table_.BringToFront(Element::strog);
        table_.Repaint();
        table_.view().Pause(kRenegePause);
        table_.Hide(Element::strog);
        ++s.renegeCount;
        s.renegePending = false;
    }
    dealUnderWay_ = false;
    if (options.autoDeal) {
        NextDeal();
    } else {
        table_.BringToFront(Element::b);
    }
}

void Game::AdvanceCounters() {
    GameState& s = state_;
    int& count = s.ascendCount != 0 ? s.ascendCount : s.descendCount;
    const bool ascending = &count == &s.ascendCount;
    if (ascending && count >= 1 && count <= kCountedDeals) {
        ++count;
    } else if (!ascending && count >= 2 && count <= kCountedDeals) {
        --count;
    } else if (!ascending && count == 1) {
        count = 9;
    }
    if (count != 9) return;
    if (s.nineIndex < kNineCardDeals) {
        ++s.nineIndex;
        return;
    }
    s.nineIndex = 0;
    s.ascendCount = 0;
    s.descendCount = ascending ? kCountedDeals : 0;
    if (!ascending) s.matchOver = true;
}

void Game::RotateDealer() {
    state_.dealer = NextSeat(state_.dealer);
    state_.openingOrder = state_.dealer;
}

void Game::bolojTimer() {
    if (!state_.matchOver) return;
    ScorePool(4);
    timers_.Disable(TimerId::boloj);
}

void Game::bbbClick() {
    // "Tavidan" abandons the match under way; then, as for the first match, the name entry.
    if (MatchInMenu()) AbandonMatch();
    table_.Repaint();
    table_.SetCaption(Element::bbb, "Tavidan");
    table_.SetCaption(Element::saxeli, "  saxeli");
    table_.Show(Element::saxeli);
    table_.Show(Element::BitBtn1);
    table_.SetEnabled(Element::BitBtn1, false);
}

void Game::bClick() {
    // The deck pile deals the next deal only while it lies in front of the table cover, that is
    // between deals when the next deal waits for a click.
    if (!DeckInvitesDeal()) return;
    NextDeal();
}

void Game::AbandonMatch() {
    for (TimerId id : timer::All())
        timers_.Disable(id);
    ShowSheetRowLabels(false);
    ClearTrickArea();
    ClearScoreSheet();
    ClearTable();
    for (Element e :
         {Element::b, Element::Box1, Element::koz, Element::tkma, Element::OK, Element::ara,
          Element::vishi, Element::nije, Element::strog, Element::saxeli, Element::BitBtn1}) {
        table_.Hide(e);
    }
    state_ = GameState{};
    runningTotalTenths_ = {};
    humanName_.clear();
    dealUnderWay_ = false;
    currentTrick_ = 0;
    currentOrder_ = 0;
    lastTrick_ = {};
    LoadIdle();
}

}  // namespace zavkari
