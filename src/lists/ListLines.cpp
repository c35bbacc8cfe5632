#include "ListLines.h"

const LineBuilder& memberListLine()
{
    static const LineBuilder line = [] {
        const RecordType& t = RecordType::of<TSchedaTesserato>();
        LineBuilder b;
        b.pad(t.spot(QStringLiteral("Tesserato")), 30)
            .text("  Tessera n. ")
            .pad(t.spot(QStringLiteral("NumTessera")), 20)
            .text("  Scad. ")
            .pad(t.spot(QStringLiteral("DataScade")), 10)
            .text("  Tel. ")
            .pad(t.spot(QStringLiteral("Recapito")), 12)
            .text("  ")
            .trim(t.spot(QStringLiteral("Note")));
        return b;
    }();
    return line;
}
