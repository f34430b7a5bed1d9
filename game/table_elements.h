// Names of the table window's elements that the rules act on (labels, card images, covers, groups,
// score-sheet cells) and of its timers. The rules address them by these names; the window and the
// headless table map them to what they show. An element and a timer are distinct types, so that
// one cannot be passed for the other, and each has one decoder that tells which member of which
// family a number is.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <string>

#include "cards.h"

namespace zavkari {

// The elements with a name of their own, in the order of their numbers. The one list makes both
// the enumerators and their names (ElementName), so that the two cannot drift apart.
#define ZAVKARI_SINGLE_ELEMENTS(X)                                       \
    X(b)       /* the deck pile */                                       \
    X(kkk)     /* trump label inside Box1 */                             \
    X(Box1)    /* trump box "koziria" */                                 \
    X(strog)   /* renege message */                                      \
    X(ara)     /* "ar SeiZleba!!! " */                                   \
    X(KVishi)  /* a computer's viSi declaration */                       \
    X(KNije)   /* a computer's waiRos declaration */                     \
    X(under)   /* "qveSidan Seudo": a computer played a wild card low */ \
    X(OK)      /* confirms the human's bid */                            \
    X(tkma)    /* bid list */                                            \
    X(koz)     /* trump choice of a nine-card deal */                    \
    X(vishi)   /* named suit of a wild card led high */                  \
    X(nije)    /* named suit of a wild card led as waiRos */             \
    X(kl)      /* cover over the human's cards */                        \
    X(noclick) /* cover over the middle of the table */                  \
    X(cham1)   /* played-card spots of seats 1..4 */                     \
    X(cham2)                                                             \
    X(cham3)                                                             \
    X(cham4)                                                             \
    X(c1_u) /* bid labels of seats 1..4 */                               \
    X(c2_u)                                                              \
    X(c3_u)                                                              \
    X(m_u)                                                               \
    X(c1_h) /* trick labels of seats 1..4 */                             \
    X(c2_h)                                                              \
    X(c3_h)                                                              \
    X(m_h)                                                               \
    X(cxrili)  /* the score-sheet picture */                             \
    X(reklama) /* the small looping animation beside the sheet */        \
    X(saxeli)  /* the name box */                                        \
    X(BitBtn1) /* its "ok" button */                                     \
    X(bbb)     /* menu entry "dawyeba" / "Tavidan" */                    \
    X(fon)     /* the background picture */                              \
    X(magida)  /* the table top picture */

// 0..35: the card faces, numbered like the deck; 36: the placeholder `no`; 37..63: the card backs
// b11..b39 of the computer seats; then the single elements; then the score sheet's labels.
enum class Element : int {
    no = kDeckSize,
    b39 = kDeckSize + 3 * kMaxHand,
#define ZAVKARI_ENUMERATOR(name) name,
    ZAVKARI_SINGLE_ELEMENTS(ZAVKARI_ENUMERATOR)
#undef ZAVKARI_ENUMERATOR
};

// The timers with a name of their own; the trick timers `_1` .. `_99` come before them.
enum class TimerId : int {
    ch1 = 45,
    ch2,
    ch3,
    ch4,
    tavidan,
    boloj,
    waiting1,
    waiting2,
    waiting3,
    vacxado,
    count  // not a timer: the number of timers, which a new one comes before
};

// The position of an element or a timer in arrays over all of them.
constexpr std::size_t Index(Element e) {
    return static_cast<std::size_t>(e);
}
constexpr std::size_t Index(TimerId id) {
    return static_cast<std::size_t>(id);
}

// A run of consecutive elements or timers (a row of backs, the faces, every timer), for loops.
template <class Id>
class IdRange {
  public:
    constexpr IdRange(Id first, int count) : first_(static_cast<int>(first)), count_(count) {}

    struct Iterator {
        int number;
        constexpr Id operator*() const { return static_cast<Id>(number); }
        constexpr Iterator& operator++() {
            ++number;
            return *this;
        }
        friend constexpr bool operator==(const Iterator&, const Iterator&) = default;
    };
    constexpr Iterator begin() const { return {first_}; }
    constexpr Iterator end() const { return {first_ + count_}; }
    constexpr int size() const { return count_; }
    constexpr bool contains(Id id) const {
        const int n = static_cast<int>(id);
        return n >= first_ && n < first_ + count_;
    }

