#include "cards.h"

namespace zavkari {

std::string_view CardImageName(int suit, int rank) {
    static constexpr std::array<std::array<std::string_view, 9>, 4> kNames = {{
        {"a6", "a7", "a8", "a9", "a10", "av", "ad", "ak", "at"},
        {"g6", "g7", "g8", "g9", "g10", "gv", "gd", "gk", "gt"},
        {"j6", "j7", "j8", "j9", "j10", "jv", "jd", "jk", "jt"},
        {"y6", "y7", "y8", "y9", "y10", "yv", "yd", "yk", "yt"},
    }};
    if (!IsValidCard(suit, rank)) return "no";
    return kNames[static_cast<std::size_t>(suit - 1)][static_cast<std::size_t>(rank - 1)];
}

std::string CardWords(CardId card) {
    static constexpr std::array<std::string_view, 4> kSuits = {"aguris", "gulis", "jvaris",
                                                               "yvavis"};
    static constexpr std::array<std::string_view, 9> kRanks = {
        "eqvsiani", "Svidiani", "rviani", "cxriani", "aTiani", "valeti", "qali", "mefe", "tuzi"};
    if (!IsValidCard(card.suit, card.rank)) return {};
    // A wild card is the black six it is drawn as, in the rules window's words.
    const std::string_view rank = IsWildCard(card.suit, card.rank)
                                      ? "Savi eqvsiani"
                                      : kRanks[static_cast<std::size_t>(card.rank - 1)];
    return std::string(kSuits[static_cast<std::size_t>(card.suit - 1)]) + " " + std::string(rank);
}

}  // namespace zavkari
