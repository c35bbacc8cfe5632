#pragma once

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>

// The best of several runs of a piece of work, in milliseconds.
inline double bestOf(int runs, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

inline void printCommand(int argc, char* argv[])
{
    std::printf("$");
    for (int i = 0; i < argc; ++i)
        std::printf(" %s", argv[i]);
    std::printf("\n");
}
