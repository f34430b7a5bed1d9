#include <QApplication>

#include "pictures.h"
#include "program_windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desktop links the windows to the game's menu entry and icon: on Wayland by the desktop
    // file's id, on X11 by the window class, which the desktop file names as StartupWMClass.
    QApplication::setApplicationName(QStringLiteral("zavkari"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Zavkari"));
    // The program ends with the splash, which stays hidden while the table is played.
    QApplication::setQuitOnLastWindowClosed(false);
    zavkari::ProgramWindows windows;
    QObject::connect(&windows, &zavkari::ProgramWindows::ended, &app, &QApplication::quit);
    windows.start();
    // The windows take up the program's icon: after the splash's first frame, which must not wait.
    QApplication::setWindowIcon(zavkari::pictures::programIcon());
    return QApplication::exec();
}
