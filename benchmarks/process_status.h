// Figures of this process from the kernel's status file.
#pragma once

#include <fstream>
#include <string>

namespace zavkari {

// A "Vm..." line of /proc/self/status in kilobytes ("VmRSS" resident, "VmHWM" its peak); 0 when
// the line is missing.
inline long ProcessStatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = field + ':';
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    }
    return 0;
}

}  // namespace zavkari
