#include "ImportWindow.h"

#include "Artwork.h"
#include "BarButton.h"
#include "Dialogs.h"
#include "Disk.h"
#include "EnterKey.h"
#include "ExportTables.h"
#include "Keys.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "RecordCard.h"
#include "RecordFile.h"
#include "RecordType.h"
#include "StatusLine.h"
#include "TMisc.h"
#include "TfrmGuida.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kReady = QStringLiteral("Importazione di un foglio di calcolo nell'archivio.");
const QString kInstructions = QStringLiteral(
    "Si importano i file CSV (testo con i campi separati da virgole, punti e virgola o tabulazioni) e i "
    "file .xls esportati da Lettoria. Un foglio .xlsx o .ods va prima aperto con il proprio programma di "
    "fogli di calcolo e salvato con \u00ABSalva con nome\u00BB, scegliendo il tipo \u00ABCSV UTF-8\u00BB o "
    "\u00ABCSV (delimitato dal separatore di elenco)\u00BB in Excel, \u00ABTesto CSV\u00BB in LibreOffice.");
const QString kNoFile
    = QStringLiteral("Nessun file aperto: premere \u00ABApri\u00BB (Ctrl+O) e scegliere il file.");
const QString kHeaderBox = QStringLiteral("La prima riga contiene le intestazioni delle colonne");
const QString kLeftOut = QStringLiteral("(non importare)");
const QString kToImport = QStringLiteral("Da importare");
const QString kChanged = QStringLiteral("Da importare, con modifiche");
const QString kImported = QStringLiteral("Importata");
const QString kImportedChanged = QStringLiteral("Importata, con modifiche");
const QString kRefused = QStringLiteral("Scartata");
const QString kReading = QStringLiteral("Lettura e controllo del file in corso. Attendere...");
const QString kChecking = QStringLiteral("Controllo delle righe in corso. Attendere...");
const QString kAppending = QStringLiteral("Importazione in corso. Attendere...");
const QString kSummary
    = QStringLiteral("Righe con dati: %1.  Da importare: %2.  Scartate: %3.  Con testi modificati: %4.");
const QString kFileCsv = QStringLiteral("File: %1  (CSV, separatore %2, %3)");
const QString kFileHtml = QStringLiteral("File: %1  (foglio di calcolo esportato da Lettoria)");
const QString kFileImported = QStringLiteral("  -  importato");

const QString kUnreadable = QStringLiteral(
    "Attenzione: il sistema non permette di leggere il file.\n\r\n\rAccertarsi che il file esista e che "
    "non sia aperto nel programma di fogli di calcolo.");
const QString kEmpty
    = QStringLiteral("Attenzione: il file \u00E8 vuoto e non contiene nessuna scheda da importare.");
const QString kTooLarge = QStringLiteral(
    "Attenzione: il file \u00E8 troppo grande (pi\u00F9 di 250 MB o pi\u00F9 di 20 milioni di celle) per "
    "essere importato in una sola volta.\n\r\n\rDividere il foglio di calcolo in pi\u00F9 file e importarli "
    "uno dopo l'altro.");
const QString kSaveAsCsv = QStringLiteral(
    "\n\r\n\rAprirlo con il proprio programma di fogli di calcolo e salvarlo con \u00ABSalva con "
    "nome\u00BB scegliendo il tipo CSV, quindi importare il file CSV.");
const QString kWorkbook
    = QStringLiteral("Attenzione: il file \u00E8 una cartella di lavoro in formato .xlsx o "
                     ".ods, che il programma non legge direttamente.")
    + kSaveAsCsv;
const QString kOldWorkbook = QStringLiteral("Attenzione: il file \u00E8 una cartella di lavoro di Excel "
                                            "97-2003, che il programma non legge direttamente.")
    + kSaveAsCsv;
const QString kBinary = QStringLiteral(
    "Attenzione: il file non \u00E8 un foglio di calcolo ma un file di altro tipo (un'immagine, un programma "
    "o un documento).\n\r\n\rScegliere un file CSV o un file .xls esportato da Lettoria.");
