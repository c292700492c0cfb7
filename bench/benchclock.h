#pragma once

#include <QElapsedTimer>

#include <ctime>

// Wall-clock and processor time of this thread, in milliseconds: on a busy machine the
// second shows what the work itself costs.
struct Clock {
    QElapsedTimer wall;
    double cpuStart = cpuNow();

    Clock() { wall.start(); }
    static double cpuNow()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    }
    double wallMs() const { return wall.nsecsElapsed() / 1e6; }
    double cpuMs() const { return cpuNow() - cpuStart; }
};
