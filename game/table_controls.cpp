#include "table_controls.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "table_layout.h"

namespace zavkari {
namespace {

// The design client area; the layout places most controls afresh for the real window.
constexpr int kDesignWidth = 1270;
constexpr int kDesignHeight = 958;
constexpr int kDesignCardW = 89;
constexpr int kDesignCardH = 121;
// The sheet picture's design corner.
constexpr int kSheetX = 992;
constexpr int kSheetY = 168;

// Picture resource of a card face: "A6", "G10", "YT"; the wild cards show "J1" and "J2".
std::string_view FacePicture(int suit, int rank) {
    static const std::array<std::string, kDeckSize> kNames = [] {
        std::array<std::string, kDeckSize> names;
        for (int suit = 1; suit <= 4; ++suit) {
            for (int rank = 1; rank <= 9; ++rank) {
                std::string name(CardImageName(suit, rank));
                for (char& c : name)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                names[static_cast<std::size_t>(CardIndex(suit, rank))] = name;
            }
        }
        names[static_cast<std::size_t>(CardIndex(kJvari, kSix))] = "J1";
        names[static_cast<std::size_t>(CardIndex(kYvavi, kSix))] = "J2";
        return names;
    }();
    return kNames[static_cast<std::size_t>(CardIndex(suit, rank))];
}

class Builder {
  public:
    std::vector<ControlSpec> controls;

    ControlSpec& Add(ControlKind kind, Element element, Box design) {
        ControlSpec& c = controls.emplace_back();
        c.kind = kind;
        c.element = element;
        c.name = element == kWindowOnly ? std::string() : ElementName(element);
        c.design = design;
        return c;
    }
    ControlSpec& Add(ControlKind kind, WindowControl control, Box design) {
        ControlSpec& c = Add(kind, kWindowOnly, design);
        c.windowControl = control;
        c.name = kWindowControlNames[Index(control)];
        return c;
    }
    // The position of the control added last, for the controls that lie in it.
    std::size_t Last() const { return controls.size() - 1; }

