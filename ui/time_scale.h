// The program's waits in real time. Tests run the windows faster by a time scale below 1.
#pragma once

#include <algorithm>
#include <cmath>

namespace zavkari {

// `ms` of the program's tempo at `timeScale`, at least one millisecond.
inline int scaledMs(int ms, double timeScale) {
    return std::max(1, static_cast<int>(std::lround(ms * timeScale)));
}

}  // namespace zavkari
