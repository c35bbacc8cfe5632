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

// Several pieces of work timed in rounds, each round running every piece once in turn, so that a
// machine whose speed drifts during the runs (a shared host) slows them all alike and their ratios
// stay fair.
inline std::vector<Timings> timeRounds(int runs, const std::vector<std::function<void()>>& works)
{
    std::vector<Timings> t(works.size());
    for (int i = 0; i < runs; ++i) {
        for (size_t w = 0; w < works.size(); ++w) {
            QElapsedTimer timer;
            timer.start();
            works[w]();
            t[w].ms.push_back(timer.nsecsElapsed() / 1e6);
        }
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
