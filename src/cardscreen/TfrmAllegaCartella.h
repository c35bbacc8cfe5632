#pragma once

#include <QDialog>
#include <array>

class ClickableLabel;
class QLabel;
class QLineEdit;
class QPushButton;

// The attachments of a card: three files copied into the program's Documenti_Allegati folder,
// each with a description. The card keeps only the names and descriptions, and stores them when
// it is saved.
class TfrmAllegaCartella : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget* parent);

    std::array<QLineEdit*, 3> txtFile;
    std::array<ClickableLabel*, 3> imgCancella;
    std::array<QPushButton*, 3> btnSfoglia;
    std::array<QPushButton*, 3> btnApri;
    std::array<QLineEdit*, 3> txtDesc;
    QPushButton* btnAnnulla;
    QPushButton* btnApplica;
    QLabel* lblMemory;

    // The folder every attachment is copied into.
    static QString folder();

signals:
    // "Applica e chiudi": the three names and the three descriptions, trimmed.
    void applied(const QStringList& files, const QStringList& descriptions);

private:
    void browse(int slot);
};
