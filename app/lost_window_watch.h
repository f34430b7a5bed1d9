// Notices when the X server destroys one of the program's windows behind its back (`xdotool
// windowclose`, a window manager gone wrong): the window is then closed as if the player had
// closed it, so that a lost table ends the program, and it gets a new native window should it be
// shown again. Other display systems do not destroy a program's windows.
#pragma once

#include <QAbstractNativeEventFilter>

namespace zavkari {

class LostWindowWatch : public QAbstractNativeEventFilter {
  public:
    // Watches the program's top-level windows from now on until it is destroyed.
    LostWindowWatch();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

}  // namespace zavkari
