#include "Spreadsheet.h"

#include "Disk.h"
#include "ShortString.h"
#include "Windows1252.h"

namespace {

QString cell(const QString& text)
{
    QString escaped = ShortString::trimmed(text);
    escaped.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return escaped;
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
        html += QStringLiteral("<td style=\"text-align: left; font-weight: bold;\" width=")
            + QString::number(column.width) + QLatin1Char('>') + cell(column.header) + QStringLiteral("</td>");
    }
    html += QStringLiteral("</tr>");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < columns.size(); ++c)
            html += QStringLiteral("<td style=\"text-align: left;\">") + cell(row.value(c)) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return Windows1252::encode(html);
}

bool write(const QString& path, const QString& sheet, const QList<Column>& columns, const QList<QStringList>& rows)
{
    return Disk::replaceFile(path, content(sheet, columns, rows));
}

} // namespace Spreadsheet