const QString kEncoding = QStringLiteral(
    "Attenzione: il file \u00E8 scritto in una codifica dei caratteri che il programma non riconosce."
    "\n\r\n\rSalvarlo di nuovo come CSV con la codifica UTF-8 oppure Europa occidentale (Windows-1252).");
const QString kNoTable = QStringLiteral(
    "Attenzione: il file \u00E8 una pagina web che non contiene nessuna tabella da importare.");
const QString kHeaderOnly = QStringLiteral(
    "Attenzione: il file contiene soltanto la riga delle intestazioni e nessuna scheda da importare.");
const QString kNoMatch = QStringLiteral(
    "Attenzione: nessuna intestazione del file corrisponde a un campo della scheda.\n\r\n\rIndicare nella "
    "pagina \u00ABColonne\u00BB il campo in cui importare ciascuna colonna; se la prima riga del file "
    "contiene gi\u00E0 dei dati, togliere il segno da \u00ABLa prima riga contiene le intestazioni delle "
    "colonne\u00BB.");
const QString kNothingToImport = QStringLiteral(
    "Attenzione: nessuna riga del file pu\u00F2 essere importata.\n\r\n\rLe righe scartate e il motivo "
    "sono elencati nella pagina \u00ABRighe scartate o modificate\u00BB.");
const QString kAskImport = QStringLiteral(
    "Schede da aggiungere all'archivio: %1.\nRighe scartate, che non verranno importate: %2.\n\r\n\r"
    "Si vuole procedere con l'importazione?");
const QString kDone = QStringLiteral(
    "Importazione completata.\n\r\n\rSchede aggiunte all'archivio: %1, dalla n. %2 alla n. %3.");
const QString kStopped = QStringLiteral("Importazione annullata: l'archivio non \u00E8 stato modificato.");
const QString kArchiveChanged = QStringLiteral(
    "Attenzione: nel frattempo un altro computer ha inserito in archivio schede con alcuni dei codici da "
    "importare, e nessuna scheda \u00E8 stata importata.\n\r\n\rLe righe sono state controllate di "
    "nuovo: verificare le righe scartate e ripetere l'importazione.");
const QString kAskOpenRejects = QStringLiteral(
    "Le righe scartate sono state salvate nel file %1, con il motivo in un'ultima colonna.\n\r\n\r"
    "Si vuole aprire il file?");
const QString kRejectsError = QStringLiteral(
    "Attenzione: il sistema non permette di salvare il file delle righe scartate.\n\r\n\rAccertarsi che "
    "il file non sia gi\u00E0 aperto.");

const QString kPickTitle = QStringLiteral("Selezionare il foglio di calcolo da importare.");
const QString kPickFilter = QStringLiteral("Fogli di calcolo (*.csv *.txt *.xls);;File CSV (*.csv *.txt);;"
                                           "Esportazioni di Lettoria (*.xls);;Tutti i file (*)");

// Rows of the preview: enough to see what every column becomes.
constexpr int kPreviewRows = 200;
// How often the window answers the mouse and keys while it works.
constexpr int kEventsMs = 50;

const QColor kCrimson(0xB0, 0x10, 0x30);

