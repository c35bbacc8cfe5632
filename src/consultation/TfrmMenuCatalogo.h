#pragma once

#include <QWidget>

class ClickableLabel;
class QLabel;
class QPushButton;

// The visitors' catalogue menu: the books or the DVDs, read-only; leaving it ends the program, so
// that a visitor never reaches the screens that change the archives.
class TfrmMenuCatalogo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMenuCatalogo(QWidget* parent = nullptr);

    QLabel* imgTitolo;
    QLabel* lblRigo;
    ClickableLabel* icoLibri;
    QPushButton* btnApriLibri;
    ClickableLabel* icoDVD;
    QPushButton* btnApriDVD;
    ClickableLabel* imgGuida;
    ClickableLabel* imgEsci;
    // "avvio", "libri" or "dvd".
    QLabel* lblMemory;

signals:
    // The menu closed to open a catalogue ("libri", "dvd").
    void catalogueChosen(const QString& choice);
    // The menu closed for good, the user having confirmed the end of the program.
    void programEndRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(const QString& choice);
};
