#include "ImportPlan.h"

#include "CardRules.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "Rules.h"
#include "ShortString.h"
#include "Windows1252.h"

#include <cstring>

namespace {

const QString kColumns = QStringLiteral("La riga ha %1 colonne, mentre la prima riga ne ha %2.");
const QString kInArchive
    = QStringLiteral("Il codice %1 \u00E8 gi\u00E0 assegnato alla scheda n. %2 dell'archivio.");
const QString kInFile = QStringLiteral("Il codice %1 compare gi\u00E0 alla riga %2 del file.");
const QString kFlag = QStringLiteral("%1: indicare S\u00EC oppure No, non \u00AB%2\u00BB.");
const QString kNotice
    = QStringLiteral("%1: indicare un numero intero di giorni da 0 a 999, non \u00AB%2\u00BB.");
const QString kBroken = QStringLiteral(
    "Le virgolette aperte in questa riga non vengono mai chiuse: da qui alla fine il file non pu\u00F2 essere letto.");
const QString kCut = QStringLiteral("%1: testo di %2 caratteri tagliato a %3.");
const QString kReplaced = QStringLiteral(
    "%1: i caratteri che l'archivio non pu\u00F2 contenere sono stati sostituiti da \u00AB?\u00BB.");
const QString kBreaks = QStringLiteral("%1: gli a capo sono stati sostituiti da spazi.");
const QString kReasonHeader = QStringLiteral("Motivo");

// Records handed to the archive at a time.
constexpr int kBlock = 256;
// Rows checked between two reports of progress.
constexpr int kCheckStep = 1024;

// A card's message as a reason in the list: its first paragraph, without the opening "Attenzione: ".
QString reasonOf(const QString& message)
{
    QString reason = message.section(QStringLiteral("\n\r\n\r"), 0, 0);
    const QString attention = QStringLiteral("Attenzione: ");
    if (reason.startsWith(attention))
        reason = reason.mid(attention.size());
    if (!reason.isEmpty())
        reason[0] = reason.at(0).toUpper();
    return reason;
}

bool isControl(QChar c)
{
    return c.unicode() < 32;
}

// Whether the archive's code page lacks a character of the text.
bool hasUnstorable(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x80 && (c.isSurrogate() || Windows1252::encodeChar(c.unicode()) == '?');
    });
}

bool allOf(QStringView text, char16_t from, char16_t to)
{
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return c >= from && c <= to; });
}

// Whether a word of a joined cell is the part the field holds at its edge: a province's two
// capital letters, a postcode's digits.
bool isEdgePart(const QString& field, QStringView word)
{
    if (field.startsWith(QLatin1String("Prov")))
        return word.size() == 2 && allOf(word, u'A', u'Z');
    return !word.isEmpty() && word.size() <= 5 && allOf(word, u'0', u'9');
}

bool isEdgeField(const QString& field)
{
    return field.startsWith(QLatin1String("Prov")) || field == QLatin1String("CapRes");
}

// A cell the export joins with single blanks, taken apart: the postcode from its start and the
// province from its end, when they are there, and the town in between.
QList<QStringView> splitJoined(const QStringList& fields, QStringView text)
{
    const QList<QStringView> words = text.isEmpty() ? QList<QStringView>() : text.split(u' ');
    QList<QStringView> parts(fields.size());
    qsizetype first = 0;
    qsizetype last = words.size();
    qsizetype middle = 0;
    while (middle < fields.size() && isEdgeField(fields.at(middle)))
        ++middle;
    for (qsizetype i = 0; i < middle; ++i) {
        if (first < last && isEdgePart(fields.at(i), words.at(first)))
            parts[i] = words.at(first++);
    }
    for (qsizetype i = fields.size() - 1; i > middle; --i) {
        if (last > first && isEdgePart(fields.at(i), words.at(last - 1)))
            parts[i] = words.at(--last);
    }
    // The words in between, as they stand in the cell.
    if (middle < fields.size() && first < last) {
        const qsizetype begin = words.at(first).data() - text.data();
        const qsizetype end = words.at(last - 1).data() + words.at(last - 1).size() - text.data();
        parts[middle] = text.mid(begin, end - begin);
    }
    return parts;
}

