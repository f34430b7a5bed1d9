#include "lost_window_watch.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace zavkari {

LostWindowWatch::LostWindowWatch() {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool LostWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit marks events that another client sent.
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
    const xcb_window_t lost = static_cast<const xcb_destroy_notify_event_t*>(message)->window;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->internalWinId() != lost) continue;
        // Later, outside the platform's event handling.
        QMetaObject::invokeMethod(
            window,
            [window] {
                window->close();
                if (QWindow* native = window->windowHandle()) native->destroy();
            },
            Qt::QueuedConnection);
    }
    return false;
}

}  // namespace zavkari
