#pragma once

#include <QElapsedTimer>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// Several runs of one piece of work, in milliseconds.
struct Timings {
    std::vector<double> ms;

    double min() const { return *std::min_element(ms.begin(), ms.end()); }
    double max() const { return *std::max_element(ms.begin(), ms.end()); }
    double median() const
    {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
};

inline Timings timeRuns(int runs, const std::function<void()>& work)
{
    Timings t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        t.ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return t;
}

// The best of several runs of a piece of work, in milliseconds.
inline double bestOf(int runs, const std::function<void()>& work)
{
    return timeRuns(runs, work).min();
}

inline void printCommand(int argc, char* argv[])
{
    std::printf("$");
    for (int i = 0; i < argc; ++i)
        std::printf(" %s", argv[i]);
    std::printf("\n");
}