QString columnLetters(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

QString failureText(SheetFile::Failure failure)
{
    switch (failure) {
    case SheetFile::Failure::Unreadable:
        return kUnreadable;
    case SheetFile::Failure::Empty:
        return kEmpty;
    case SheetFile::Failure::TooLarge:
        return kTooLarge;
    case SheetFile::Failure::Workbook:
        return kWorkbook;
    case SheetFile::Failure::OldWorkbook:
        return kOldWorkbook;
    case SheetFile::Failure::Binary:
        return kBinary;
    case SheetFile::Failure::Encoding:
        return kEncoding;
    case SheetFile::Failure::NoTable:
        return kNoTable;
    case SheetFile::Failure::None:
    case SheetFile::Failure::Cancelled:
        break;
    }
    return QString();
}

// What becomes of a row: refused, or imported (to be, or already) as it is or changed.
QString outcomeText(const ImportPlan::Report* report, bool imported)
{
    if (report && report->refused)
        return kRefused;
    if (imported)
        return report ? kImportedChanged : kImported;
    return report ? kChanged : kToImport;
}

QString separatorName(QChar separator)
{
    if (separator == u';')
        return QStringLiteral("punto e virgola");
    if (separator == u',')
        return QStringLiteral("virgola");
    return QStringLiteral("tabulazione");
}

QString encodingName(SheetFile::Encoding encoding)
{
    switch (encoding) {
    case SheetFile::Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case SheetFile::Encoding::Utf16:
        return QStringLiteral("UTF-16");
    case SheetFile::Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return QString();
}

// A grid over a model, with the look of the export window's.
QTableView* grid(const QString& name, QAbstractItemModel* model, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(21);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false);
    return view;
}

// A command of the window's bar; the standard key of its name (Keys::standard), or the key given.
QToolButton* commandButton(QWidget* parent, const char* name, const QString& text, Artwork::Symbol symbol,
    const QKeySequence& key = QKeySequence())
{
    QToolButton* button = makeBarButton(parent, QLatin1String(name), text, symbol);
    if (!key.isEmpty())
        Keys::bind(button, key);
    return button;
}

} // namespace

// The file's columns and the field each one fills; the field is chosen in place.
class ColumnsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    ImportPlan* plan = nullptr;
    std::function<void()> targetsChanged;

    void reset(ImportPlan* newPlan)
    {
        beginResetModel();
        plan = newPlan;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() || !plan ? 0 : plan->columnCount();
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!plan || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ForegroundRole))
            return QVariant();
        const int column = index.row();
        if (role == Qt::ForegroundRole)
            return index.column() == 3 && plan->target(column) < 0 ? QVariant(QColor(Qt::gray)) : QVariant();
        switch (index.column()) {
        case 0:
            return columnLetters(column);
        case 1:
            return plan->header(column);
        case 2:
            return plan->dataRows().isEmpty()
                ? QString()
                : plan->sheet().table.cell(plan->dataRows().front(), column).toString().simplified();
        default:
            if (role == Qt::EditRole)
                return plan->target(column);
            return plan->target(column) < 0 ? kLeftOut : plan->table().targets.at(plan->target(column)).label;
        }
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!plan || index.column() != 3 || role != Qt::EditRole
            || value.toInt() == plan->target(index.row()))
            return false;
        plan->setTarget(index.row(), value.toInt());
        // The target may have been taken from another column.
        emit dataChanged(this->index(0, 3), this->index(rowCount(QModelIndex()) - 1, 3));
        targetsChanged();
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        const Qt::ItemFlags base = QAbstractTableModel::flags(index);
        return index.column() == 3 ? base | Qt::ItemIsEditable : base;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QVariant();
        static const QStringList headers
            = {QStringLiteral("Colonna"), QStringLiteral("Intestazione"), QStringLiteral("Primo valore"),
                QStringLiteral("Campo della scheda (doppio clic o F2 per cambiarlo)")};
        return headers.value(section);
    }
};

// The field of a column, chosen from the list of the card's fields; the choice counts at once.
class TargetDelegate : public QStyledItemDelegate {
public:
    TargetDelegate(const ImportTable& table, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_table(table)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("cboCampo"));
        combo->addItem(kLeftOut);
        for (const ImportTarget& target : m_table.targets)
            combo->addItem(target.label);
        combo->setMaxVisibleItems(20);
        connect(combo, &QComboBox::activated, this, [this, combo] {
            auto* self = const_cast<TargetDelegate*>(this);
            emit self->commitData(combo);
            emit self->closeEditor(combo);
        });
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt() + 1);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentIndex() - 1, Qt::EditRole);
    }

private:
    const ImportTable& m_table;
};

// The first rows of the file as their records will be stored.
class PreviewModel : public QAbstractTableModel {
public:
    PreviewModel(const ImportTable& table, QObject* parent)
        : QAbstractTableModel(parent)
        , m_table(table)
    {
        for (const QString& field : table.type->names()) {
            const bool offered = std::any_of(table.targets.begin(), table.targets.end(),
                [&](const ImportTarget& t) { return t.fields.contains(field); });
            if (offered)
                m_fields << field;
        }
    }

