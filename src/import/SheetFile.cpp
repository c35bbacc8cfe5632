#include "SheetFile.h"

#include "Csv.h"
#include "HtmlTable.h"
#include "Windows1252.h"

#include <QFile>
#include <QStringDecoder>

namespace {

using SheetFile::Encoding;
using SheetFile::Failure;

// How much of a file without a byte-order mark is looked at to tell UTF-16 by its zero bytes.
constexpr qsizetype kProbe = 4096;

struct Text {
    QString text;
    Encoding encoding = Encoding::Utf8;
    Failure failure = Failure::None;
};

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding);
    return decoder.decode(bytes);
}

// UTF-16 written without a byte-order mark: every other byte of a Latin text is zero.
std::optional<QStringConverter::Encoding> utf16WithoutMark(QByteArrayView bytes)
{
    const QByteArrayView probe = bytes.first(std::min(bytes.size(), kProbe) & ~qsizetype(1));
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i < probe.size(); i += 2) {
        evenZeros += probe.at(i) == '\0';
        oddZeros += probe.at(i + 1) == '\0';
    }
    const qsizetype pairs = probe.size() / 2;
    if (pairs > 0 && oddZeros * 10 >= pairs * 6 && evenZeros == 0)
        return QStringConverter::Utf16LE;
    if (pairs > 0 && evenZeros * 10 >= pairs * 6 && oddZeros == 0)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

Text decode(QByteArrayView bytes)
{
    Text t;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        t.text = decodeWith(QStringConverter::Utf8, bytes.sliced(3));
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        t.encoding = Encoding::Utf16;
        t.text = decodeWith(
            bytes.at(0) == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, bytes.sliced(2));
    } else if (bytes.contains('\0')) {
        const auto utf16 = utf16WithoutMark(bytes);
        if (!utf16) {
            t.failure = Failure::Binary;
            return t;
        }
        t.encoding = Encoding::Utf16;
        t.text = decodeWith(*utf16, bytes);
    } else if (bytes.isValidUtf8()) {
        t.text = decodeWith(QStringConverter::Utf8, bytes);
    } else {
        t.encoding = Encoding::Windows1252;
        t.text = Windows1252::decode(bytes.data(), int(bytes.size()));
    }
    // Control characters say the bytes are no text; the C1 controls, which no text of Windows-1252
    // or Unicode holds, say they are text of another code page.
    qsizetype controls = 0;
    for (const QChar c : std::as_const(t.text)) {
        const char16_t u = c.unicode();
        if (u == 0)
            t.failure = Failure::Binary;
        else if (u < 32 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f' && u != 0x1A)
            ++controls;
        else if (u >= 0x80 && u <= 0x9F && t.failure == Failure::None)
            t.failure = Failure::Encoding;
    }
    if (controls * 100 > t.text.size())
        t.failure = Failure::Binary;
    return t;
}

Failure ended(ReadEnd end)
{
    switch (end) {
    case ReadEnd::Stopped:
        return Failure::Cancelled;
    case ReadEnd::TooLarge:
        return Failure::TooLarge;
    case ReadEnd::Done:
        break;
    }
    return Failure::None;
}

bool startsWithTag(QStringView text)
{
    const QStringView start = text.trimmed();
    return start.startsWith(u'<');
}

} // namespace

namespace SheetFile {

Sheet read(const QByteArray& bytes, const Progress& progress)
{
    Sheet sheet;
    if (bytes.size() > kMaxBytes) {
        sheet.failure = Failure::TooLarge;
        return sheet;
    }
    if (bytes.startsWith("PK\x03\x04")) {
        sheet.failure = Failure::Workbook;
        return sheet;
    }
    if (bytes.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) {
        sheet.failure = Failure::OldWorkbook;
        return sheet;
    }
    const Text text = decode(bytes);
    sheet.encoding = text.encoding;
    if (text.failure == Failure::None && text.text.trimmed().isEmpty())
        sheet.failure = Failure::Empty;
    else
        sheet.failure = text.failure;
    if (sheet.failure != Failure::None)
        return sheet;

    if (startsWithTag(text.text)) {
        sheet.format = Format::Html;
        const HtmlTable::Outcome read = HtmlTable::read(text.text, sheet.table, progress);
        sheet.failure = ended(read.end);
        if (sheet.failure == Failure::None && !read.found)
            sheet.failure = Failure::NoTable;
        return sheet;
    }
    sheet.separator = Csv::separator(text.text);
    const Csv::Outcome read = Csv::read(text.text, sheet.separator, sheet.table, progress);
    sheet.failure = ended(read.end);
    sheet.brokenRow = read.brokenRow;
    return sheet;
}

Sheet readFile(const QString& path, const Progress& progress)
{
    Sheet sheet;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        sheet.failure = Failure::Unreadable;
        return sheet;
    }
    if (file.size() > kMaxBytes) {
        sheet.failure = Failure::TooLarge;
        return sheet;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size()) {
        sheet.failure = Failure::Unreadable;
        return sheet;
    }
    return read(bytes, progress);
}

} // namespace SheetFile
