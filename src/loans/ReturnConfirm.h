#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The confirmation of a return: the catalogue record of the loan's code, shown read-only. It only
// reports the choice; the returns screen writes.
class ReturnConfirm : public QDialog {
    Q_OBJECT
public:
    QLabel* heaConferma;
    QLabel* lblIstruzioni;
    QLineEdit* txtTitolo;
    QLineEdit* txtCodice;
    QLineEdit* txtScaffale;
    QLineEdit* txtAutore; // the director's field on the DVD window: txtRegia
    QLineEdit* txtNazione;
    QLineEdit* txtGenere;
    QPushButton* btnAnnulla;
    QPushButton* btnConferma;
    // The catalogue record found; empty when no record has the code.
    QLabel* lblPosizione;

    // Whether the catalogue could be read when the window was made; when it could not, the
    // window is not to be shown.
    bool catalogueRead() const { return m_catalogueRead; }

signals:
    // "Conferma": the catalogue record to release, 0 when none was found.
    void confirmed(qint64 record);

protected:
    ReturnConfirm(bool book, const QString& code, QWidget* parent);

private:
    bool m_catalogueRead = false;
};

class TfrmRendiLibro : public ReturnConfirm {
    Q_OBJECT
public:
    TfrmRendiLibro(const QString& code, QWidget* parent);
};

class TfrmRendiDVD : public ReturnConfirm {
    Q_OBJECT
public:
    TfrmRendiDVD(const QString& code, QWidget* parent);
};
