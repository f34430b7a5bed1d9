// Whether the desktop blends windows through their alpha channel: always on Wayland; on X11 only
// while a compositing manager runs, which owns the screen's _NET_WM_CM_S<n> selection.
#pragma once

namespace zavkari {

bool desktopBlendsWindows();

}  // namespace zavkari
