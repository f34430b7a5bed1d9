#include "program_fonts.h"

#include <QFontDatabase>
#include <QSet>
#include <QStringList>
#include <array>

#include "georgian_text.h"

namespace zavkari {
namespace {

const QString acadNusx = QStringLiteral("AcadNusx");

struct StandIn {
    QString name;
    QStringList families;  // the first installed one is taken
    QFont::StyleHint hint;
};

const std::array<StandIn, 4>& standIns() {
    static const std::array<StandIn, 4> table{{
        {acadNusx,
         {"BPG Glaho GPL&GNU", "BPG Nino Medium GPL&GNU", "BPG Sans Regular GPL&GNU",
          "DejaVu Sans"},
         QFont::SansSerif},
        {"Sylfaen", {"BPG Serif GPL&GNU", "DejaVu Serif", "Nimbus Roman"}, QFont::Serif},
        {"MS Sans Serif", {"Nimbus Sans", "DejaVu Sans", "Liberation Sans"}, QFont::SansSerif},
        {"Monotype Corsiva", {"Z003", "URW Chancery L", "DejaVu Serif"}, QFont::Cursive},
    }};
    return table;
}

const StandIn* standInFor(const QString& name) {
    for (const StandIn& standIn : standIns())
        if (standIn.name.compare(name, Qt::CaseInsensitive) == 0) return &standIn;
    return nullptr;
}

// The installed families in lower case, listed once: the listing is slow, asked for every label
// the table draws, and the desktop's fonts do not change under a running game.
const QSet<QString>& installedFamilies() {
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        // A face installed by more than one foundry is listed as "Family [Foundry]".
        for (const QString& listed : QFontDatabase::families())
            names.insert(listed.section(QStringLiteral(" ["), 0, 0).toLower());
        return names;
    }();
    return installed;
}

}  // namespace

QString installedFamily(const QString& name) {
    const StandIn* standIn = standInFor(name);
    const StandIn& chosen = standIn != nullptr ? *standIn : standIns()[2];
    for (const QString& family : chosen.families)
        if (installedFamilies().contains(family.toLower())) return family;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont programFont(const QString& name, int pixelSize) {
    QFont font(installedFamily(name));
    const StandIn* standIn = standInFor(name);
    font.setStyleHint(standIn != nullptr ? standIn->hint : QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QString shownText(const QString& text, const QString& fontName) {
    return fontName.compare(acadNusx, Qt::CaseInsensitive) == 0 ? toGeorgian(text) : text;
}

}  // namespace zavkari
