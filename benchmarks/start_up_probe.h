// The real program watched from outside, on the X screen this process shows on: started as a user
// starts it, timed until the splash's first frame is on the screen and until the table covers it,
// and its memory read from the kernel while it waits at the table.
#pragma once

#include <QString>
#include <optional>

namespace zavkari {

struct StartUpFigures {
    double firstFrameMs = 0;     // exec to the splash's first frame on the screen; -1: never seen
    double tableMs = 0;          // exec to the table on the screen
    double splashPeakMb = 0;     // peak resident memory before the table was on the screen
    double idleRssMb = 0;        // resident memory at the idle table, `idleAtMs` after exec
    double idleAnonymousMb = 0;  // its anonymous part (heap and the like, not mapped files)
    double peakMb = 0;           // peak resident memory until then
};

// Starts `program` once and measures it; nothing when the table did not come within 20 s or the
// display is not an X screen.
std::optional<StartUpFigures> ProbeStartUp(const QString& program, int idleAtMs);

}  // namespace zavkari
