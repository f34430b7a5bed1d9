#include "table_elements.h"

#include <cassert>
#include <string_view>

namespace zavkari {
namespace {

constexpr std::array<std::string_view, el::kFirstName - static_cast<int>(Element::b)> kSingleNames =
    {
#define ZAVKARI_NAME(name) #name,
        ZAVKARI_SINGLE_ELEMENTS(ZAVKARI_NAME)
#undef ZAVKARI_NAME
};

// A family member's name: its prefix followed by its numbers in decimal ("b23", "nnn7", "ch4").
std::string Named(std::string_view prefix, int first, int second = 0) {
    std::string name(prefix);
    name += std::to_string(first);
    if (second != 0) name += std::to_string(second);
    return name;
}

}  // namespace

std::string ElementName(Element e) {
    const ElementPlace place = Decode(e);
    switch (place.family) {
        case ElementFamily::Face:
            return std::string(CardImageName(place.first, place.second));
        case ElementFamily::Back:
            return Named("b", place.first, place.second);
        case ElementFamily::Name:
            return Named("n", place.first);
        case ElementFamily::RowHeading:
            return Named("nnn", place.first);
        case ElementFamily::BidCell:
            return Named("a", place.first, place.second);
        case ElementFamily::ScoreCell:
            return Named("c", place.first, place.second);
        case ElementFamily::TotalCell:
            return Named("j", place.first, place.second);
        case ElementFamily::Single:
            break;
    }
    if (e == Element::no) return "no";
    return std::string(kSingleNames[Index(e) - Index(Element::b)]);
}

std::string TimerName(TimerId id) {
    const TimerPlace place = Decode(id);
    switch (place.family) {
        case TimerFamily::Trick:
            return place.first == 1 ? "_1" : Named("_", place.first, place.second);
        case TimerFamily::Play:
            return Named("ch", place.first);
        case TimerFamily::Waiting:
            return Named("waiting", place.first);
        case TimerFamily::Single:
            break;
    }
    switch (id) {
        case TimerId::tavidan:
            return "tavidan";
        case TimerId::boloj:
            return "boloj";
        case TimerId::vacxado:
            return "vacxado";
        default:
            assert(false && "a timer without a name");
            return "";
    }
}

}  // namespace zavkari
