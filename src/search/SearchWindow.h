#pragma once

#include "Search.h"
#include "SearchTable.h"

#include <QDialog>
#include <QHash>
#include <array>

class ListFinder;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class ResultList;

// The search window of an archive: up to ten criteria, the list of matching records, find within
// the list, print, and the record handed back to the caller on double-click. The caller writes its
// marker into lblMemory before showing the window, and connects recordChosen.
class SearchWindow : public QDialog {
    Q_OBJECT
public:
    SearchWindow(const SearchTable& table, QWidget* parent);

    QLineEdit* criterion(int index) const { return m_criteria.at(size_t(index)); }

    QWidget* panAvvio;
    QWidget* panContainer;
    QPushButton* btnAnnulla;
    QPushButton* btnCerca;
    QLabel* lblAttendere;
    QLabel* lblConta;
    QLabel* lblMemory;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ResultList* lstRecords;
    QLabel* lblTrovate;
    QPushButton* btnChiudi;
    QPushButton* btnStampa;

signals:
    // The record of the line double-clicked, with its 1-based position and the values the marker
    // asks for.
    void recordChosen(qint64 position, const QHash<QString, QString>& values);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void btnCercaClick();
    void lstRecordsDblClick();
    void btnStampaClick();

    const SearchTable& m_table;
    std::array<QLineEdit*, 10> m_criteria {};
    QStackedWidget* m_panels;
    ListFinder* m_finder;
};

class TfrmTrovaLibri : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaLibri(QWidget* parent = nullptr);
};

class TfrmTrovaDisponibili : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaDisponibili(QWidget* parent = nullptr);
};

class TfrmTrovaDVD : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaDVD(QWidget* parent = nullptr);
};

class TfrmTrovaDisponibiliDVD : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaDisponibiliDVD(QWidget* parent = nullptr);
};

class TfrmTrovaAnagrafica : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaAnagrafica(QWidget* parent = nullptr);
};

class TfrmTrovaPrestitiLibri : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaPrestitiLibri(QWidget* parent = nullptr);
};

class TfrmTrovaPrestitiDVD : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaPrestitiDVD(QWidget* parent = nullptr);
};
