#include "Search.h"

#include "ProgramFolder.h"
#include "RecordFile.h"
#include "ShortString.h"
#include "Windows1252.h"

#include <string_view>

namespace {

void lowerAToZ(char* bytes, int length)
{
    for (int i = 0; i < length; ++i) {
        if (bytes[i] >= 'A' && bytes[i] <= 'Z')
            bytes[i] = char(bytes[i] + ('a' - 'A'));
    }
}

// One counted criterion, ready to be matched against the bytes of the records.
class Matcher
{
public:
    Matcher(const FieldSpot& spot, const QString& text)
        : m_spot(spot)
    {
        for (const QChar c : text) {
            const char byte = Windows1252::encodeChar(c.unicode());
            // A character the archive cannot hold can never be found in it.
            if (byte == '?' && c != QLatin1Char('?'))
                m_possible = false;
            m_key.append(byte);
        }
        lowerAToZ(m_key.data(), int(m_key.size()));
    }

    bool matches(const char* record) const
    {
        if (!m_possible)
            return false;
        const QByteArray field = m_spot.trimmedBytes(record);
        char lowered[256];
        const int length = int(field.size());
        std::copy(field.constData(), field.constData() + length, lowered);
        lowerAToZ(lowered, length);
        return std::string_view(lowered, size_t(length)).find(std::string_view(m_key.constData(), size_t(m_key.size())))
            != std::string_view::npos;
    }

private:
    FieldSpot m_spot;
    QByteArray m_key;
    bool m_possible = true;
};

RecordFile archiveOf(const SearchTable& table)
{
    return RecordFile(ProgramFolder::file(table.fileName), table.recordSize);
}

} // namespace

namespace Search {

int countedCriteria(const Criteria& criteria)
{
    int counted = 0;
    for (const QString& c : criteria)
        counted += ShortString::trimmed(c).isEmpty() ? 0 : 1;
    return counted;
}

std::optional<QStringList> run(const SearchTable& table, const Criteria& criteria)
{
    std::vector<Matcher> matchers;
    for (size_t i = 0; i < criteria.size(); ++i) {
        // A criterion of blanks alone is not counted, and never matches.
        if (!ShortString::trimmed(criteria[i]).isEmpty())
            matchers.emplace_back(table.spot(table.criteria[i].field), criteria[i]);
    }
    const FieldSpot cancelled = table.spot("Annullata");
    const FieldSpot due = table.availableOnly ? table.spot("Scadenza") : FieldSpot();

    QStringList lines;
    const bool ok = archiveOf(table).scan([&](int, const char* record) {
        if (cancelled.trimmedBytes(record) != "No")
            return true;
        if (table.availableOnly && !due.trimmedBytes(record).isEmpty())
            return true;
        for (const Matcher& m : matchers) {
            if (!m.matches(record))
                return true;
        }
        lines.append(table.line(record));
        return true;
    });
    if (!ok)
        return std::nullopt;
    return lines;
}

std::optional<std::vector<Hit>> handBack(const SearchTable& table, const QString& line, const QString& marker)
{
    const QString chosen = ShortString::trimmed(line);
    const QStringList fields = table.handBack.value(marker);
    std::vector<Hit> hits;
    const bool ok = archiveOf(table).scan([&](int n, const char* record) {
        if (ShortString::trimmed(table.line(record)) != chosen)
            return true;
        Hit hit{n, {}};
        for (const QString& field : fields)
            hit.values.insert(field, table.spot(field.toLatin1().constData()).read(record));
        if (!fields.isEmpty())
            hits.push_back(hit);
        return true;
    });
    if (!ok)
        return std::nullopt;
    return hits;
}

} // namespace Search
