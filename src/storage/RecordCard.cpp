#include "RecordCard.h"

#include "MessageBox.h"

const QString kAccessError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

namespace {

const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kChangesSaved
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kCardAdded = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kDuplicateRefused = QStringLiteral(
    "Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che questa \u00E8 stata "
    "inserita in archivio.");
const QString kDuplicateReady
    = QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                     "Al termine premere Salva per inserire la scheda in archivio.");

// The number in lblPosizione; 0 for a new card.
qint64 positionOf(const CardView& view)
{
    return view.position().toLongLong();
}

} // namespace

RecordCard::RecordCard(CardView& view, RecordFile file)
    : m_view(view)
    , m_file(std::move(file))
{
}

void RecordCard::first()
{
    const auto count = m_file.count();
    if (!count)
        return accessError();
    if (*count == 0)
        return MessageBox::information(m_view.cardWindow(), kEmptyArchive);
    show(1);
}

void RecordCard::last()
{
    const auto count = m_file.count();
    if (!count)
        return accessError();
    if (*count == 0)
        return MessageBox::information(m_view.cardWindow(), kEmptyArchive);
    show(*count);
}

void RecordCard::next()
{
    const auto count = m_file.count();
    if (!count)
        return accessError();
    if (*count == 0) {
        m_view.setPosition(QString());
        return MessageBox::information(m_view.cardWindow(), kEmptyArchive);
    }
    const qint64 p = positionOf(m_view);
    if (p < *count)
        show(p + 1);
}

void RecordCard::previous()
{
    const auto count = m_file.count();
    if (!count)
        return accessError();
    if (m_view.position() == QLatin1String("1"))
        return;
    if (*count == 0)
        return MessageBox::information(m_view.cardWindow(), kEmptyArchive);
    const qint64 p = positionOf(m_view);
    show(p == 0 ? 1 : p - 1);
}

void RecordCard::newCard()
{
    m_view.clearCard();
    m_view.setPosition(QString());
}

void RecordCard::save()
{
    if (!m_view.checkCard())
        return;
    const QByteArray record = m_view.cardRecord();
    const qint64 p = positionOf(m_view);
    if (p > 0) {
        // Read and written under one lock, so that a loan made meanwhile on another computer stays.
        QByteArray stored;
        const auto written = m_file.update(p, [&](QByteArray& bytes) {
            stored = record;
            m_view.keepStoredFields(bytes, stored);
            bytes = stored;
            return true;
        });
        if (!written.value_or(false))
            return accessError();
        if (stored != record)
            m_view.showRecord(stored);
        m_view.recordStored(p);
        MessageBox::information(m_view.cardWindow(), kChangesSaved);
        return;
    }
    const auto n = m_file.append(record);
    if (!n)
        return accessError();
    m_view.setPosition(QString::number(*n));
    m_view.recordStored(*n);
    MessageBox::information(m_view.cardWindow(), kCardAdded);
}

void RecordCard::duplicate()
{
    if (m_view.position().isEmpty())
        return MessageBox::warning(m_view.cardWindow(), kDuplicateRefused);
    // The archive is checked first, so that a card that cannot become a copy stays as it was.
    if (!m_file.touch())
        return MessageBox::warning(m_view.cardWindow(), kAccessError);
    m_view.clearForDuplicate();
    m_view.setPosition(QString());
    m_view.focusCode();
    MessageBox::information(m_view.cardWindow(), kDuplicateReady);
}

void RecordCard::show(qint64 n)
{
    const auto record = m_file.read(n);
    if (!record)
        return accessError();
    m_view.showRecord(*record);
    m_view.setPosition(QString::number(n));
    m_view.recordLoaded(n);
}

void RecordCard::accessError()
{
    MessageBox::error(m_view.cardWindow(), kAccessError);
}
