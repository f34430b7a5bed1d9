#include "title_bar.h"

#include <QGuiApplication>
#include <QWidget>
#include <array>

// Xlib's macros clash with Qt's names: it comes last.
#include <X11/Xlib.h>

namespace zavkari {
namespace {

// _MOTIF_WM_HINTS: which of its fields count, the functions the manager offers and the decorations
// it draws.
constexpr unsigned long kFunctionsField = 1UL << 0;
constexpr unsigned long kDecorationsField = 1UL << 1;
constexpr unsigned long kMoveFunction = 1UL << 2;
constexpr unsigned long kBorderDecoration = 1UL << 1;
constexpr unsigned long kTitleDecoration = 1UL << 3;

}  // namespace

void askForTitleBarOnly(QWidget& dialog) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return;
    // Flags, functions, decorations, input mode, status; Xlib takes 32-bit items as longs.
    const std::array<unsigned long, 5> hints = {kFunctionsField | kDecorationsField, kMoveFunction,
                                                kBorderDecoration | kTitleDecoration, 0, 0};
    const Atom motifHints = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, dialog.winId(), motifHints, motifHints, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(hints.data()),
                    static_cast<int>(hints.size()));
    XFlush(display);
}

}  // namespace zavkari
