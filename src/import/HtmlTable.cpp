#include "HtmlTable.h"

#include <QHash>

namespace {

// The named entities a spreadsheet program writes into the cells of a Latin text.
const QHash<QString, char16_t>& namedEntities()
{
    static const QHash<QString, char16_t> entities
        = {{QStringLiteral("amp"), u'&'}, {QStringLiteral("lt"), u'<'}, {QStringLiteral("gt"), u'>'},
            {QStringLiteral("quot"), u'"'}, {QStringLiteral("apos"), u'\''}, {QStringLiteral("nbsp"), u' '},
            {QStringLiteral("agrave"), u'\u00E0'}, {QStringLiteral("aacute"), u'\u00E1'},
            {QStringLiteral("egrave"), u'\u00E8'}, {QStringLiteral("eacute"), u'\u00E9'},
            {QStringLiteral("igrave"), u'\u00EC'}, {QStringLiteral("iacute"), u'\u00ED'},
            {QStringLiteral("ograve"), u'\u00F2'}, {QStringLiteral("oacute"), u'\u00F3'},
            {QStringLiteral("ugrave"), u'\u00F9'}, {QStringLiteral("uacute"), u'\u00FA'},
            {QStringLiteral("Agrave"), u'\u00C0'}, {QStringLiteral("Egrave"), u'\u00C8'},
            {QStringLiteral("Eacute"), u'\u00C9'}, {QStringLiteral("Igrave"), u'\u00CC'},
            {QStringLiteral("Ograve"), u'\u00D2'}, {QStringLiteral("Ugrave"), u'\u00D9'},
            {QStringLiteral("ccedil"), u'\u00E7'}, {QStringLiteral("Ccedil"), u'\u00C7'},
            {QStringLiteral("ntilde"), u'\u00F1'}, {QStringLiteral("auml"), u'\u00E4'},
            {QStringLiteral("ouml"), u'\u00F6'}, {QStringLiteral("uuml"), u'\u00FC'},
            {QStringLiteral("szlig"), u'\u00DF'}, {QStringLiteral("deg"), u'\u00B0'},
            {QStringLiteral("euro"), u'\u20AC'}, {QStringLiteral("laquo"), u'\u00AB'},
            {QStringLiteral("raquo"), u'\u00BB'}};
    return entities;
}

// The character of the entity at text[at] ('&'), and where it ends; nothing for a bare '&'.
std::optional<std::pair<QChar, qsizetype>> entity(QStringView text, qsizetype at)
{
    const qsizetype semicolon = text.indexOf(u';', at + 1);
    if (semicolon < 0 || semicolon - at > 10)
        return std::nullopt;
    const QStringView name = text.mid(at + 1, semicolon - at - 1);
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.size() > 1 && (name.at(1) == u'x' || name.at(1) == u'X')
            ? name.mid(2).toUInt(&ok, 16)
            : name.mid(1).toUInt(&ok, 10);
        // Code points past the first plane are not kept by the archives anyway; half a surrogate pair
        // is no character.
        if (!ok || code == 0 || code > 0xFFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return std::pair(code == 0xA0 ? QChar(u' ') : QChar(char16_t(code)), semicolon + 1);
    }
    const auto found = namedEntities().constFind(name.toString());
    if (found == namedEntities().constEnd())
        return std::nullopt;
    return std::pair(QChar(found.value()), semicolon + 1);
}

bool isWhitespace(QChar c)
{
    return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t';
}

// The tags a spreadsheet program writes around and inside its cells. Anything else between angle
// brackets inside a cell is text that an older export wrote bare ("<illustrate>").
bool isKnownTag(QStringView name)
{
    static const char* const known[] = {"a", "b", "big", "br", "br/", "center", "col", "colgroup", "div",
        "em", "font", "hr", "i", "img", "nobr", "p", "s", "small", "span", "strike", "strong", "sub", "sup",
        "table", "tbody", "td", "tfoot", "th", "thead", "tr", "u", "wbr"};
    return std::any_of(std::begin(known), std::end(known),
        [&](const char* tag) { return name.compare(QLatin1String(tag), Qt::CaseInsensitive) == 0; });
}

bool isTagStart(QStringView text, qsizetype at)
{
    if (at + 1 >= text.size())
        return false;
    const QChar next = text.at(at + 1);
    return next.isLetter() || next == u'/' || next == u'!' || next == u'?';
}

// A tag read from '<': its name, whether it closes an element, its attributes' text, and where it
// ends. Nothing when no '>' closes it before another '<', which makes the '<' a bare character.
struct Tag {
    QStringView name;
    bool closing;
    QStringView attributes;
    qsizetype end;

    bool is(const char* tag) const { return name.compare(QLatin1String(tag), Qt::CaseInsensitive) == 0; }
    bool opens(const char* tag) const { return !closing && is(tag); }
    bool closes(const char* tag) const { return closing && is(tag); }
};

std::optional<Tag> readTag(QStringView text, qsizetype at)
{
    QChar quote;
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'<') {
            return std::nullopt;
        } else if (c == u'>') {
            const bool closing = text.at(at + 1) == u'/';
            const qsizetype nameStart = at + (closing ? 2 : 1);
            qsizetype nameEnd = nameStart;
            while (nameEnd < i && !text.at(nameEnd).isSpace())
                ++nameEnd;
            return Tag {
                text.mid(nameStart, nameEnd - nameStart), closing, text.mid(nameEnd, i - nameEnd), i + 1};
        }
    }
    return std::nullopt;
}

