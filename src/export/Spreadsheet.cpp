#include "Spreadsheet.h"

#include "Disk.h"
#include "ShortString.h"
#include "Windows1252.h"

namespace {

// A data cell marked as text for LibreOffice (sdnum) and for Excel (mso-number-format), so that
// neither reads a code with leading zeros, a long digit string, a price or a leading "=" as
// something else.
const QLatin1String kDataCell("<td style=\"text-align: left; mso-number-format:&quot;\\@&quot;;\" "
                              "sdnum=\"1040;0;@\">");

// Appends a cell's text, trimmed, with the three characters an HTML table would swallow escaped.
// A blank inside (a space, a tab, a line break: what the trim counts as blank) is written as a
// space, and every further blank of a run as &nbsp;, which spreadsheet programs do not collapse.
void appendCell(QString& html, const QString& text)
{
    bool afterBlank = false;
    for (const QChar c : ShortString::trimmed(text)) {
        const bool blank = c.unicode() <= 32;
        if (blank)
            html += afterBlank ? QLatin1String("&nbsp;") : QLatin1String(" ");
        else if (c == QLatin1Char('&'))
            html += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            html += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            html += QLatin1String("&gt;");
        else
            html += c;
        afterBlank = blank;
    }
}

} // namespace

namespace Spreadsheet {

QByteArray content(const QString& sheet, const QList<Column>& columns, const QList<QStringList>& rows)
{
    QString html = QStringLiteral(
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
        "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>");
    html += sheet;
    html += QStringLiteral(
        "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
        "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
        "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
        "</head><body><table x:str><tr>");
    for (const Column& column : columns) {
        html += QLatin1String("<td style=\"text-align: left; font-weight: bold;\" width=");
        html += QString::number(column.width);
        html += QLatin1Char('>');
        appendCell(html, column.header);
        html += QLatin1String("</td>");
    }
    html += QLatin1String("</tr>");
    // Written once into one growing text: an archive of tens of thousands of records.
    html.reserve(html.size() + rows.size() * (columns.size() * (kDataCell.size() + 20) + 9));
    for (const QStringList& row : rows) {
        html += QLatin1String("<tr>");
        for (int c = 0; c < columns.size(); ++c) {
            html += kDataCell;
            appendCell(html, row.value(c));
            html += QLatin1String("</td>");
        }
        html += QLatin1String("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return Windows1252::encode(html);
}

bool write(const QString& path, const QString& sheet, const QList<Column>& columns, const QList<QStringList>& rows)
{
    return Disk::replaceFile(path, content(sheet, columns, rows));
}

} // namespace Spreadsheet