// A two-state flag as a spreadsheet may write it.
std::optional<QString> flag(QStringView text)
{
    if (text.isEmpty() || text.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0)
        return ShortString::kNo;
    if (text.compare(ShortString::kYes, Qt::CaseInsensitive) == 0
        || text.compare(QLatin1String("si"), Qt::CaseInsensitive) == 0)
        return ShortString::kYes;
    return std::nullopt;
}

bool isNoticeDays(QStringView text)
{
    return !text.isEmpty() && text.size() <= 3 && allOf(text, u'0', u'9');
}

// A field of a CSV line, in double quotes when it needs them.
QString csvField(QStringView text, QChar separator)
{
    const bool quote = text.contains(separator) || text.contains(u'"') || text.contains(u'\n')
        || text.contains(u'\r') || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text.toString();
    QString field = text.toString();
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

} // namespace

ImportPlan::ImportPlan(const ImportTable& table, SheetFile::Sheet sheet)
    : m_table(table)
    , m_sheet(std::move(sheet))
{
    const SheetTable& cells = m_sheet.table;
    for (int r = 0; r < cells.rowCount() && m_firstRow < 0; ++r) {
        if (!cells.isBlank(r))
            m_firstRow = r;
    }
    m_columnCount = m_firstRow < 0 ? 0 : cells.columnCount(m_firstRow);
    m_targets.fill(-1, m_columnCount);
    for (int c = 0; c < m_columnCount; ++c) {
        const int target = m_table.match(header(c));
        if (target >= 0 && holderOf(target) < 0) {
            m_targets[c] = target;
            m_matchedAny = true;
        }
    }
    findColumns();
    findDataRows();
}

std::optional<ArchiveCodes> ImportPlan::archiveCodes(const ImportTable& table, const RecordFile& archive)
{
    ArchiveCodes codes;
    if (table.codeField.isEmpty())
        return codes;
    const FieldSpot code = table.type->spot(table.codeField);
    // The first record that carries a code is the one named.
    const bool read = archive.scan([&](qint64 n, const char* record) {
        const QString key = Rules::codeKey(code.read(record));
        if (!codes.contains(key))
            codes.insert(key, n);
        return true;
    });
    if (!read)
        return std::nullopt;
    return codes;
}

void ImportPlan::setHasHeader(bool header)
{
    m_hasHeader = header;
    findDataRows();
}

QString ImportPlan::header(int column) const
{
    if (!m_hasHeader || m_firstRow < 0)
        return QString();
    return ShortString::trimmed(m_sheet.table.cell(m_firstRow, column).toString());
}

void ImportPlan::setTarget(int column, int target)
{
    if (column < 0 || column >= m_columnCount)
        return;
    m_targets[column] = -1;
    if (target >= 0) {
        for (int holder = holderOf(target); holder >= 0; holder = holderOf(target))
            m_targets[holder] = -1;
    }
    m_targets[column] = target;
    findColumns();
}

int ImportPlan::holderOf(int target) const
{
    const QStringList& fields = m_table.targets.at(target).fields;
    for (int c = 0; c < m_columnCount; ++c) {
        if (m_targets.at(c) < 0)
            continue;
        const QStringList& held = m_table.targets.at(m_targets.at(c)).fields;
        if (std::any_of(fields.begin(), fields.end(), [&](const QString& f) { return held.contains(f); }))
            return c;
    }
    return -1;
}

void ImportPlan::findColumns()
{
    m_columns.clear();
    for (int c = 0; c < m_columnCount; ++c) {
        if (m_targets.at(c) < 0)
            continue;
        Column column {c, &m_table.targets.at(m_targets.at(c)), {}};
        for (const QString& field : column.target->fields)
            column.spots << m_table.type->spot(field);
        m_columns << column;
    }
}

