#include "table_elements.h"

#include <array>
#include <string_view>

namespace zavkari {
namespace {

constexpr std::array<std::string_view, el::kFirstName - el::kB> kSingleNames = {
    "b",      "kkk",     "Box1",   "strog",   "ara", "KVishi",  "KNije", "under", "OK",
    "tkma",   "koz",     "vishi",  "nije",    "kl",  "noclick", "cham1", "cham2", "cham3",
    "cham4",  "c1_u",    "c2_u",   "c3_u",    "m_u", "c1_h",    "c2_h",  "c3_h",  "m_h",
    "cxrili", "reklama", "saxeli", "BitBtn1", "bbb", "fon",     "magida"};

// A family member's name: its prefix followed by its numbers in decimal ("b23", "nnn7", "ch4").
std::string Named(std::string_view prefix, int first, int second = -1) {
    std::string name(prefix);
    name += std::to_string(first);
    if (second >= 0) name += std::to_string(second);
    return name;
}

}  // namespace

std::string ElementName(Element e) {
    if (e >= 0 && e < kDeckSize) return std::string(CardImageName(e / 9 + 1, e % 9 + 1));
    if (e == el::kNo) return "no";
    if (e < el::kB) {
        const int i = e - el::kFirstBack;
        return Named("b", i / 9 + 1, i % 9 + 1);
    }
    if (e < el::kFirstName) return std::string(kSingleNames[static_cast<std::size_t>(e - el::kB)]);
    if (e < el::kFirstRowHeading) return Named("n", e - el::kFirstName + 1);
    if (e < el::kFirstBidCell) return Named("nnn", e - el::kFirstRowHeading + 1);
    if (e < el::kFirstScoreCell) {
        const int i = e - el::kFirstBidCell;
        return Named("a", i / el::kRows + 1, i % el::kRows + 1);
    }
    if (e < el::kFirstTotalCell) {
        const int i = e - el::kFirstScoreCell;
        return Named("c", i / el::kRows + 1, i % el::kRows + 1);
    }
    if (e < el::kCount) {
        const int i = e - el::kFirstTotalCell;
        return Named("j", i / 4 + 1, i % 4 + 1);
    }
    return "?";
}

std::string TimerName(TimerId id) {
    if (id == 0) return "_1";
    if (id < timer::kTrickCount) {
        const timer::ChainPlace place = timer::PlaceInChain(id);
        return Named("_", place.n, place.k);
    }
    if (id < timer::kTavidan) return Named("ch", id - timer::kTrickCount + 1);
    if (id == timer::kTavidan) return "tavidan";
    if (id == timer::kBoloj) return "boloj";
    if (id < timer::kVacxado) return Named("waiting", id - timer::kBoloj);
    if (id == timer::kVacxado) return "vacxado";
    return "?";
}

}  // namespace zavkari
