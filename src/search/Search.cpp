#include "Search.h"

#include "ShortString.h"
#include "Windows1252.h"

#include <string_view>

namespace {

char lowerAToZ(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// Whether the key, already lower-cased, lies inside the text, its A-Z letters compared lower-cased.
bool containsLowered(std::string_view text, std::string_view key)
{
    if (key.size() > text.size())
        return false;
    const size_t last = text.size() - key.size();
    for (size_t start = 0; start <= last; ++start) {
        size_t i = 0;
        while (i < key.size() && lowerAToZ(text[start + i]) == key[i])
            ++i;
        if (i == key.size())
            return true;
    }
    return false;
}

// One counted criterion, ready to be matched against the bytes of the records.
class Matcher {
public:
    Matcher(const FieldSpot& spot, const QString& text)
        : m_spot(spot)
    {
        for (const QChar c : text) {
            const char byte = Windows1252::encodeChar(c.unicode());
            // A character the archive cannot hold can never be found in it.
            if (byte == '?' && c != QLatin1Char('?'))
                m_possible = false;
            m_key.push_back(lowerAToZ(byte));
        }
    }

    bool matches(const char* record) const
    {
        return m_possible && containsLowered(m_spot.trimmedBytes(record), m_key);
    }

private:
    FieldSpot m_spot;
    std::string m_key;
    bool m_possible = true;
};

} // namespace

namespace Search {

int countedCriteria(const Criteria& criteria)
{
    int counted = 0;
    for (const QString& c : criteria)
        counted += ShortString::trimmed(c).isEmpty() ? 0 : 1;
    return counted;
}

std::optional<RecordLines> run(const SearchTable& table, const Criteria& criteria)
{
    std::vector<Matcher> matchers;
    for (size_t i = 0; i < criteria.size(); ++i) {
        // A criterion of blanks alone is not counted, and never matches.
        if (!ShortString::trimmed(criteria[i]).isEmpty())
            matchers.emplace_back(table.type->spot(QLatin1String(table.criteria[i].field)), criteria[i]);
    }
    const FieldSpot cancelled = table.type->spot(QStringLiteral("Annullata"));
    const FieldSpot due = table.type->spot(QStringLiteral("Scadenza"));

    // Each half of the archive gets its own lines, joined in order at the end.
    RecordLines halves[2];
    const bool ok = table.type->archive().scanInHalves([&](int half, qint64 n, const char* record) {
        if (!table.withCancelled && cancelled.trimmedBytes(record) != "No")
            return;
        if (table.availableOnly && !due.trimmedBytes(record).empty())
            return;
        for (const Matcher& m : matchers) {
            if (!m.matches(record))
                return;
        }
        halves[half].append(table.listLine, record, n);
    });
    if (!ok)
        return std::nullopt;
    halves[0].append(std::move(halves[1]));
    halves[0].lines.squeeze();
    return std::move(halves[0]);
}

std::optional<QHash<QString, QString>> handBack(const SearchTable& table, qint64 record, const QString& marker)
{
    const auto fields = table.handBack.constFind(marker);
    if (fields == table.handBack.constEnd())
        return std::nullopt;
    const auto bytes = table.type->archive().read(record);
    if (!bytes)
        return std::nullopt;
    QHash<QString, QString> values;
    for (const QString& field : *fields)
        values.insert(field, table.type->spot(field).read(bytes->constData()));
    return values;
}

} // namespace Search