    void reset(const ImportPlan* plan, bool imported)
    {
        beginResetModel();
        m_rows.clear();
        if (plan) {
            QHash<int, const ImportPlan::Report*> reports;
            for (const ImportPlan::Report& report : plan->reports())
                reports.insert(report.row, &report);
            for (const int row : plan->dataRows().mid(0, kPreviewRows)) {
                const ImportPlan::Report* report = reports.value(row);
                const QHash<QString, QString> values = m_table.type->values(plan->record(row).constData());
                QStringList cells {QString::number(row + 1), outcomeText(report, imported)};
                for (const QString& field : std::as_const(m_fields))
                    cells << values.value(field);
                m_rows << cells;
            }
        }
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(m_fields.size()) + 2;
    }
    // A field's column as wide as the export window makes it.
    int columnWidth(int column) const
    {
        const QString& field = m_fields.at(column - 2);
        for (const ExportColumn& exported : m_table.exported->columns) {
            if (exported.fields.contains(field))
                return exported.gridColumnWidth();
        }
        return 120;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const QStringList& cells = m_rows.at(index.row());
        if (role == Qt::DisplayRole)
            return cells.value(index.column());
        if (role == Qt::ForegroundRole && cells.at(1) == kRefused)
            return kCrimson;
        return QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QVariant();
        if (section < 2)
            return section == 0 ? QStringLiteral("Riga") : QStringLiteral("Esito");
        return m_table.fieldLabel(m_fields.value(section - 2));
    }

private:
    const ImportTable& m_table;
    QStringList m_fields;
    QList<QStringList> m_rows;
};

