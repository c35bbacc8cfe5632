#pragma once

#include <QDate>
#include <QDateTime>

// The system clock; tests fix it so that nothing depends on the day they run.
class Clock {
public:
    static QDate today();
    static QDateTime now();

    // Test seam.
    static void setFixed(const QDateTime& moment);
    static void reset();
};
