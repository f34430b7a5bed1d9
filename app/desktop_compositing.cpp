#include "desktop_compositing.h"

#include <QGuiApplication>
#include <string>

// Xlib's macros clash with Qt's names: it comes last.
#include <X11/Xlib.h>

namespace zavkari {

bool desktopBlendsWindows() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return true;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return false;
    const std::string selection = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    return XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False)) != None;
}

}  // namespace zavkari
