#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Zavkari"));
    window.setWindowTitle(QStringLiteral("Zavkari "));
    window.resize(640, 480);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return QApplication::exec();
}
