#include "Spreadsheet.h"

#include "Disk.h"
#include "ShortString.h"
#include "Windows1252.h"

namespace {

// Appends a cell's text, trimmed, with the three characters an HTML table would swallow escaped.
void appendCell(QString& html, const QString& text)
{
    for (const QChar c : ShortString::trimmed(text)) {
        if (c == QLatin1Char('&'))
            html += QLatin1String("&amp;");
        else if (c == QLatin1Char('<'))
            html += QLatin1String("&lt;");
        else if (c == QLatin1Char('>'))
            html += QLatin1String("&gt;");
        else
            html += c;
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
    html.reserve(html.size() + rows.size() * (columns.size() * 40 + 9));
    for (const QStringList& row : rows) {
        html += QLatin1String("<tr>");
        for (int c = 0; c < columns.size(); ++c) {
            html += QLatin1String("<td style=\"text-align: left;\">");
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
