#pragma once

#include <QFont>
#include <QString>

namespace zavkari {

// The windows name their fonts as the game always has: "AcadNusx" (Georgian drawn from Latin
// letters), "Sylfaen", "MS Sans Serif" and "Monotype Corsiva". These give the installed face that
// stands in for each, at a size in pixels; an unknown name or a missing face falls back to the
// nearest installed one.
QFont programFont(const QString& name, int pixelSize);

// The installed family that stands in for `name`.
QString installedFamily(const QString& name);

// The text as a widget in that font shows it: Georgian letters for an "AcadNusx" text.
QString shownText(const QString& text, const QString& fontName);

}  // namespace zavkari
