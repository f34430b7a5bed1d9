#include "control_look.h"

#include "program_fonts.h"

namespace zavkari {
namespace {

QString faceName(FontFace face) {
    switch (face) {
        case FontFace::Sylfaen:
            return QStringLiteral("Sylfaen");
        case FontFace::MsSansSerif:
            return QStringLiteral("MS Sans Serif");
        case FontFace::MonotypeCorsiva:
            return QStringLiteral("Monotype Corsiva");
        case FontFace::AcadNusx:
            break;
    }
    return QStringLiteral("AcadNusx");
}

}  // namespace

QFont controlFont(const FontSpec& font, int points) {
    QFont f = programFont(faceName(font.face), font.pixels);
    if (points > 0) f.setPointSize(points);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

QString controlText(const ControlSpec& control, std::string_view text) {
    return shownText(QString::fromUtf8(text), faceName(control.font.face));
}

QColor toQColor(Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

QColor textColour(const ControlSpec& control, FontColour colour) {
    switch (colour) {
        case FontColour::White:
            return Qt::white;
        case FontColour::Red:
            return Qt::red;
        case FontColour::Black:
            return Qt::black;
        case FontColour::Standard:
            break;
    }
    return toQColor(control.text);
}

}  // namespace zavkari
