#include <QApplication>

#include "pictures.h"
#include "program_windows.h"

int main(int argc, char** argv) {
    // On Wayland Qt would start the desktop's OpenGL driver (Mesa, which maps LLVM: some 50 MB
    // resident) only to learn whether it may draw window frames itself; the program's windows are
    // drawn in shared memory all the same. Without the frames the dialogs show the compositor's
    // own (where it draws any) and the table, which has none, is as before.
    if (qEnvironmentVariableIsEmpty("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
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
