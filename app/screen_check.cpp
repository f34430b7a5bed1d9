#include "screen_check.h"

namespace zavkari {

bool screenIsTallEnough(QSize screen) {
    return screen.height() >= 700;
}

QString screenTooSmallText(QSize screen) {
    return QStringLiteral("You can not run this program becouse your screen resolution is ") +
           QString::number(screen.width()) + QLatin1Char('x') + QString::number(screen.height()) +
           QStringLiteral(", program need screen resolution 1024x768 or higher");
}

}  // namespace zavkari
