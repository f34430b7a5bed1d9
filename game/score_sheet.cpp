// The score sheet's cells, the players' columns and names, the name entry that opens a match and
// the draw for the first dealer.
#include <array>

#include "game.h"
#include "schedule.h"
#include "tempo.h"

namespace zavkari {
namespace {

constexpr std::size_t kMaxNameLength = 7;
constexpr std::array<std::string_view, 3> kComputerNames = {"zurala", "valtiko", "gorbeni"};
// The name of a computer player who would otherwise share the human's name.
constexpr std::string_view kStandInName = "bedoni";

static_assert(el::kRows == kDealsOfMatch, "the sheet has a row for every deal");

// A name must have something besides blanks.
bool NameAccepted(std::string_view name) {
    return name.find_first_not_of(' ') != name.npos;
}

// The first `characters` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && seen++ == characters) return text.substr(0, i);
    }
    return text;
}

void Erase(TableModel& table, Element label) {
    table.SetCaption(label, "");
    table.Hide(label);
}

}  // namespace

int Game::CurrentRow() const {
    const GameState& s = state_;
    const bool nineCardDeal = s.nineIndex >= 1 && s.nineIndex <= kNineCardDeals;
    if (s.ascendCount != 0) {
        if (s.ascendCount >= 1 && s.ascendCount <= kCountedDeals) {
            return FirstRowOfPool(1) + s.ascendCount - 1;
        }
        return s.ascendCount == 9 && nineCardDeal ? FirstRowOfPool(2) + s.nineIndex - 1 : 0;
    }
    // Counting down, the deal of d cards lies d rows before the fourth pool.
    if (s.descendCount >= 1 && s.descendCount <= kCountedDeals) {
        return FirstRowOfPool(4) - s.descendCount;
    }
    return s.descendCount == 9 && nineCardDeal ? FirstRowOfPool(4) + s.nineIndex - 1 : 0;
}

void Game::WriteBidCell(int n, int column, std::string_view text) {
    WriteCell(el::BidCell, n, column, text);
}

void Game::WriteScoreCell(int n, int column, std::string_view text) {
    WriteCell(el::ScoreCell, n, column, text);
}

void Game::WriteCell(Element (*cell)(int, int), int n, int column, std::string_view text) {
    const int row = CurrentRow();
    if (n < 1 || n > kMaxHand || column < 1 || column > 4 || row == 0) return;
    table_.SetCaption(cell(column, row), text);
    table_.Show(cell(column, row));
}

void Game::AssignSeatsAndNames() {
    // The first hand of the first deal takes column 1 and the dealer column 4, for the whole match.
    const int dealer = state_.dealer;
    if (dealer < 1 || dealer > 4) return;
    for (int seat = 1; seat <= 4; ++seat) {
        const int column = (seat - dealer + 3) % 4 + 1;
        state_.sheetColumn[seat] = column;
        std::string_view name = humanName_;
        if (seat != kHumanSeat) {
            name = kComputerNames[static_cast<std::size_t>(seat - 1)];
            if (name == humanName_) name = kStandInName;
        }
        table_.SetCaption(el::Name(column), name);
        table_.Show(el::Name(column));
    }
    if (observer_) observer_->OnColumns();
}

void Game::ShowSheetRowLabels(bool visible) {
    for (int row = 1; row <= el::kRows; ++row) {
        table_.SetCaption(el::RowHeading(row), std::to_string(CardsOfRow(row)));
        table_.Show(el::RowHeading(row), visible);
    }
}

void Game::ClearScoreSheet() {
    for (int column = 1; column <= 4; ++column) {
        for (int row = 1; row <= el::kRows; ++row) {
            Erase(table_, el::BidCell(column, row));
            Erase(table_, el::ScoreCell(column, row));
        }
        for (int pool = 1; pool <= 4; ++pool)
            Erase(table_, el::TotalCell(column, pool));
        Erase(table_, el::Name(column));
    }
    table_.Hide(Element::cxrili);
    table_.Hide(Element::Box1);
    table_.Hide(Element::reklama);
}

void Game::saxeliClick() {
    if (NameEntryOpen()) saxeliChange("");
}

void Game::saxeliChange(std::string_view text) {
    if (!NameEntryOpen()) return;
    humanName_ = FirstCharacters(text, kMaxNameLength);
    table_.SetCaption(Element::saxeli, humanName_);
    table_.SetEnabled(Element::BitBtn1, NameAccepted(humanName_));
}

void Game::BitBtn1Click() {
    if (!NameConfirmable()) return;
    if (!NameAccepted(humanName_)) return;
    table_.Hide(Element::saxeli);
    table_.Hide(Element::BitBtn1);
    DrawFirstDealer();
    NextDeal();
}

int Game::DrawFirstDealer() {
    for (CardRecord& card : state_.deck)
        card.dealt = false;
    // Each seat's cards cascade from its spot, one pixel further down for every card, and for the
    // computers one further right too; the spots themselves stay where the layout put them.
    PerSeat<int> drawn{};
    int dealer = 0;
    while (dealer == 0) {
        for (int seat = 1; seat <= 4; ++seat) {
            if (dealer == 0) {
                const CardId card = DrawCard();
                const Element face = el::Face(card.suit, card.rank);
                const ElementState& spot = table_[el::Spot(seat)];
                const int shift = drawn[seat]++;
                table_.Move(face, spot.left + (seat == kHumanSeat ? 0 : shift), spot.top + shift);
                table_.BringToFront(face);
                table_.Show(face);
                if (observer_) observer_->OnDraw(seat, card);
                if (card.rank == kAce) dealer = seat;
            }
            table_.Repaint();
            table_.view().Pause(kDealerDrawPause);
        }
    }
    table_.view().Pause(kDealerShownPause);
    state_.dealer = dealer;
    return dealer;
}

}  // namespace zavkari
