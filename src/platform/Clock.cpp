#include "Clock.h"

namespace {

QDateTime g_fixed;

} // namespace

QDate Clock::today()
{
    return now().date();
}

QDateTime Clock::now()
{
    return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime& moment)
{
    g_fixed = moment;
}

void Clock::reset()
{
    g_fixed = QDateTime();
}
