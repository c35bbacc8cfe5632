#pragma once

#include "ExportTables.h"
#include "Spreadsheet.h"

#include <QDialog>

class ClickableLabel;
class QLabel;
class QTableView;
class StatusLine;

// The export window: the records in a grid, then the spreadsheet file written from it and offered
// to the program that opens it.
class ExportWindow : public QDialog {
    Q_OBJECT
public:
    // The register exports read the register given; the archive exports their own archive.
    ExportWindow(const ExportTable& table, const QString& registerPath, QWidget* parent);

    QLabel* imgLogo;
    QTableView* grdRecords;
    ClickableLabel* cmdEsporta;
    ClickableLabel* cmdGuida;
    ClickableLabel* cmdEsci;
    QLabel* panInfo;

    // The rows of the grid, without the "N." column.
    const QList<QStringList>& rows() const;
    // Shows the window modally; when its archive or register could not be read, shows the access
    // message instead, so that no spreadsheet of a header alone passes for an export.
    int runModal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Fills the grid; false when the file could not be read.
    bool load(const QString& path);
    void cmdEsportaClick();

    const ExportTable& m_table;
    class ExportModel* m_model;
    StatusLine* m_status;
    bool m_read = false;
};

class TfrmExpLibri : public ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpLibri(QWidget* parent);
};

class TfrmExpDVD : public ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpDVD(QWidget* parent);
};

class TfrmExpAnagrafica : public ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpAnagrafica(QWidget* parent);
};

class TfrmExpPrestiti : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpPrestiti(const QString& registerPath, QWidget* parent);
};

class TfrmExpPrestitiSca : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpPrestitiSca(const QString& registerPath, QWidget* parent);
};
