// Figures of a process from the kernel's status file.
#pragma once

#include <fstream>
#include <string>

namespace zavkari {

// A line of /proc/<process>/status in kilobytes ("VmRSS" resident, "RssAnon" its anonymous part,
// "VmHWM" the peak of resident memory); 0 when the line is missing.
inline long ProcessStatusKb(const std::string& field, const std::string& process = "self") {
    std::ifstream status("/proc/" + process + "/status");
    const std::string prefix = field + ':';
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    }
    return 0;
}

inline double ProcessStatusMb(const std::string& field, const std::string& process = "self") {
    return static_cast<double>(ProcessStatusKb(field, process)) / 1024.0;
}

}  // namespace zavkari
