#pragma once

#include <QString>
#include <QStringView>

namespace zavkari {

// The program's texts are Georgian written with one Latin letter per Georgian letter, the way the
// old Georgian fonts drew them ("dawyeba" is "დაწყება"). These map such a text to Unicode Georgian
// and back; every character outside the alphabet stays as it is.
QString toGeorgian(QStringView latin);
QString toLatin(QStringView georgian);

}  // namespace zavkari
