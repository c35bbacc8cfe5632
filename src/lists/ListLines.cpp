#include "ListLines.h"

namespace {

LineBuilder memberLine(bool markCancelled)
{
    const RecordType& t = RecordType::of<TSchedaTesserato>();
    LineBuilder b;
    b.pad(t.spot(QStringLiteral("Tesserato")), 30)
        .text("  Tessera n. ")
        .pad(t.spot(QStringLiteral("NumTessera")), 20)
        .text("  Scad. ")
        .pad(t.spot(QStringLiteral("DataScade")), 10)
        .text("  Tel. ")
        .pad(t.spot(QStringLiteral("Recapito")), 12)
        .text("  ");
    if (markCancelled)
        b.textIf(t.spot(QStringLiteral("Annullata")), "S\xEC", "[SCHEDA ANNULLATA]  ");
    b.trim(t.spot(QStringLiteral("Note")));
    return b;
}

LineBuilder loanLine(const char* dueLabel)
{
    const RecordType& t = RecordType::of<TSchedaPrestito>();
    LineBuilder b;
    b.pad(t.spot(QStringLiteral("Tipo")), 5)
        .text("  Cod. ")
        .pad(t.spot(QStringLiteral("Codice")), 24)
        .text("  ")
        .pad(t.spot(QStringLiteral("Titolo")), 80)
        .text("  Data: ")
        .trim(t.spot(QStringLiteral("Data")))
        .text(dueLabel)
        .trim(t.spot(QStringLiteral("DataSca")));
    return b;
}

} // namespace

const LineBuilder& memberListLine()
{
    static const LineBuilder line = memberLine(false);
    return line;
}

const LineBuilder& markedMemberListLine()
{
    static const LineBuilder line = memberLine(true);
    return line;
}

const LineBuilder& loanCardLine()
{
    static const LineBuilder line = loanLine("  Scad: ");
    return line;
}

const LineBuilder& addedLoanLine()
{
    static const LineBuilder line = loanLine("  Scad. ");
    return line;
}

const LineBuilder& summaryLine()
{
    static const LineBuilder line = [] {
        const RecordType& t = RecordType::of<TSchedaPrestito>();
        LineBuilder b;
        b.pad(t.spot(QStringLiteral("Tipo")), 5)
            .text("  Cod. ")
            .pad(t.spot(QStringLiteral("Codice")), 24)
            .text("  ")
            .pad(t.spot(QStringLiteral("Titolo")), 48)
            .text("  Data: ")
            .trim(t.spot(QStringLiteral("Data")))
            .text("  Rest. ")
            .pad(t.spot(QStringLiteral("DataRes")), 10)
            .text("  Utente: ")
            .trim(t.spot(QStringLiteral("Tesserato")));
        return b;
    }();
    return line;
}
