#pragma once

#include "LineBuilder.h"

// The line that stands for a member in every member list: the member search, the renewal
// schedule.
const LineBuilder& memberListLine();
// The same line, marked "[SCHEDA ANNULLATA]" before the notes for a cancelled member: the list of
// the returns screen, which also finds cancelled members.
const LineBuilder& markedMemberListLine();

// The line of a loan on a member's loan card: "  Scad: " before the due date as read from the
// register; the line added right after a loan reads "  Scad. ".
const LineBuilder& loanCardLine();
const LineBuilder& addedLoanLine();

// The line of a loan in the loan summary.
const LineBuilder& summaryLine();
