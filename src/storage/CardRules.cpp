#include "CardRules.h"

#include "Dates.h"
#include "RecordType.h"
#include "ShortString.h"

namespace {

const QString kTitleMissing
    = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il titolo del %1.");
const QString kCodeMissing = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare il codice identificativo del %1.");
const QString kCodeNotValidated = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario convalidare il codice identificativo del "
    "%1 utilizzando il pulsante a destra del campo di testo Codice.");
const QString kAuthorMissing
    = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare l'autore del libro.");
const QString kNameMissing
    = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome delL'utente.");
const QString kCardMissing = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare il numero di tessera delL'utente.");
const QString kIssueMissing = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare la data di rilascio della tessera.");
const QString kExpiryMissing = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare la data di scadenza della tessera.");
const QString kIssueWrong = QStringLiteral("Attenzione: la data di rilascio della tessera ");
const QString kExpiryWrong = QStringLiteral("Attenzione: la data di scadenza della tessera ");
const QString kDateWrongEnd = QStringLiteral(
    " non esiste.\n\r\n\rPer poter salvare la scheda \u00E8 necessario indicare una data valida nel formato "
    "gg/mm/aaaa.");
const QString kOrder = QStringLiteral("Attenzione: la data di scadenza (%1) non pu\u00F2 essere anteriore a "
                                      "quella di rilascio della tessera (%2).");
const QString kNoticeMissing
    = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare i giorni di preavviso.");

QList<CardRules::Problem> catalogueProblems(
    const CardRules::Values& value, const QString& item, bool author)
{
    const auto filled = [&](const char* field) {
        return !ShortString::trimmed(value(QLatin1String(field))).isEmpty();
    };
    QList<CardRules::Problem> found;
    if (!filled("Titolo"))
        found.append({kTitleMissing.arg(item), QStringLiteral("Titolo")});
    if (!filled("Codice"))
        found.append({kCodeMissing.arg(item), QStringLiteral("Codice")});
    if (ShortString::trimmed(value(QStringLiteral("Convalida"))) == ShortString::kNo)
        found.append({kCodeNotValidated.arg(item), QStringLiteral("Codice")});
    if (author && !filled("Autore"))
        found.append({kAuthorMissing, QStringLiteral("Autore")});
    return found;
}

QList<CardRules::Problem> memberProblems(const CardRules::Values& value)
{
    const auto text
        = [&](const char* field) { return ShortString::trimmed(value(QLatin1String(field))); };
    QList<CardRules::Problem> found;
    const std::pair<const char*, const QString&> required[] = {{"Tesserato", kNameMissing},
        {"NumTessera", kCardMissing}, {"DataRil", kIssueMissing}, {"DataScade", kExpiryMissing}};
    for (const auto& [field, message] : required) {
        if (text(field).isEmpty())
            found.append({message, QLatin1String(field)});
    }
    const QString issued = text("DataRil");
    const QString expires = text("DataScade");
    if (!issued.isEmpty() && !Dates::isValid(issued))
        found.append({kIssueWrong + issued + kDateWrongEnd, QStringLiteral("DataRil"), true});
    if (!expires.isEmpty() && !Dates::isValid(expires))
        found.append({kExpiryWrong + expires + kDateWrongEnd, QStringLiteral("DataScade"), true});
    if (Dates::isValid(issued) && Dates::isValid(expires) && Dates::parse(issued) > Dates::parse(expires))
        found.append({kOrder.arg(expires, issued), QString(), true});
    if (text("Preavviso").isEmpty())
        found.append({kNoticeMissing, QStringLiteral("Preavviso")});
    return found;
}

} // namespace

namespace CardRules {

QList<Problem> problems(const RecordType& type, const Values& value)
{
    if (&type == &RecordType::of<TSchedaLibro>())
        return catalogueProblems(value, QStringLiteral("libro"), true);
    if (&type == &RecordType::of<TSchedaDVD>())
        return catalogueProblems(value, QStringLiteral("DVD"), false);
    if (&type == &RecordType::of<TSchedaTesserato>())
        return memberProblems(value);
    return {};
}

} // namespace CardRules
