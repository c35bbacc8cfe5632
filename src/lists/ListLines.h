#pragma once

#include "LineBuilder.h"

// The line that stands for a member in every member list: the member search, the renewal
// schedule.
const LineBuilder& memberListLine();
