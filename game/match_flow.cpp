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
    table.SetItems(el::kTkma, {kItems.begin(), kItems.begin() + n + 1});
    table.SetColumns(el::kTkma, columns);
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
    table.Hide(el::kTkma);
    table.Hide(el::kOK);
    table.SetItems(el::kTkma, {"pasi"});
    table.SetColumns(el::kTkma, 2);
    table.Show(el::kKkk);
    table.SetCaption(el::kBbb, "dawyeba");
}

void Game::OpenMatch() {
    ShowSheetRowLabels(true);
    table.view().ApplyOptions();
    table.Show(el::kCxrili);
    state.sheetActive = true;
    table.Show(el::kReklama, table.screenHeight > 900);
    table.Show(el::kB);
    table.BringToFront(el::kB);
    table.Show(el::kBox1);
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
                table.AppendItem(el::kTkma, std::to_string(n));
                table.SetColumns(el::kTkma, n == 8 ? 3 : 2);
            }
            break;
        case 2:
            if (opensPool) {
                ScorePool(1);
                table.AppendItem(el::kTkma, std::to_string(n));
            }
            table.Select(el::kTkma, -1);
            break;
        case 3:
            if (opensPool) {
                table.Select(el::kKoz, -1);
                ScorePool(2);
            }
            RebuildBidList(table, n, n == 8 ? 3 : 2);
            break;
        default:
            if (opensPool) {
                ScorePool(3);
                RebuildBidList(table, n, 2);
            }
            table.Select(el::kTkma, -1);
            if (row == kDealsOfMatch) timers.Enable(timer::kBoloj);
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
    if (n == 9) table.Hide(el::kB);
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
        if (n != 9) table.Show(el::kTkma);
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
    timers.Disable(timer::kTavidan);
    if (s.ascendCount != 0) {
        ScoreDeal(s.ascendCount);
    } else if (s.descendCount != 0) {
        ScoreDeal(s.descendCount);
    }
    ClearTable();
    s.firstTrickArmed = true;
    AdvanceCounters();
    RotateDealer();
    table.Select(el::kTkma, -1);
    table.Hide(el::kKkk);
    if (s.renegePending) {
        if (observer) observer->OnRenege(s.renegeCode);
        table.SetCaption(el::kStrog, RenegeText(s.renegeCode, s.trump));
        table.view().RaiseWindow();
        table.Show(el::kStrog);
        table.BringToFront(el::kStrog);
        table.Repaint();
        table.view().Pause(kRenegePause);
        table.Hide(el::kStrog);
        ++s.renegeCount;
        s.renegePending = false;
    }
    dealUnderWay_ = false;
    if (options.autoDeal) {
        NextDeal();
    } else {
        table.BringToFront(el::kB);
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
    timers.Disable(timer::kBoloj);
}

void Game::bbbClick() {
    // "Tavidan" abandons the match under way; then, as for the first match, the name entry.
    if (table.Caption(el::kBbb) == "Tavidan") AbandonMatch();
    table.Repaint();
    table.SetCaption(el::kBbb, "Tavidan");
    table.SetCaption(el::kSaxeli, "  saxeli");
    table.Show(el::kSaxeli);
    table.Show(el::kBitBtn1);
    table.SetEnabled(el::kBitBtn1, false);
}

void Game::bClick() {
    // The deck pile deals the next deal only while it lies in front of the table cover, that is
    // between deals when the next deal waits for a click.
    if (!table.Visible(el::kB) || !table.InFront(el::kB, el::kNoclick)) return;
    NextDeal();
}

void Game::AbandonMatch() {
    for (TimerId id = 0; id < timer::kCount; ++id)
        timers.Disable(id);
    ShowSheetRowLabels(false);
    ClearTrickArea();
    ClearScoreSheet();
    ClearTable();
    for (Element e : {el::kB, el::kBox1, el::kKoz, el::kTkma, el::kOK, el::kAra, el::kVishi,
                      el::kNije, el::kStrog, el::kSaxeli, el::kBitBtn1}) {
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