void ImportPlan::findDataRows()
{
    m_dataRows.clear();
    if (m_firstRow < 0)
        return;
    for (int r = m_firstRow + (m_hasHeader ? 1 : 0); r < m_sheet.table.rowCount(); ++r) {
        if (!m_sheet.table.isBlank(r))
            m_dataRows.append(r);
    }
}

QByteArray ImportPlan::startingRecord() const
{
    QHash<QString, QString> values = m_table.starting();
    for (const Column& column : m_columns)
        for (const QString& field : column.target->fields)
            values.remove(field);
    for (auto it = m_table.fixed.begin(); it != m_table.fixed.end(); ++it)
        values.insert(it.key(), it.value());
    return m_table.type->record(values);
}

void ImportPlan::build(int row, const QByteArray& start, char* record, Findings* findings) const
{
    std::memcpy(record, start.constData(), size_t(start.size()));
    QString cleaned;
    for (const Column& column : m_columns) {
        QStringView text = ShortString::trimmed(m_sheet.table.cell(row, column.index));
        // A line break, a tab or another control character inside a cell is a blank in a field.
        if (std::any_of(text.begin(), text.end(), isControl)) {
            cleaned = text.toString();
            std::replace_if(cleaned.begin(), cleaned.end(), isControl, QChar(u' '));
            text = cleaned;
            if (findings)
                findings->notices << kBreaks.arg(column.target->label);
        }
        const QStringList& fields = column.target->fields;
        const QList<QStringView> parts
            = fields.size() == 1 ? QList<QStringView> {text} : splitJoined(fields, text);
        for (qsizetype i = 0; i < fields.size(); ++i)
            store(fields.at(i), column.spots.at(i), ShortString::trimmed(parts.at(i)), record, findings);
    }
}

void ImportPlan::store(
    const QString& field, const FieldSpot& spot, QStringView text, char* record, Findings* findings) const
{
    if (field == QLatin1String("Annullata")) {
        const auto value = flag(text);
        if (!value && findings)
            findings->problems << kFlag.arg(m_table.fieldLabel(field), text);
        spot.store(record, value.value_or(ShortString::kNo));
        return;
    }
    const qsizetype characters = ShortString::store(text, record + spot.offset, spot.capacity);
    if (!findings)
        return;
    if (field == QLatin1String("Preavviso") && !text.isEmpty() && !isNoticeDays(text)) {
        findings->problems << kNotice.arg(m_table.fieldLabel(field), text);
        return;
    }
    if (hasUnstorable(text))
        findings->notices << kReplaced.arg(m_table.fieldLabel(field));
    if (characters > spot.capacity)
        findings->notices << kCut.arg(m_table.fieldLabel(field)).arg(characters).arg(spot.capacity);
}

QByteArray ImportPlan::record(int row) const
{
    QByteArray bytes(m_table.type->size(), Qt::Uninitialized);
    build(row, startingRecord(), bytes.data(), nullptr);
    return bytes;
}

