#pragma once

#include <QWidget>

class ClickableLabel;
class QLabel;

// The main menu: six work areas, information, help, credits, web site and exit. Tab and the
// arrows reach each of them, Enter or the space bar open it, F1 opens the help.
class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    enum class Area { Anagrafica, Tessere, Libri, DVD, Prestiti, Catalogo };

    explicit TfrmAvvio(QWidget* parent = nullptr);

    ClickableLabel* imgAnagrafica;
    ClickableLabel* btnAnagrafica;
    ClickableLabel* imgTessere;
    ClickableLabel* btnTessere;
    ClickableLabel* imgLibri;
    ClickableLabel* btnLibri;
    ClickableLabel* imgDVD;
    ClickableLabel* btnDVD;
    ClickableLabel* imgPrestiti;
    ClickableLabel* btnCarico;
    ClickableLabel* imgCatalogo;
    ClickableLabel* btnScarico;
    ClickableLabel* imgInfo;
    ClickableLabel* imgGuida;
    ClickableLabel* imgCopyright;
    ClickableLabel* icoSito;
    ClickableLabel* imgEsci;
    QLabel* icoTitolo;
    QLabel* icoSottotitolo;
    QLabel* icoIcona;
    QLabel* icoVersione;

signals:
    void areaChosen(TfrmAvvio::Area area);
    // imgEsci, or the window closed: the program ends at once.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void icoSitoClick();
};
