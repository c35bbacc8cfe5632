#include "ExportWindow.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "Clock.h"
#include "LoanRegister.h"
#include "MessageBox.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "RecordCard.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "Rules.h"
#include "ShortString.h"
#include "StatusLine.h"
#include "TMisc.h"
#include "TfrmGuida.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kReady = QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel pu\u00F2 richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kExportError = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia gi\u00E0 "
    "aperto.");

} // namespace

// The grid's rows: "N." and the values the file gets, held once.
class ExportModel : public QAbstractTableModel {
public:
    ExportModel(const ExportTable& table, QObject* parent)
        : QAbstractTableModel(parent)
        , m_table(table)
    {
    }

    QList<qint64> numbers;
    QList<QStringList> rows;

    void reset(QList<qint64> newNumbers, QList<QStringList> newRows)
    {
        beginResetModel();
        numbers = std::move(newNumbers);
        rows = std::move(newRows);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(rows.size()); }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(m_table.columns.size()) + 1;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || index.row() >= rows.size())
            return QVariant();
        if (index.column() == 0)
            return QString::number(numbers.at(index.row()));
        return rows.at(index.row()).value(index.column() - 1);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QVariant();
        return section == 0 ? QStringLiteral("N.") : m_table.columns.value(section - 1).gridHeader;
    }

private:
    const ExportTable& m_table;
};

ExportWindow::ExportWindow(const ExportTable& table, const QString& registerPath, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_table(table)
    , m_model(new ExportModel(table, this))
{
    setObjectName(table.objectName);
    setWindowTitle(table.caption);
    setFixedSize(862, 560);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Artwork::logo(QSize(300, 86)));
    grdRecords = new QTableView(this);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setModel(m_model);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setDefaultSectionSize(21);
    grdRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRecords->setColumnWidth(0, 60);
    for (int c = 0; c < table.columns.size(); ++c)
        grdRecords->setColumnWidth(c + 1, table.columns.at(c).gridColumnWidth());

    cmdEsporta = iconButton(QStringLiteral("cmdEsporta"), Artwork::Symbol::Export, 48, this);
    cmdGuida = iconButton(QStringLiteral("cmdGuida"), Artwork::Symbol::Help, 48, this);
    cmdEsci = iconButton(QStringLiteral("cmdEsci"), Artwork::Symbol::Exit, 48, this);
    panInfo = StatusLine::panel(kReady, this);
    m_status = new StatusLine(panInfo);

    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    top->addStretch();
    top->addWidget(cmdEsporta);
    top->addWidget(cmdGuida);
    top->addWidget(cmdEsci);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->addLayout(top);
    layout->addWidget(grdRecords, 1);
    layout->addWidget(panInfo);

    m_status->clearOver(this);
    m_status->clearOver(grdRecords->viewport());
    m_status->describe(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    m_status->describe(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    m_status->describe(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));

    connect(cmdEsporta, &ClickableLabel::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(cmdGuida, &ClickableLabel::clicked, this, [this] { TfrmGuida::showTopic(this, m_table.helpTopic); });
    connect(cmdEsci, &ClickableLabel::clicked, this, &QDialog::reject);
    m_read = load(table.rows == ExportTable::Rows::Archive ? table.type->archive().path() : registerPath);
}

int ExportWindow::runModal()
{
    if (!m_read) {
        MessageBox::error(parentWidget(), kAccessError);
        return QDialog::Rejected;
    }
    return Modal::exec(*this);
}

const QList<QStringList>& ExportWindow::rows() const
{
    return m_model->rows;
}

bool ExportWindow::load(const QString& path)
{
    QList<QList<FieldSpot>> spots;
    for (const ExportColumn& column : m_table.columns) {
        QList<FieldSpot> parts;
        for (const QString& field : column.fields)
            parts << m_table.type->spot(field);
        spots << parts;
    }
    const QDate today = Clock::today();
    QList<qint64> numbers;
    QList<QStringList> rows;
    const auto visit = [&](qint64 n, const char* bytes) {
        if (m_table.rows == ExportTable::Rows::Overdue
            && !Rules::isOverdueLoan(decodeRecord<TSchedaPrestito>(bytes), today))
            return true;
        QStringList row;
        row.reserve(spots.size());
        for (const QList<FieldSpot>& parts : spots) {
            if (parts.size() == 1) {
                row << parts.front().read(bytes);
                continue;
            }
            QStringList texts;
            for (const FieldSpot& part : parts)
                texts << part.read(bytes);
            row << ShortString::trimmed(texts.join(QLatin1Char(' ')));
        }
        numbers << (m_table.rows == ExportTable::Rows::Archive ? n : qint64(rows.size()) + 1);
        rows << row;
        return true;
    };
    // A register not yet made is a year without loans; an archive not yet made is made empty.
    const bool read = m_table.rows == ExportTable::Rows::Archive
        ? RecordFile(path, m_table.type->size()).scan(visit)
        : LoanRegister::scan(path, visit);
    if (!read)
        return false;
    m_model->reset(std::move(numbers), std::move(rows));
    return true;
}

void ExportWindow::cmdEsportaClick()
{
    if (!MessageBox::question(this, kAskExport))
        return;
    QList<Spreadsheet::Column> columns;
    for (const ExportColumn& column : m_table.columns)
        columns << Spreadsheet::Column {column.sheetHeader, column.width};
    const QString path = ProgramFolder::file(m_table.fileName);
    if (!Spreadsheet::write(path, m_table.sheet, columns, m_model->rows)) {
        MessageBox::plain(this, kExportError);
        return;
    }
    if (MessageBox::question(this, kAskOpen))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

void ExportWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

TfrmExpLibri::TfrmExpLibri(QWidget* parent)
    : ExportWindow(ExportTables::books(), QString(), parent)
{
}

TfrmExpDVD::TfrmExpDVD(QWidget* parent)
    : ExportWindow(ExportTables::dvds(), QString(), parent)
{
}

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget* parent)
    : ExportWindow(ExportTables::members(), QString(), parent)
{
}

TfrmExpPrestiti::TfrmExpPrestiti(const QString& registerPath, QWidget* parent)
    : ExportWindow(ExportTables::loans(), registerPath, parent)
{
}

TfrmExpPrestitiSca::TfrmExpPrestitiSca(const QString& registerPath, QWidget* parent)
    : ExportWindow(ExportTables::overdue(), registerPath, parent)
{
}