  private:
    int first_;
    int count_;
};

// An array with one entry for every element or every timer.
template <class Id, class T, std::size_t N>
struct PerId {
    std::array<T, N> items;  // value-initialised where declared with {}

    constexpr T& operator[](Id id) {
        assert(Index(id) < N);
        return items[Index(id)];
    }
    constexpr const T& operator[](Id id) const {
        assert(Index(id) < N);
        return items[Index(id)];
    }
    constexpr auto begin() { return items.begin(); }
    constexpr auto end() { return items.end(); }
    constexpr auto begin() const { return items.begin(); }
    constexpr auto end() const { return items.end(); }
};

namespace el {

inline constexpr int kRows = 24;  // the score sheet's rows, one a deal
inline constexpr int kFirstName = static_cast<int>(Element::magida) + 1;
inline constexpr int kFirstRowHeading = kFirstName + 4;
inline constexpr int kFirstBidCell = kFirstRowHeading + kRows;
inline constexpr int kFirstScoreCell = kFirstBidCell + 4 * kRows;
inline constexpr int kFirstTotalCell = kFirstScoreCell + 4 * kRows;
inline constexpr int kCount = kFirstTotalCell + 16;

constexpr Element Numbered(int number) {
    assert(number >= 0 && number < kCount);
    return static_cast<Element>(number);
}

// The face image of a card.
constexpr Element Face(int suit, int rank) {
    return Numbered(CardIndex(suit, rank));
}
// The face image of a card, or `no` for a pair that names no card (an empty slot).
constexpr Element CardImage(CardId card) {
    return IsValidCard(card.suit, card.rank) ? Face(card.suit, card.rank) : Element::no;
}
// The back in `slot` 1..9 of computer `seat` 1..3: b11 .. b39.
constexpr Element Back(int seat, int slot) {
    return Numbered(kDeckSize + 1 + (seat - 1) * kMaxHand + (slot - 1));
}
constexpr Element Spot(int seat) {
    return Numbered(static_cast<int>(Element::cham1) + seat - 1);
}
constexpr Element BidLabel(int seat) {
    return Numbered(static_cast<int>(Element::c1_u) + seat - 1);
}
constexpr Element TrickLabel(int seat) {
    return Numbered(static_cast<int>(Element::c1_h) + seat - 1);
}

// Score sheet: the column names n1..n4, row headings nnn1..nnn24, bid cells a11..a424, score cells
// c11..c424 and running totals j11..j44 (column digit first, then row or pool).
constexpr Element Name(int column) {
    return Numbered(kFirstName + column - 1);
}
constexpr Element RowHeading(int row) {
    return Numbered(kFirstRowHeading + row - 1);
}
constexpr Element BidCell(int column, int row) {
    return Numbered(kFirstBidCell + (column - 1) * kRows + row - 1);
}
constexpr Element ScoreCell(int column, int row) {
    return Numbered(kFirstScoreCell + (column - 1) * kRows + row - 1);
}
constexpr Element TotalCell(int column, int pool) {
    return Numbered(kFirstTotalCell + (column - 1) * 4 + pool - 1);
}

constexpr IdRange<Element> All() {
    return {Element{}, kCount};
}
constexpr IdRange<Element> Faces() {
    return {Face(1, 1), kDeckSize};
}
constexpr IdRange<Element> Backs() {
    return {Back(1, 1), 3 * kMaxHand};
}
// Slots `first`..`last` of one computer's row of backs (none when last < first).
constexpr IdRange<Element> BackRow(int seat, int first, int last) {
    return {Back(seat, first), last < first ? 0 : last - first + 1};
}
// The score sheet's labels: names, row headings, bid and score cells, running totals.
constexpr IdRange<Element> SheetLabels() {
    return {Name(1), kCount - kFirstName};
}

// The four choices: the bid list, the trump and the two named suits of a wild card.
inline constexpr std::array<Element, 4> kChoiceGroups = {Element::tkma, Element::koz,
                                                         Element::vishi, Element::nije};
// The position of a choice in kChoiceGroups.
constexpr std::size_t GroupIndex(Element group) {
    std::size_t i = 0;
    while (i < kChoiceGroups.size() && kChoiceGroups[i] != group)
        ++i;
    assert(i < kChoiceGroups.size() && "not a choice");
    return i;
}

}  // namespace el

template <class T>
using PerElement = PerId<Element, T, el::kCount>;

// Which member of which family an element is: the face of (suit, rank), the back in (seat, slot),
// the sheet's name of a column, the heading of a row, the bid or score cell of (column, row), the
// total of (column, pool); `no` and the single elements carry no numbers.
enum class ElementFamily { Face, Back, Single, Name, RowHeading, BidCell, ScoreCell, TotalCell };
struct ElementPlace {
    ElementFamily family = ElementFamily::Single;
    int first = 0;
    int second = 0;
};

// The one decoder of element numbers.
constexpr ElementPlace Decode(Element e) {
    const int n = static_cast<int>(e);
    if (n < kDeckSize) return {ElementFamily::Face, n / 9 + 1, n % 9 + 1};
    if (n > static_cast<int>(Element::no) && n <= static_cast<int>(Element::b39)) {
        const int i = n - (static_cast<int>(Element::no) + 1);
        return {ElementFamily::Back, i / kMaxHand + 1, i % kMaxHand + 1};
    }
    if (n < el::kFirstName) return {};
    if (n < el::kFirstRowHeading) return {ElementFamily::Name, n - el::kFirstName + 1};
    if (n < el::kFirstBidCell) return {ElementFamily::RowHeading, n - el::kFirstRowHeading + 1};
    if (n < el::kFirstScoreCell) {
        const int i = n - el::kFirstBidCell;
        return {ElementFamily::BidCell, i / el::kRows + 1, i % el::kRows + 1};
    }
    if (n < el::kFirstTotalCell) {
        const int i = n - el::kFirstScoreCell;
        return {ElementFamily::ScoreCell, i / el::kRows + 1, i % el::kRows + 1};
    }
    const int i = n - el::kFirstTotalCell;
    return {ElementFamily::TotalCell, i / 4 + 1, i % 4 + 1};
}

// The element's name in the window ("c1_u", "a11", "b23", "yt").
std::string ElementName(Element e);

namespace timer {

// The trick timers: one chain per deal size n, the k-th timer starts and completes trick k
// (`_1`; `_21`, `_22`; ... `_91` ... `_99`), 45 in all.
inline constexpr int kTrickCount = 45;
inline constexpr int kCount = static_cast<int>(TimerId::count);
static_assert(static_cast<int>(TimerId::ch1) == kTrickCount);

constexpr TimerId Trick(int n, int k) {
    return static_cast<TimerId>(n == 1 ? 0 : (n * (n - 1)) / 2 + k - 1);
}
// ch1..ch4: the play timer of the trick of order code `order`.
constexpr TimerId Play(int order) {
    return static_cast<TimerId>(static_cast<int>(TimerId::ch1) + order - 1);
}
// waiting1..waiting3: the timer that reveals the bids up to computer dealer `dealer`.
constexpr TimerId Waiting(int dealer) {
    return static_cast<TimerId>(static_cast<int>(TimerId::waiting1) + dealer - 1);
}

constexpr IdRange<TimerId> All() {
    return {TimerId{}, kCount};
}

}  // namespace timer

template <class T>
using PerTimer = PerId<TimerId, T, timer::kCount>;

// Which member of which family a timer is: the trick timer of trick `second` in the chain of deal
// size `first`, the play timer of order code `first`, the waiting timer of dealer `first`; the
// single timers carry no numbers.
enum class TimerFamily { Trick, Play, Waiting, Single };
struct TimerPlace {
    TimerFamily family = TimerFamily::Single;
    int first = 0;
    int second = 0;
};

// The one decoder of timer numbers. Every tick asks, so the answers are worked out once, by the
// compiler.
inline constexpr PerTimer<TimerPlace> kTimerPlaces = [] {
    PerTimer<TimerPlace> places{};
    for (int n = 1; n <= kMaxHand; ++n) {
        for (int k = 1; k <= n; ++k)
            places[timer::Trick(n, k)] = {TimerFamily::Trick, n, k};
    }
    for (int order = 1; order <= 4; ++order)
        places[timer::Play(order)] = {TimerFamily::Play, order};
    for (int dealer = 1; dealer <= 3; ++dealer)
        places[timer::Waiting(dealer)] = {TimerFamily::Waiting, dealer};
    return places;
}();
constexpr TimerPlace Decode(TimerId id) {
    return kTimerPlaces[id];
}

// The timer's name in the window ("_1", "_32", "ch4", "tavidan").
std::string TimerName(TimerId id);

}  // namespace zavkari
