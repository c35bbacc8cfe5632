#pragma once

#include "Report.h"

#include <QImage>
#include <QString>

// What a membership card carries: the library's data and logo, the member's data and photo.
struct CardContent {
    QString library, subtitle1, subtitle2, notes;
    QString member, role, number, issued, expires;
    QImage photo, logo;
};

// The card layout "Tesserino": one A4 portrait page, the card 86 x 54 mm at 10 mm from the margin
// origin; top and left margins in millimetres (they may be negative), no right or bottom margin.
Report membershipCard(const CardContent& card, qreal top, qreal left);
