#pragma once

#include "ImportPlan.h"

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class StatusLine;

// The import window: a spreadsheet file chosen, its columns matched to the card's fields, its rows
// checked as cards saved by hand and shown as they will be stored, the refused ones listed with
// their reasons; then the accepted rows added to the archive in one step, all or none.
class ImportWindow : public QDialog {
    Q_OBJECT
public:
    ImportWindow(const ImportTable& table, QWidget* parent);
    ~ImportWindow() override;

    QLabel* imgLogo;
    QToolButton* cmdApri;
    QToolButton* cmdImporta;
    QToolButton* cmdScartate;
    QToolButton* cmdGuida;
    QToolButton* cmdEsci;
    QLabel* lblIstruzioni;
    QLabel* lblFile;
    QCheckBox* chkIntestazioni;
    QTabWidget* tabPagine;
    QTableView* grdColonne;
    QTableView* grdAnteprima;
    QTableView* grdScartate;
    QLabel* lblRiepilogo;
    QProgressBar* prgAvanzamento;
    QPushButton* btnAnnulla;
    QLabel* panInfo;

    // Reads a file into the window, as "Apri" does with the file chosen: false when it could not be
    // read as a spreadsheet, after saying why.
    bool openFile(const QString& path);
    // The file read and checked, if any.
    const ImportPlan* plan() const { return m_plan.get(); }

public slots:
    // While the window works, Esc and the close box stop the work rather than close the window.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    class Busy;
    friend class Busy;

    // The progress of the work under way, on the bar; false once "Annulla" is pressed.
    bool advance(qint64 done, qint64 total);
    void cmdApriClick();
    void cmdImportaClick();
    void cmdScartateClick();
    // Checks the rows again, after the columns' fields or the header box changed.
    void recheck();
    void refresh();

    const ImportTable& m_table;
    std::unique_ptr<ImportPlan> m_plan;
    ArchiveCodes m_codes;
    QString m_path;
    bool m_imported = false;
    bool m_busy = false;
    bool m_stop = false;
    QElapsedTimer m_lastEvents;
    class ColumnsModel* m_columns;
    class PreviewModel* m_preview;
    class ReportModel* m_report;
    StatusLine* m_status;
};

class TfrmImpLibri : public ImportWindow {
    Q_OBJECT
public:
    explicit TfrmImpLibri(QWidget* parent);
};

class TfrmImpDVD : public ImportWindow {
    Q_OBJECT
public:
    explicit TfrmImpDVD(QWidget* parent);
};

class TfrmImpAnagrafica : public ImportWindow {
    Q_OBJECT
public:
    explicit TfrmImpAnagrafica(QWidget* parent);
};
