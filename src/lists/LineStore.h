#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string_view>

class LineBuilder;

// The lines of a list, held once: their characters end to end in one block, one byte each in the
// archives' code page (Windows-1252), beside where each line ends. Every list line is record text
// or plain ASCII, so nothing is lost; a character the code page has no byte for is kept as '?'.
// A hundred thousand lines are one allocation, not a hundred thousand strings, in less than half
// their memory, and the find reads them where they lie.
class LineStore {
public:
    LineStore() = default;
    // Plain lines are a store too: a fixed table, a verdict, a test's lines.
    LineStore(const QStringList& lines);
    LineStore(std::initializer_list<QString> lines);

    qsizetype size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    QString at(qsizetype i) const;
    std::string_view bytesAt(qsizetype i) const;
    // All the bytes, the lines end to end, and the end of line i within them.
    std::string_view bytes() const { return std::string_view(m_bytes.constData(), size_t(m_bytes.size())); }
    qsizetype endOf(qsizetype i) const { return m_ends.at(i); }
    // The line that holds the byte at that offset.
    qsizetype lineOf(qsizetype offset) const;
    // The number of characters of the longest line.
    qsizetype longest() const { return m_longest; }

    void append(const QString& line);
    // The line the builder writes for a record, straight from the record's bytes.
    void append(const LineBuilder& builder, const char* record);
    // The other store's lines after these. Taken as a copy, which only shares the other's memory:
    // a store joined to itself is still read whole.
    void append(LineStore other);
    // Gives back the room grown beyond the lines.
    void squeeze();

    // Every line as text: for printing, and for whatever wants a plain list.
    operator QStringList() const;

private:
    // Room for more bytes, the block at least doubled when it grows.
    void makeRoom(qsizetype more);
    void grow(qsizetype capacity);
    void endLine(qsizetype start);

    QByteArray m_bytes;
    QList<qsizetype> m_ends;
    qsizetype m_longest = 0;
};
