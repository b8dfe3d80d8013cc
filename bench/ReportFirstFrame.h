// How a launched program tells the start-up benchmark that its first frame is painted: it
// prints the moment, in nanoseconds of the steady clock, and quits.
#pragma once

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

inline void ReportFirstFrameAndQuit() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(
                              std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
    QCoreApplication::quit();
}
