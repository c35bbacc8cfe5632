#include "VisitorMode.h"

namespace {

bool g_on = false;

} // namespace

namespace VisitorMode {

void start()
{
    g_on = true;
}

bool isOn()
{
    return g_on;
}

void reset()
{
    g_on = false;
}

} // namespace VisitorMode
