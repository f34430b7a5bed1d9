// Every control of the table window with its design look: kind, picture, font, colours, design
// position and size, caption and items, in the order the window creates them. The window builds its
// widgets by walking this table, and the table model takes each element's starting state from it,
// so the headless table and the window start alike.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "table_elements.h"

namespace zavkari {

enum class ControlKind {
    Picture,     // a bitmap stretched to its box, or a bare box (covers, played-card spots)
    Label,       // a text on a transparent or coloured ground
    RadioGroup,  // a captioned group of choices in columns
    Button,      // a push button
    FlatButton,  // a flat button of the menu bar or the drop-down menu
    Memo,        // a multi-line text with scroll bars
    List,        // a list box
    GroupBox,    // a captioned box holding other controls
    EditBox,     // a one-line text entry
    Animation,   // a looping or one-shot clip
    PaintBox,    // a surface the window paints itself
    ToolBar,     // the menu bar along the top
    Panel,       // the drop-down menu panel
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colour {
inline constexpr Rgb kBaize{0, 146, 63};         // the table's green
inline constexpr Rgb kBrown{128, 64, 0};         // the sheet panel, the trump box
inline constexpr Rgb kMenuBar{226, 222, 197};    // the menu bar and the drop-down menu
inline constexpr Rgb kBidGrey{219, 219, 219};    // the bid labels
inline constexpr Rgb kDarkRed{140, 0, 0};        // the bid list and the waiRos choice
inline constexpr Rgb kMaroon{128, 0, 0};         // the trump choice
inline constexpr Rgb kRed{255, 0, 0};            // "ar SeiZleba!!! "
inline constexpr Rgb kSilver{192, 192, 192};     // the declaration and renege messages
inline constexpr Rgb kWhite{255, 255, 255};      // the sheet's texts
inline constexpr Rgb kWindowText{0, 0, 0};       // the desktop's text colour
inline constexpr Rgb kScrollBar{200, 200, 200};  // the desktop's scroll-bar colour
}  // namespace colour

enum class FontFace { AcadNusx, Sylfaen, MsSansSerif, MonotypeCorsiva };

struct FontSpec {
    FontFace face = FontFace::AcadNusx;
    int pixels = 11;
    bool bold = false;
    bool italic = false;
};

enum class TextAlign { Left, Centre, Right };
enum class Pointer { Arrow, Hand, NoDrop };

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Box&, const Box&) = default;
};

// An element the rules never address: a control that only the window has.
inline constexpr Element kWindowOnly = static_cast<Element>(-1);

// The controls that only the window has, in the order they are created; the one list makes both
// the enumerators and their names.
#define ZAVKARI_WINDOW_CONTROLS(X)                            \
    X(p)            /* the surface the table is painted on */ \
    X(Game)         /* the hidden deal button */              \
    X(menu)         /* the menu bar */                        \
    X(SpeedButton1) /* "TamaSi": opens the drop-down menu */  \
    X(Options)      /* "opciebi" */                           \
    X(Rule)         /* "wesebi" */                            \
    X(Ab)           /* "About" */                             \
    X(Qmenu)        /* the drop-down menu */                  \
    X(SpeedButton4) /* "gaTiSva " */                          \
    X(me)           /* the debug memo */                      \
    X(Button1)      /* clears the memo */                     \
    X(Button2)      /* writes the memo to its file */         \
    X(rCeva)        /* the hint */                            \
    X(hhh)          /* the list of the human's hand strengths */

enum class WindowControl : int {
#define ZAVKARI_ENUMERATOR(name) name,
    ZAVKARI_WINDOW_CONTROLS(ZAVKARI_ENUMERATOR)
#undef ZAVKARI_ENUMERATOR
};
inline constexpr int kWindowControlCount = static_cast<int>(WindowControl::hhh) + 1;

constexpr std::size_t Index(WindowControl c) {
    return static_cast<std::size_t>(c);
}
template <class T>
using PerWindowControl = PerId<WindowControl, T, kWindowControlCount>;

struct ControlSpec {
    std::string name;
    ControlKind kind = ControlKind::Picture;
    Element element = kWindowOnly;
    WindowControl windowControl{};  // which one, when the element is kWindowOnly
    // The position in TableControls() of the control it lies in; none: the window itself.
    std::optional<std::size_t> parent;
    std::string_view picture;  // resource name of its bitmap; empty: none
    Box design;                // in its parent; a zero size is set by the layout or by the text
    std::string_view caption;
    std::string_view hint;                // shown while the pointer rests on the control
    std::vector<std::string_view> items;  // the choices of a radio group
    int columns = 1;
    FontSpec font;
    Rgb text = colour::kWindowText;
    std::optional<Rgb> ground;  // none: transparent, the control shows what lies behind it
    TextAlign align = TextAlign::Left;
    Pointer pointer = Pointer::Arrow;
    bool visible = true;
    bool enabled = true;      // a disabled control ignores clicks
    bool autoSize = false;    // a label that sizes itself to its text
    bool clearWhite = false;  // a picture whose white lets what lies behind it show
};

// Every control of the table window, in the order of creation, which is also the stacking order of
// the pictures and labels (the first lies at the back): the control at index i starts at z = i + 1.
const std::vector<ControlSpec>& TableControls();

// The entry of an element.
const ControlSpec* ControlOf(Element e);

// Whether the control lies among the windowed controls (menu bar, radio groups, buttons, memo,
// list, group box, edit box, animation), which are always above the pictures and labels.
bool IsWindowed(ControlKind kind);

}  // namespace zavkari
