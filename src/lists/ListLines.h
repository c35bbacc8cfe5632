#pragma once

#include "LineBuilder.h"

// The line that stands for a member in every member list: the member search, the renewal
// schedule.
const LineBuilder& memberListLine();

// The line of a loan on a member's loan card: "  Scad: " before the due date as read from the
// register; the line added right after a loan reads "  Scad. ".
const LineBuilder& loanCardLine();
const LineBuilder& addedLoanLine();

// The line of a loan in the loan summary.
const LineBuilder& summaryLine();
