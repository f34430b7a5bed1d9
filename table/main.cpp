#include <QApplication>
#include <QLabel>

#include "pictures.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(zavkari::pictures::programIcon());
    QLabel window(QStringLiteral("Zavkari"));
    window.setWindowTitle(QStringLiteral("Zavkari "));
    window.resize(640, 480);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return QApplication::exec();
}
