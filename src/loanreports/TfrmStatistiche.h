#pragma once

#include "Chart.h"

#include <QWidget>

class ClickableLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class StatusLine;

// The chart of the screen, drawn by the chart engine.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);
    Chart chart;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The monthly loan statistics: the loans of each month of a year as 3D bars or a 3D pie, printed
// in as many copies as asked.
class TfrmStatistiche : public QWidget {
    Q_OBJECT
public:
    explicit TfrmStatistiche(QWidget* parent = nullptr);

    QWidget* panAvvio;
    QLabel* lblApri;
    QLineEdit* txtAnno;
    QPushButton* btnApri;
    ClickableLabel* imgGuida;
    ClickableLabel* imgEsci;
    QWidget* panContainer;
    QLabel* lblTitolo;
    QLabel* lblRigo04;
    QLabel* lblRigo05;
    ChartView* ChartStats;
    QPushButton* btnTorta;
    QPushButton* btnBarre;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    ClickableLabel* cmdGuida;
    QLabel* panInfo;

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void btnApriClick();
    void setKind(Chart::Kind kind);
    void btnStampaClick();

    QStackedWidget* m_panels;
    StatusLine* m_status;
};