  private:
    static constexpr std::array<std::string_view, kWindowControlCount> kWindowControlNames = {
#define ZAVKARI_NAME(name) #name,
        ZAVKARI_WINDOW_CONTROLS(ZAVKARI_NAME)
#undef ZAVKARI_NAME
    };
};

// A hidden label in the given font and colour on a transparent ground.
ControlSpec& TableLabel(Builder& b, Element e, Box design, FontSpec font, Rgb text,
                        TextAlign align) {
    ControlSpec& c = b.Add(ControlKind::Label, e, design);
    c.font = font;
    c.text = text;
    c.align = align;
    c.visible = false;
    return c;
}

ControlSpec& Picture(Builder& b, Element e, Box design, std::string_view picture) {
    ControlSpec& c = b.Add(ControlKind::Picture, e, design);
    c.picture = picture;
    return c;
}

ControlSpec& Group(Builder& b, Element e, Box design, std::string_view caption, Rgb text,
                   std::vector<std::string_view> items) {
    ControlSpec& c = b.Add(ControlKind::RadioGroup, e, design);
    c.caption = caption;
    c.items = std::move(items);
    c.font = {FontFace::AcadNusx, 16};
    c.text = text;
    c.ground = colour::kBaize;
    c.visible = false;
    return c;
}

void AddCardsAndSpots(Builder& b) {
    for (int suit = 1; suit <= 4; ++suit) {
        for (int rank = 1; rank <= 9; ++rank) {
            // Below the design area: the deal places them.
            Picture(b, el::Face(suit, rank), {0, kDesignHeight + 2, kDesignCardW, kDesignCardH},
                    FacePicture(suit, rank))
                .pointer = Pointer::Hand;
        }
    }
    // The backs lie where a nine-card deal puts them in the design area.
    for (int seat = 1; seat <= 3; ++seat) {
        for (int k = 1; k <= kMaxHand; ++k) {
            const SlotPlace place =
                BackPlace(kDesignWidth, kDesignHeight, kDesignCardW, seat, k, kMaxHand);
            Picture(b, el::Back(seat, k), {place.left, place.top, kDesignCardW, kDesignCardH},
                    "BACK");
        }
    }
    Picture(b, Element::no, {1152, 1122, 9, 7}, "").visible = false;
    for (int seat : {2, 3, 4, 1}) {
        const SlotPlace spot =
            SpotPlace(kDesignWidth, kDesignHeight, kDesignCardW, kDesignCardH, seat);
        Picture(b, el::Spot(seat), {spot.left, spot.top, kDesignCardW, kDesignCardH}, "");
    }
}

void AddBidAndTrickLabels(Builder& b) {
    // Seat 1's labels lie at the left of the table, seat 3's at the right, the others centred.
    const std::array<TextAlign, 4> aligns = {TextAlign::Left, TextAlign::Centre, TextAlign::Right,
                                             TextAlign::Centre};
    for (int seat : {1, 2, 3}) {
        TableLabel(b, el::BidLabel(seat), {0, 0, 57, 20}, {FontFace::AcadNusx, 20, false, true},
                   colour::kBidGrey, aligns[static_cast<std::size_t>(seat - 1)]);
    }
    for (int seat : {1, 2, 3}) {
        TableLabel(b, el::TrickLabel(seat), {0, 0, seat == 3 ? 49 : 57, 20},
                   {FontFace::AcadNusx, 20}, colour::kWindowText,
                   aligns[static_cast<std::size_t>(seat - 1)])
            .caption = "0";
    }
    TableLabel(b, el::BidLabel(4), {0, 0, 57, 20}, {FontFace::AcadNusx, 20, false, true},
               colour::kBidGrey, TextAlign::Centre);
    TableLabel(b, el::TrickLabel(4), {0, 0, 57, 20}, {FontFace::AcadNusx, 20}, colour::kWindowText,
               TextAlign::Centre)
        .caption = "0";
}

void AddScoreSheet(Builder& b) {
    ControlSpec& sheet =
        Picture(b, Element::cxrili, {kSheetX, kSheetY, kSheetWidth, kSheetHeight}, "CXRILI");
    sheet.visible = false;
    sheet.clearWhite = true;  // only the ruling shows over the brown panel
    auto sheetLabel = [&b](Element e) -> ControlSpec& {
        ControlSpec& c = TableLabel(b, e, SheetLabelBox(e, kSheetX, kSheetY),
                                    {FontFace::AcadNusx, 13}, colour::kWhite, TextAlign::Left);
        c.autoSize = true;
        return c;
    };
    for (int column = 1; column <= 4; ++column) {
        ControlSpec& name = sheetLabel(el::Name(column));
        name.autoSize = false;
        name.align = TextAlign::Centre;
        if (column == 1) name.hint = "pirveli motamaSe";  // the first to play
    }
    for (int row = 1; row <= el::kRows; ++row)
        sheetLabel(el::RowHeading(row));
    for (Element (*cell)(int, int) : {el::BidCell, el::ScoreCell}) {
        for (int column = 1; column <= 4; ++column) {
            for (int row = 1; row <= el::kRows; ++row)
                sheetLabel(cell(column, row));
        }
    }
    for (int column = 1; column <= 4; ++column) {
        for (int pool = 1; pool <= 4; ++pool)
            sheetLabel(el::TotalCell(column, pool));
    }
}

void AddMessagesAndChoices(Builder& b) {
    const FontSpec message{FontFace::AcadNusx, 20, false, true};
    TableLabel(b, Element::KVishi, {0, 0, 401, 20}, message, colour::kSilver, TextAlign::Centre)
        .caption = "viSi";
    ControlSpec& kl = Picture(b, Element::kl, {112, 824, 785, 129}, "");
    kl.pointer = Pointer::NoDrop;
    TableLabel(b, Element::KNije, {0, 0, 401, 20}, message, colour::kSilver, TextAlign::Centre)
        .caption = "waiRos";
    TableLabel(b, Element::under, {0, 0, 513, 20}, message, colour::kSilver, TextAlign::Centre)
        .caption = "qveSidan Seudo";
    ControlSpec& magida = Picture(b, Element::magida, {160, 136, 609, 521}, "MAGIDA");
    magida.pointer = Pointer::NoDrop;
    magida.visible = false;
    TableLabel(b, Element::strog, {0, 0, 513, 20}, message, colour::kSilver, TextAlign::Centre)
        .caption = "strogi gulis damalvisTvis, viSi wageSlebaT!";

    ControlSpec& tkma =
        Group(b, Element::tkma, {0, 0, 217, 121}, "ramdens ambobT?", colour::kDarkRed, {});
    tkma.columns = 3;
    ControlSpec& ok = b.Add(ControlKind::Button, Element::OK, {0, 0, 31, 111});
    ok.caption = "OK";
    ok.visible = false;
    Group(b, Element::koz, {0, 0, 105, 119}, "koziria?", colour::kMaroon,
          {"bezi", "aguri", "guli", "jvari", "yvavi"});
    Group(b, Element::vishi, {0, 0, 105, 113}, "viSi ", colour::kWindowText,
          {"aguri", "guli", "jvari", "yvavi"});
    Group(b, Element::nije, {0, 0, 107, 113}, "waiRos", colour::kDarkRed,
          {"agurma", "gulma", "jvarma", "yvavma"});

    ControlSpec& box = b.Add(ControlKind::GroupBox, Element::Box1, {0, 0, 257, 49});
    box.caption = "koziria";
    box.font = {FontFace::AcadNusx, 16};
    box.text = colour::kScrollBar;
    box.ground = colour::kBrown;
    box.visible = false;
    const std::size_t inBox = b.Last();
    ControlSpec& kkk =
        TableLabel(b, Element::kkk, {64, 17, 121, 24}, {FontFace::AcadNusx, 20, true, true},
                   colour::kWhite, TextAlign::Centre);
    kkk.parent = inBox;
    kkk.visible = true;
}

void AddMenus(Builder& b) {
    b.Add(ControlKind::ToolBar, WindowControl::menu, {0, 0, kDesignWidth, kMenuBarHeight}).ground =
        colour::kMenuBar;
    const std::size_t inBar = b.Last();
    struct Entry {
        WindowControl control;
        std::string_view caption;
        Box box;
    };
    for (const Entry& e : {Entry{WindowControl::SpeedButton1, "TamaSi", {1, 0, 57, 18}},
                           Entry{WindowControl::Options, "opciebi", {57, -1, 64, 18}},
                           Entry{WindowControl::Rule, "wesebi", {121, -1, 57, 18}},
                           Entry{WindowControl::Ab, "About", {177, -1, 57, 18}}}) {
        ControlSpec& button = b.Add(ControlKind::FlatButton, e.control, e.box);
        button.parent = inBar;
        button.caption = e.caption;
        button.font = e.control == WindowControl::Ab
                          ? FontSpec{FontFace::MonotypeCorsiva, 13, false, true}
                          : FontSpec{FontFace::AcadNusx, 12};
    }
    ControlSpec& drop = b.Add(ControlKind::Panel, WindowControl::Qmenu, {5, 8, 92, 61});
    drop.ground = colour::kMenuBar;
    drop.visible = false;
    const std::size_t inMenu = b.Last();
    ControlSpec& start = b.Add(ControlKind::FlatButton, Element::bbb, {-8, 3, 105, 22});
    start.caption = "dawyeba";
    start.parent = inMenu;
    start.font = {FontFace::AcadNusx, 12};
    ControlSpec& quit =
        b.Add(ControlKind::FlatButton, WindowControl::SpeedButton4, {-8, 25, 105, 22});
    quit.caption = "gaTiSva ";
    quit.parent = inMenu;
    quit.font = {FontFace::AcadNusx, 12};
}

void AddNameEntryAndDebug(Builder& b) {
    ControlSpec& name = b.Add(ControlKind::EditBox, Element::saxeli, {88, 32, 97, 21});
    name.caption = "  saxeli";
    name.font = {FontFace::AcadNusx, 12};
    name.visible = false;
    ControlSpec& ok = b.Add(ControlKind::Button, Element::BitBtn1, {160, 33, 24, 18});
    ok.caption = "ok";
    ok.visible = false;
    ok.enabled = false;

    ControlSpec& clip = b.Add(ControlKind::Animation, Element::reklama, {0, 0, 273, 129});
    clip.ground = colour::kBrown;
    clip.visible = false;

    b.Add(ControlKind::Memo, WindowControl::me, {608, 200, 257, 177}).caption = "me";
    ControlSpec& clear = b.Add(ControlKind::Button, WindowControl::Button1, {632, 168, 153, 25});
    clear.caption = "Button1";
    clear.font = {FontFace::Sylfaen, 11};
    b.Add(ControlKind::Button, WindowControl::Button2, {848, 360, 17, 17});
    // The hint beside the hand, below computer 1's column; the window places it for its size.
    ControlSpec& hint = b.Add(ControlKind::Button, WindowControl::rCeva, {8, 876, 88, 26});
    hint.caption = "rCeva";
    hint.font = {FontFace::AcadNusx, 13};
    ControlSpec& strengths = b.Add(ControlKind::List, WindowControl::hhh, {632, 192, 153, 177});
    strengths.ground = colour::kBrown;
    strengths.visible = false;
}

std::vector<ControlSpec> BuildControls() {
    Builder b;
    const Box below{0, kMenuBarHeight, kDesignWidth, kDesignHeight - kMenuBarHeight};
    ControlSpec& fon = Picture(b, Element::fon, below, "FONI");
    fon.pointer = Pointer::NoDrop;
    b.Add(ControlKind::PaintBox, WindowControl::p, below);
    Picture(b, Element::noclick, {104, 144, 785, 665}, "").pointer = Pointer::NoDrop;
    AddCardsAndSpots(b);
    AddBidAndTrickLabels(b);
    TableLabel(b, Element::ara, {0, 0, 150, 20}, {FontFace::AcadNusx, 20, false, true},
               colour::kRed, TextAlign::Left)
        .caption = "ar SeiZleba!!! ";
    ControlSpec& deck = Picture(b, Element::b, {680, 552, kDesignCardW, kDesignCardH}, "BACK");
    deck.pointer = Pointer::Hand;
    deck.visible = false;
    AddScoreSheet(b);
    b.Add(ControlKind::FlatButton, WindowControl::Game, {288, 624, 89, 57}).visible = false;
    AddMessagesAndChoices(b);
    AddMenus(b);
    AddNameEntryAndDebug(b);
    return b.controls;
}

}  // namespace

const std::vector<ControlSpec>& TableControls() {
    static const std::vector<ControlSpec> kControls = BuildControls();
    return kControls;
}

const ControlSpec* ControlOf(Element e) {
    static const PerElement<const ControlSpec*> kByElement = [] {
        PerElement<const ControlSpec*> byElement{};
        for (const ControlSpec& c : TableControls()) {
            if (c.element != kWindowOnly) byElement[c.element] = &c;
        }
        return byElement;
    }();
    return kByElement[e];
}

bool IsWindowed(ControlKind kind) {
    switch (kind) {
        case ControlKind::Picture:
        case ControlKind::Label:
        case ControlKind::PaintBox:
            return false;
        default:
            return true;
    }
}

}  // namespace zavkari