bool ImportPlan::check(const ArchiveCodes& codes, const Progress& progress)
{
    m_reports.clear();
    m_accepted.clear();
    m_acceptedCodes.clear();
    const RecordType& type = *m_table.type;
    const FieldSpot code = m_table.codeField.isEmpty() ? FieldSpot() : type.spot(m_table.codeField);
    const QByteArray start = startingRecord();
    QByteArray record(type.size(), Qt::Uninitialized);
    const CardRules::Values value
        = [&](const QString& field) { return type.spot(field).read(record.constData()); };
    QHash<QString, int> seen;
    for (int i = 0; i < m_dataRows.size(); ++i) {
        if (progress && i % kCheckStep == 0 && !progress(i, m_dataRows.size()))
            return false;
        const int row = m_dataRows.at(i);
        Report report {row, true, {}};
        const int columns = m_sheet.table.columnCount(row);
        bool extraFilled = false;
        for (int c = m_columnCount; c < columns && !extraFilled; ++c)
            extraFilled = !ShortString::trimmed(m_sheet.table.cell(row, c)).isEmpty();
        if (columns < m_columnCount || extraFilled) {
            report.reasons << kColumns.arg(columns).arg(m_columnCount);
            m_reports << report;
            continue;
        }
        Findings findings;
        build(row, start, record.data(), &findings);
        for (const CardRules::Problem& problem : CardRules::problems(type, value))
            report.reasons << reasonOf(problem.message);
        report.reasons << findings.problems;
        QString key;
        if (code.offset >= 0) {
            const QString stored = code.read(record.constData());
            key = Rules::codeKey(stored);
            if (!key.isEmpty()) {
                if (codes.contains(key))
                    report.reasons << kInArchive.arg(stored).arg(codes.value(key));
                else if (seen.contains(key))
                    report.reasons << kInFile.arg(stored).arg(seen.value(key) + 1);
                else
                    seen.insert(key, row);
            }
        }
        report.refused = !report.reasons.isEmpty();
        report.reasons << findings.notices;
        if (!report.refused) {
            m_accepted << row;
            m_acceptedCodes << key;
        }
        if (!report.reasons.isEmpty())
            m_reports << report;
    }
    if (m_sheet.brokenRow >= 0)
        m_reports << Report {m_sheet.brokenRow, true, {kBroken}};
    return true;
}

int ImportPlan::refusedCount() const
{
    return int(std::count_if(m_reports.begin(), m_reports.end(), [](const Report& r) { return r.refused; }));
}

ImportPlan::Appended ImportPlan::append(const RecordFile& archive, const Progress& progress) const
{
    Appended appended;
    bool changed = false;
    bool stopped = false;
    int next = 0;
    const QByteArray start = startingRecord();
    // Checked under the lock: no other computer can give these codes away before they are stored.
    const auto codesFree = [&] {
        const auto codes = archiveCodes(m_table, archive);
        if (!codes)
            return false;
        changed = std::any_of(m_acceptedCodes.begin(), m_acceptedCodes.end(),
            [&](const QString& key) { return !key.isEmpty() && codes->contains(key); });
        return !changed;
    };
    const auto first = archive.appendAll(codesFree, [&]() -> std::optional<QByteArray> {
        if (next >= m_accepted.size())
            return QByteArray();
        if (progress && !progress(next, m_accepted.size())) {
            stopped = true;
            return std::nullopt;
        }
        const int size = m_table.type->size();
        const int count = std::min<int>(kBlock, int(m_accepted.size()) - next);
        QByteArray block(qsizetype(count) * size, Qt::Uninitialized);
        for (int i = 0; i < count; ++i)
            build(m_accepted.at(next++), start, block.data() + qsizetype(i) * size, nullptr);
        return block;
    });
    if (first) {
        appended.outcome = Outcome::Done;
        appended.first = *first;
        appended.count = int(m_accepted.size());
    } else {
        appended.outcome = stopped ? Outcome::Stopped : changed ? Outcome::Changed : Outcome::Failed;
    }
    return appended;
}

QByteArray ImportPlan::rejectsCsv() const
{
    const QChar separator = m_sheet.format == SheetFile::Format::Csv ? m_sheet.separator : QChar(u';');
    const SheetTable& cells = m_sheet.table;
    const auto line = [&](int row, const QString& last) {
        QStringList fields;
        if (row >= 0) {
            for (int c = 0; c < cells.columnCount(row); ++c)
                fields << csvField(cells.cell(row, c), separator);
        }
        while (fields.size() < m_columnCount)
            fields << QString();
        fields << csvField(last, separator);
        return fields.join(separator) + QStringLiteral("\r\n");
    };
    QString text;
    if (m_hasHeader && m_firstRow >= 0)
        text += line(m_firstRow, kReasonHeader);
    for (const Report& report : m_reports) {
        if (report.refused)
            text += line(
                report.row < cells.rowCount() ? report.row : -1, report.reasons.join(QLatin1Char(' ')));
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
