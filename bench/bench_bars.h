// One line for each figure: the figure beside its yardstick, the ratio and the bar it is held to.
#pragma once

#include <cstdio>

inline void PrintBar(const char* figure, double ms, const char* yardstick, double yardstickMs, double bar) {
    const double ratio = yardstickMs > 0 ? ms / yardstickMs : 0.0;
    std::printf("%-36s %8.1f ms | %-32s %8.1f ms | %5.2fx | bar %4.2fx %s\n", figure, ms, yardstick,
                yardstickMs, ratio, bar, ratio > 0 && ratio <= bar ? "met" : "NOT MET");
    std::fflush(stdout);
}

// A figure held to a time of its own rather than to a yardstick.
inline void PrintLimit(const char* figure, double ms, double limitMs) {
    std::printf("%-36s %8.1f ms | %-32s %8s    |        | bar %.0f ms %s\n", figure, ms, "", "", limitMs,
                ms <= limitMs ? "met" : "NOT MET");
    std::fflush(stdout);
}