// The rows refused or changed, with their reasons.
class ReportModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(const ImportPlan* plan, bool imported)
    {
        beginResetModel();
        m_reports = plan ? plan->reports() : QList<ImportPlan::Report>();
        m_imported = imported;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(m_reports.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const ImportPlan::Report& report = m_reports.at(index.row());
        if (role == Qt::ToolTipRole && index.column() == 2)
            return report.reasons.join(QLatin1Char('\n'));
        if (role == Qt::ForegroundRole && report.refused)
            return kCrimson;
        if (role != Qt::DisplayRole)
            return QVariant();
        switch (index.column()) {
        case 0:
            return report.row + 1;
        case 1:
            return outcomeText(&report, m_imported);
        default:
            return report.reasons.join(QLatin1Char(' '));
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QVariant();
        static const QStringList headers
            = {QStringLiteral("Riga"), QStringLiteral("Esito"), QStringLiteral("Motivo")};
        return headers.value(section);
    }

private:
    QList<ImportPlan::Report> m_reports;
    bool m_imported = false;
};

// The window while it works: the bar and, when the work can be stopped, "Annulla" in view, every
// other control disabled; all back as they were at the end.
class ImportWindow::Busy {
public:
    Busy(ImportWindow& window, const QString& text, bool stoppable)
        : m_window(window)
        , m_focus(QApplication::focusWidget())
    {
        m_window.m_busy = true;
        m_window.m_stop = false;
        m_window.m_lastEvents.invalidate();
        for (QWidget* control : controls())
            control->setEnabled(false);
        m_window.prgAvanzamento->setValue(0);
        m_window.prgAvanzamento->show();
        m_window.btnAnnulla->setVisible(stoppable);
        m_window.panInfo->setText(text);
        if (stoppable)
            m_window.btnAnnulla->setFocus();
    }
    ~Busy()
    {
        for (QWidget* control : controls())
            control->setEnabled(true);
        m_window.prgAvanzamento->hide();
        m_window.btnAnnulla->hide();
        m_window.panInfo->setText(kReady);
        m_window.m_busy = false;
        m_window.refresh();
        // Disabling the controls took the focus from the one that had it.
        if (m_focus && m_focus->isEnabled())
            m_focus->setFocus();
    }

private:
    QList<QWidget*> controls() const
    {
        return {m_window.cmdApri, m_window.cmdImporta, m_window.cmdScartate, m_window.cmdGuida,
            m_window.cmdEsci, m_window.chkIntestazioni, m_window.tabPagine};
    }

    ImportWindow& m_window;
    QPointer<QWidget> m_focus;
};

ImportWindow::ImportWindow(const ImportTable& table, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_table(table)
    , m_columns(new ColumnsModel(this))
    , m_preview(new PreviewModel(table, this))
    , m_report(new ReportModel(this))
{
    setObjectName(table.objectName);
    setWindowTitle(table.caption);
    setFixedSize(960, 620);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Artwork::logo(QSize(260, 74)));
    QFrame* bar = whiteBox(this);
    cmdApri = commandButton(bar, "cmdApri", QStringLiteral("Apri"), Artwork::Symbol::Folder, QKeySequence::Open);
    cmdImporta = commandButton(bar, "cmdImporta", QStringLiteral("Importa"), Artwork::Symbol::Import);
    cmdScartate
        = commandButton(bar, "cmdScartate", QStringLiteral("Scartate"), Artwork::Symbol::Save, QKeySequence::Save);
    cmdGuida = commandButton(bar, "cmdGuida", QStringLiteral("Guida"), Artwork::Symbol::Help);
    cmdEsci = commandButton(bar, "cmdEsci", QStringLiteral("Esci"), Artwork::Symbol::Exit);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(6, 2, 6, 2);
    buttons->setSpacing(2);
    for (QToolButton* button : {cmdApri, cmdImporta, cmdScartate, cmdGuida, cmdEsci})
        buttons->addWidget(button);

    lblIstruzioni = instructionLine(kInstructions, this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblFile = new QLabel(kNoFile, this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setStyleSheet(QStringLiteral("color: #1f3a5f; font-weight: bold;"));
    lblFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chkIntestazioni = new QCheckBox(kHeaderBox, this);
    chkIntestazioni->setObjectName(QStringLiteral("chkIntestazioni"));
    chkIntestazioni->setChecked(true);

    grdColonne = grid(QStringLiteral("grdColonne"), m_columns, this);
    grdColonne->setItemDelegateForColumn(3, new TargetDelegate(table, grdColonne));
    grdColonne->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grdColonne->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdColonne->horizontalHeader()->setStretchLastSection(true);
    grdColonne->setColumnWidth(0, 70);
    grdColonne->setColumnWidth(1, 220);
    grdColonne->setColumnWidth(2, 300);
    grdAnteprima = grid(QStringLiteral("grdAnteprima"), m_preview, this);
    grdAnteprima->setColumnWidth(0, 50);
    grdAnteprima->setColumnWidth(1, 200);
    for (int c = 2; c < m_preview->columnCount(QModelIndex()); ++c)
        grdAnteprima->setColumnWidth(c, m_preview->columnWidth(c));
    grdScartate = grid(QStringLiteral("grdScartate"), m_report, this);
    grdScartate->horizontalHeader()->setStretchLastSection(true);
    grdScartate->setColumnWidth(0, 50);
    grdScartate->setColumnWidth(1, 200);
    tabPagine = new QTabWidget(this);
    tabPagine->setObjectName(QStringLiteral("tabPagine"));
    tabPagine->addTab(grdColonne, QStringLiteral("Colonne"));
    tabPagine->addTab(grdAnteprima, QStringLiteral("Anteprima"));
    tabPagine->addTab(grdScartate, QStringLiteral("Righe scartate o modificate"));

    lblRiepilogo = new QLabel(this);
    lblRiepilogo->setObjectName(QStringLiteral("lblRiepilogo"));
    prgAvanzamento = new QProgressBar(this);
    prgAvanzamento->setObjectName(QStringLiteral("prgAvanzamento"));
    prgAvanzamento->setRange(0, 1000);
    prgAvanzamento->setTextVisible(false);
    prgAvanzamento->hide();
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this, QSize(110, 28));
    btnAnnulla->hide();
    panInfo = StatusLine::panel(kReady, this);
    m_status = new StatusLine(panInfo);

    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    top->addStretch();
    top->addWidget(bar);
    auto* foot = new QHBoxLayout;
    foot->addWidget(lblRiepilogo, 1);
    foot->addWidget(prgAvanzamento, 1);
    foot->addWidget(btnAnnulla);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(lblIstruzioni);
    layout->addWidget(lblFile);
    layout->addWidget(chkIntestazioni);
    layout->addWidget(tabPagine, 1);
    layout->addLayout(foot);
    layout->addWidget(panInfo);

    m_status->clearOver(this);
    for (QWidget* widget : {static_cast<QWidget*>(tabPagine), grdColonne->viewport(),
             grdAnteprima->viewport(), grdScartate->viewport(), static_cast<QWidget*>(bar)})
        m_status->clearOver(widget);
    m_status->describe(cmdApri, QStringLiteral("Sceglie il foglio di calcolo da importare."));
    m_status->describe(cmdImporta, QStringLiteral("Aggiunge all'archivio, in un solo passo, le righe da importare."));
    m_status->describe(cmdScartate, QStringLiteral("Salva le righe scartate in un file CSV, per correggerle."));
    m_status->describe(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    m_status->describe(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));

    m_columns->targetsChanged = [this] { recheck(); };
    connect(cmdApri, &QToolButton::clicked, this, &ImportWindow::cmdApriClick);
    connect(cmdImporta, &QToolButton::clicked, this, &ImportWindow::cmdImportaClick);
    connect(cmdScartate, &QToolButton::clicked, this, &ImportWindow::cmdScartateClick);
    connect(cmdGuida, &QToolButton::clicked, this,
        [this] { TfrmGuida::showTopic(this, QStringLiteral("importa")); });
    connect(cmdEsci, &QToolButton::clicked, this, &QDialog::reject);
    connect(btnAnnulla, &QPushButton::clicked, this, [this] { m_stop = true; });
    connect(chkIntestazioni, &QCheckBox::toggled, this, [this](bool header) {
        if (!m_plan)
            return;
        m_plan->setHasHeader(header);
        m_columns->reset(m_plan.get());
        recheck();
    });
    pressButtonsOnEnter(this);
    refresh();
}

ImportWindow::~ImportWindow() = default;

bool ImportWindow::advance(qint64 done, qint64 total)
{
    prgAvanzamento->setValue(total > 0 ? int(done * 1000 / total) : 0);
    if (!m_lastEvents.isValid() || m_lastEvents.elapsed() >= kEventsMs) {
        m_lastEvents.start();
        QApplication::processEvents();
    }
    return !m_stop;
}

void ImportWindow::reject()
{
    if (m_busy) {
        m_stop = true;
        return;
    }
    QDialog::reject();
}

bool ImportWindow::openFile(const QString& path)
{
    std::unique_ptr<ImportPlan> plan;
    const RecordFile archive = m_table.type->archive();
    {
        Busy busy(*this, kReading, true);
        const Progress progress = [this](qint64 done, qint64 total) { return advance(done, total); };
        SheetFile::Sheet sheet = SheetFile::readFile(path, progress);
        if (sheet.failure != SheetFile::Failure::None) {
            if (sheet.failure != SheetFile::Failure::Cancelled)
                MessageBox::warning(this, failureText(sheet.failure));
            return false;
        }
        const auto codes = ImportPlan::archiveCodes(m_table, archive);
        if (!codes) {
            MessageBox::error(this, kAccessError);
            return false;
        }
        plan = std::make_unique<ImportPlan>(m_table, std::move(sheet));
        if (!plan->check(*codes, progress))
            return false;
        m_codes = *codes;
        m_columns->reset(plan.get());
        m_plan = std::move(plan);
        m_path = path;
        m_imported = false;
        const QSignalBlocker quiet(chkIntestazioni);
        chkIntestazioni->setChecked(true);
    }
    tabPagine->setCurrentWidget(grdAnteprima);
    if (m_plan->dataRows().isEmpty() && m_plan->sheet().brokenRow < 0) {
        MessageBox::warning(this, kHeaderOnly);
    } else if (!m_plan->matchedAny()) {
        tabPagine->setCurrentWidget(grdColonne);
        MessageBox::warning(this, kNoMatch);
    }
    return true;
}

void ImportWindow::recheck()
{
    Busy busy(*this, kChecking, false);
    m_plan->check(m_codes, [this](qint64 done, qint64 total) { return advance(done, total); });
}

void ImportWindow::refresh()
{
    m_preview->reset(m_plan.get(), m_imported);
    m_report->reset(m_plan.get(), m_imported);
    const bool ready = m_plan && !m_busy;
    cmdImporta->setEnabled(ready && !m_imported && m_plan->acceptedCount() > 0);
    cmdScartate->setEnabled(ready && m_plan->refusedCount() > 0);
    chkIntestazioni->setEnabled(ready && !m_imported);
    grdColonne->setEditTriggers(
        m_imported ? QAbstractItemView::NoEditTriggers : QAbstractItemView::AllEditTriggers);
    if (!m_plan) {
        lblFile->setText(kNoFile);
        lblRiepilogo->clear();
        return;
    }
    const SheetFile::Sheet& sheet = m_plan->sheet();
    QString file = sheet.format == SheetFile::Format::Html
        ? kFileHtml.arg(QDir::toNativeSeparators(m_path))
        : kFileCsv.arg(
            QDir::toNativeSeparators(m_path), separatorName(sheet.separator), encodingName(sheet.encoding));
    if (m_imported)
        file += kFileImported;
    lblFile->setText(file);
    const int changed = int(m_plan->reports().size()) - m_plan->refusedCount();
    lblRiepilogo->setText(kSummary.arg(m_plan->dataRows().size())
                              .arg(m_plan->acceptedCount())
                              .arg(m_plan->refusedCount())
                              .arg(changed));
}

void ImportWindow::cmdApriClick()
{
    const QString path = Dialogs::openFile(this, kPickTitle, kPickFilter);
    if (!path.isEmpty())
        openFile(path);
}

void ImportWindow::cmdImportaClick()
{
    if (!m_plan || m_imported)
        return;
    if (m_plan->acceptedCount() == 0) {
        MessageBox::warning(this, kNothingToImport);
        return;
    }
    if (!MessageBox::question(this, kAskImport.arg(m_plan->acceptedCount()).arg(m_plan->refusedCount())))
        return;
    const RecordFile archive = m_table.type->archive();
    ImportPlan::Appended appended;
    {
        Busy busy(*this, kAppending, true);
        appended
            = m_plan->append(archive, [this](qint64 done, qint64 total) { return advance(done, total); });
        m_imported = appended.outcome == ImportPlan::Outcome::Done;
    }
    switch (appended.outcome) {
    case ImportPlan::Outcome::Done:
        MessageBox::information(
            this, kDone.arg(appended.count).arg(appended.first).arg(appended.first + appended.count - 1));
        break;
    case ImportPlan::Outcome::Stopped:
        MessageBox::information(this, kStopped);
        break;
    case ImportPlan::Outcome::Changed:
        if (const auto codes = ImportPlan::archiveCodes(m_table, archive)) {
            m_codes = *codes;
            recheck();
            tabPagine->setCurrentWidget(grdScartate);
        }
        MessageBox::warning(this, kArchiveChanged);
        break;
    case ImportPlan::Outcome::Failed:
        MessageBox::error(this, kAccessError);
        break;
    }
}

void ImportWindow::cmdScartateClick()
{
    if (!m_plan || m_plan->refusedCount() == 0)
        return;
    const QString path = ProgramFolder::file(m_table.rejectsFile);
    if (!Disk::replaceFile(path, m_plan->rejectsCsv())) {
        MessageBox::plain(this, kRejectsError);
        return;
    }
    if (MessageBox::question(this, kAskOpenRejects.arg(QDir::toNativeSeparators(path))))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

void ImportWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

TfrmImpLibri::TfrmImpLibri(QWidget* parent)
    : ImportWindow(booksImport(), parent)
{
}

TfrmImpDVD::TfrmImpDVD(QWidget* parent)
    : ImportWindow(dvdsImport(), parent)
{
}

TfrmImpAnagrafica::TfrmImpAnagrafica(QWidget* parent)
    : ImportWindow(membersImport(), parent)
{
}
