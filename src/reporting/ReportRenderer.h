#pragma once

#include "Report.h"

#include <QList>

class QPagedPaintDevice;
class QPainter;

// A band, or the part of it between two of its heights, placed on a page.
struct BandSlice {
    int band;
    qreal top; // millimetres below the top of the printable area
    qreal from; // the part of the band shown, in band millimetres
    qreal to;
};

using PagePlan = QList<BandSlice>;

// Lays the bands out on pages: the title and data bands one below the other, a data band that
// can split cut between two lines of its texts, the footer at the foot of every page.
QList<PagePlan> paginate(const Report& report);

// Paints one page at the device's resolution.
void renderPage(const Report& report, const PagePlan& page, QPainter& painter, qreal dotsPerInch);

// Paints every page (or those of the given 1-based range, when it is set) on a paged device.
bool renderReport(const Report& report, QPagedPaintDevice& device, int firstPage = 0, int lastPage = 0);
