#include "table_elements.h"

#include <array>
#include <string_view>

namespace zavkari {
namespace {

constexpr std::array<std::string_view, el::kFirstName - el::kB> kSingleNames = {
    "b",     "kkk",   "Box1",  "strog",  "ara",     "KVishi", "KNije",   "under",
    "OK",    "tkma",  "koz",   "vishi",  "nije",    "kl",     "noclick", "cham1",
    "cham2", "cham3", "cham4", "c1_u",   "c2_u",    "c3_u",   "m_u",     "c1_h",
    "c2_h",  "c3_h",  "m_h",   "cxrili", "reklama", "saxeli", "BitBtn1", "bbb"};

}  // namespace

std::string ElementName(Element e) {
    using std::to_string;
    if (e >= 0 && e < kDeckSize) return std::string(CardImageName(e / 9 + 1, e % 9 + 1));
    if (e == el::kNo) return "no";
    if (e < el::kB) {
        const int i = e - el::kFirstBack;
        return "b" + to_string(i / 9 + 1) + to_string(i % 9 + 1);
    }
    if (e < el::kFirstName) return std::string(kSingleNames[static_cast<std::size_t>(e - el::kB)]);
    if (e < el::kFirstRowHeading) return "n" + to_string(e - el::kFirstName + 1);
    if (e < el::kFirstBidCell) return "nnn" + to_string(e - el::kFirstRowHeading + 1);
    if (e < el::kFirstScoreCell) {
        const int i = e - el::kFirstBidCell;
        return "a" + to_string(i / el::kRows + 1) + to_string(i % el::kRows + 1);
    }
    if (e < el::kFirstTotalCell) {
        const int i = e - el::kFirstScoreCell;
        return "c" + to_string(i / el::kRows + 1) + to_string(i % el::kRows + 1);
    }
    if (e < el::kCount) {
        const int i = e - el::kFirstTotalCell;
        return "j" + to_string(i / 4 + 1) + to_string(i % 4 + 1);
    }
    return "?";
}

std::string TimerName(TimerId id) {
    using std::to_string;
    if (id == 0) return "_1";
    if (id < timer::kTrickCount) {
        for (int n = 2; n <= 9; ++n) {
            if (id < timer::Trick(n, 1) + n)
                return "_" + to_string(n) + to_string(id - timer::Trick(n, 1) + 1);
        }
    }
    if (id < timer::kTavidan) return "ch" + to_string(id - timer::kTrickCount + 1);
    if (id == timer::kTavidan) return "tavidan";
    if (id == timer::kBoloj) return "boloj";
    if (id < timer::kVacxado) return "waiting" + to_string(id - timer::kBoloj);
    if (id == timer::kVacxado) return "vacxado";
    return "?";
}

}  // namespace zavkari
