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

void Game::LoadIdle() {
    ClearTable();
    InitDeck();
    state.sheetActive = false;
    state.wildLedByComputer = false;
    LayOutTable(table, {table.width, table.height, table.screenHeight});
    for (bool& made : state.allBidsMade)
        made = true;
    state.ascendCount = 1;
    state.descendCount = 0;
    state.nineIndex = 0;
    state.dealer = 1;
    state.firstTrickArmed = true;
    state.viSiDeclared = false;
    state.waiRosDeclared = false;
    state.renegeCount = 0;
    state.nextTrickToStart = 1;
    table.Hide(Element::tkma);
    table.Hide(Element::OK);
    table.SetItems(Element::tkma, {"pasi"});
    table.SetColumns(Element::tkma, 2);
    table.Show(Element::kkk);
    table.SetCaption(Element::bbb, "dawyeba");
}

void Game::OpenMatch() {
    ShowSheetRowLabels(true);
    table.view().ApplyOptions();
    table.Show(Element::cxrili);
    state.sheetActive = true;
    table.Show(Element::reklama, table.screenHeight > 900);
    table.Show(Element::b);
    table.BringToFront(Element::b);
    table.Show(Element::Box1);
    state.dealSize = 1;
    AssignSeatsAndNames();
    state.openingOrder = state.dealer;
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
                RebuildBidList(table, n, 2);
            } else {
                table.AppendItem(Element::tkma, std::to_string(n));
                table.SetColumns(Element::tkma, n == 8 ? 3 : 2);
            }
            break;
        case 2:
            if (opensPool) {
                ScorePool(1);
                table.AppendItem(Element::tkma, std::to_string(n));
            }
            table.Select(Element::tkma, -1);
            break;
        case 3:
            if (opensPool) {
                table.Select(Element::koz, -1);
                ScorePool(2);
            }
            RebuildBidList(table, n, n == 8 ? 3 : 2);
            break;
        default:
            if (opensPool) {
                ScorePool(3);
                RebuildBidList(table, n, 2);
            }
            table.Select(Element::tkma, -1);
            if (row == kDealsOfMatch) timers.Enable(TimerId::boloj);
            break;
    }
    return n;
}

void Game::NextDeal() {
    GameState& s = state;
    if (s.ascendCount == 0 && s.descendCount == 0) return;  // the match is over
    if (dealUnderWay_) return;
    dealUnderWay_ = true;
    const int n = PrepareScheduledDeal();
    s.dealSize = n;
    if (n == 9) table.Hide(Element::b);
    ResetDeck();
    ClearTable();
    DealHumanHand(n);
    PrepareHands(n);
    AnimateDeal(n, s.dealer);
    const bool humanDeclares = n == 9 && NextSeat(s.dealer) == kHumanSeat;
    if (n != 9) SettleTrump();
    // When the human declares the trump, the computer hands and bids wait for the declaration
    // (vacxadoTimer).
    if (!humanDeclares) {
        DealComputerHands(n);
        if (n != 9) table.Show(Element::tkma);
        BeginBidding(n);
    }
    timers.Enable(timer::Trick(n, 1));
}

void Game::BeginBidding(int n) {
    if (observer) observer->OnDealSettled();
    ComputeComputerBids(n);
    StartBidding(n);
}

void Game::EndOfDeal() {
    GameState& s = state;
    if (s.trickStage != 0) return;
    for (int order = 1; order <= 4; ++order) {
        if (timers.Enabled(timer::Play(order))) return;
    }
    timers.Disable(TimerId::tavidan);
    if (s.ascendCount != 0) {
        ScoreDeal(s.ascendCount);
    } else if (s.descendCount != 0) {
        ScoreDeal(s.descendCount);
    }
    ClearTable();
    s.firstTrickArmed = true;
    AdvanceCounters();
    RotateDealer();
    table.Select(Element::tkma, -1);
    table.Hide(Element::kkk);
    if (s.renegePending) {
        if (observer) observer->OnRenege(s.renegeCode);
        table.SetCaption(Element::strog, RenegeText(s.renegeCode, s.trump));
        table.view().RaiseWindow();
        table.Show(Element::strog);
        table.BringToFront(Element::strog);
        table.Repaint();
        table.view().Pause(kRenegePause);
        table.Hide(Element::strog);
        ++s.renegeCount;
        s.renegePending = false;
    }
    dealUnderWay_ = false;
    if (options.autoDeal) {
        NextDeal();
    } else {
        table.BringToFront(Element::b);
    }
}

void Game::AdvanceCounters() {
    GameState& s = state;
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
    state.dealer = NextSeat(state.dealer);
    state.openingOrder = state.dealer;
}

void Game::bolojTimer() {
    if (!state.matchOver) return;
    ScorePool(4);
    timers.Disable(TimerId::boloj);
}

void Game::bbbClick() {
    // "Tavidan" abandons the match under way; then, as for the first match, the name entry.
    if (table.Caption(Element::bbb) == "Tavidan") AbandonMatch();
    table.Repaint();
    table.SetCaption(Element::bbb, "Tavidan");
    table.SetCaption(Element::saxeli, "  saxeli");
    table.Show(Element::saxeli);
    table.Show(Element::BitBtn1);
    table.SetEnabled(Element::BitBtn1, false);
}

void Game::bClick() {
    // The deck pile deals the next deal only while it lies in front of the table cover, that is
    // between deals when the next deal waits for a click.
    if (!table.Visible(Element::b) || !table.InFront(Element::b, Element::noclick)) return;
    NextDeal();
}

void Game::AbandonMatch() {
    for (TimerId id : timer::All())
        timers.Disable(id);
    ShowSheetRowLabels(false);
    ClearTrickArea();
    ClearScoreSheet();
    ClearTable();
    for (Element e :
         {Element::b, Element::Box1, Element::koz, Element::tkma, Element::OK, Element::ara,
          Element::vishi, Element::nije, Element::strog, Element::saxeli, Element::BitBtn1}) {
        table.Hide(e);
    }
    state = GameState{};
    runningTotalTenths_ = {};
    humanName_.clear();
    dealUnderWay_ = false;
    currentTrick_ = 0;
    currentOrder_ = 0;
    LoadIdle();
}

}  // namespace zavkari