// The cells a <td colspan=N> stands for.
int span(QStringView attributes)
{
    // Spreadsheet programs write the attribute in one case or the other, never mixed; a search that
    // ignores case would cost more than the rest of the cell.
    qsizetype at = attributes.indexOf(QLatin1String("colspan"));
    if (at < 0)
        at = attributes.indexOf(QLatin1String("COLSPAN"));
    if (at < 0)
        return 1;
    qsizetype i = at + 7;
    while (i < attributes.size()
        && (attributes.at(i).isSpace() || attributes.at(i) == u'=' || attributes.at(i) == u'"'
            || attributes.at(i) == u'\''))
        ++i;
    qsizetype end = i;
    while (end < attributes.size() && attributes.at(end).isDigit())
        ++end;
    return std::clamp(attributes.mid(i, end - i).toInt(), 1, 1000);
}

// Builds the table as the tags come.
class TableBuilder {
public:
    explicit TableBuilder(SheetTable& table)
        : m_table(table)
    {
    }

    bool inCell() const { return m_inCell; }

    void startRow()
    {
        endRow();
        m_inRow = true;
    }
    void endRow()
    {
        endCell();
        if (m_inRow)
            m_table.endRow();
        m_inRow = false;
    }
    void startCell(int cells)
    {
        if (!m_inRow)
            startRow();
        endCell();
        m_inCell = true;
        m_extraCells = cells - 1;
    }
    void endCell()
    {
        if (!m_inCell)
            return;
        m_table.addCell(m_cell);
        for (int i = 0; i < m_extraCells; ++i)
            m_table.addCell(QStringView());
        m_cell.truncate(0);
        m_inCell = false;
    }
    void append(QChar c) { m_cell += c; }
    void append(QStringView text) { m_cell += text; }
    // A run of white space that holds a line break or a tab: one blank, as a browser shows it.
    void appendBlank() { m_cell += u' '; }

private:
    SheetTable& m_table;
    QString m_cell;
    bool m_inRow = false;
    bool m_inCell = false;
    int m_extraCells = 0;
};

} // namespace

namespace HtmlTable {

Outcome read(QStringView text, SheetTable& table, const Progress& progress)
{
    Outcome outcome;
    TableBuilder builder(table);
    const qsizetype size = text.size();
    qsizetype reported = 0;
    int depth = 0; // tables open; the cells of a table inside a cell belong to that cell
    qsizetype i = 0;
    while (i < size) {
        outcome.end = readStep(table, progress, i, size, reported);
        if (outcome.end != ReadEnd::Done)
            return outcome;
        const QChar c = text.at(i);
        if (c == u'<' && text.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype close = text.indexOf(QLatin1String("-->"), i + 4);
            i = close < 0 ? size : close + 3;
            continue;
        }
        if (c == u'<' && isTagStart(text, i)) {
            const auto tag = readTag(text, i);
            if (tag && (!builder.inCell() || isKnownTag(tag->name))) {
                i = tag->end;
                if (tag->opens("table")) {
                    outcome.found = true;
                    ++depth;
                } else if (tag->closes("table") && depth > 0) {
                    if (--depth == 0)
                        break;
                } else if (depth == 1 && tag->opens("tr")) {
                    builder.startRow();
                } else if (depth == 1 && tag->closes("tr")) {
                    builder.endRow();
                } else if (depth == 1 && (tag->opens("td") || tag->opens("th"))) {
                    builder.startCell(span(tag->attributes));
                } else if (depth == 1 && (tag->closes("td") || tag->closes("th"))) {
                    builder.endCell();
                } else if (builder.inCell() && (tag->opens("br") || tag->opens("br/"))) {
                    builder.append(u'\n');
                }
                continue;
            }
        }
        // Text: kept only inside a cell.
        if (depth == 0 || !builder.inCell()) {
            const qsizetype next = text.indexOf(u'<', i + 1);
            i = next < 0 ? size : next;
        } else if (c == u'&') {
            const auto decoded = entity(text, i);
            builder.append(decoded ? decoded->first : c);
            i = decoded ? decoded->second : i + 1;
        } else if (isWhitespace(c)) {
            qsizetype end = i;
            bool breaks = false;
            for (; end < size && isWhitespace(text.at(end)); ++end)
                breaks = breaks || text.at(end) != u' ';
            if (breaks)
                builder.appendBlank();
            else
                builder.append(text.mid(i, end - i));
            i = end;
        } else {
            // A run of plain characters, up to the next tag, entity or white space.
            qsizetype end = i + 1;
            while (end < size && text.at(end) != u'<' && text.at(end) != u'&' && !isWhitespace(text.at(end)))
                ++end;
            builder.append(text.mid(i, end - i));
            i = end;
        }
    }
    builder.endRow();
    return outcome;
}

} // namespace HtmlTable
