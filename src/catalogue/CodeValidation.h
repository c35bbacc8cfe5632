#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class RecordType;
class ResultList;

// What tells the book validation from the DVD one.
struct ValidationTable {
    QString objectName;
    QString caption;
    QString word; // "libro" or "DVD"
    const RecordType* type;
};

const ValidationTable& bookValidation();
const ValidationTable& dvdValidation();

// Checks, when it is created, that no record of the archive (cancelled ones included) carries the
// code, A-Z compared without regard to case and blanks around ignored; lists the records that do
// and gives the verdict. OK hands the verdict back as "Sì" or "No"; Annulla hands nothing.
class CodeValidation : public QDialog {
    Q_OBJECT
public:
    CodeValidation(const ValidationTable& table, const QString& code, QWidget* parent);

    QLabel* txtCodice;
    QLabel* lblInfo;
    ResultList* lstRecords;
    QLabel* lblSpiegazione;
    QLabel* lblTitConvalida;
    QLabel* txtResponso;
    QLabel* txtIndicazioni;
    QPushButton* btnAnnulla;
    QPushButton* btnOK;

signals:
    void validated(const QString& convalida);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void check(const QString& code);
    void btnOKClick();

    const ValidationTable& m_table;
};

class TfrmConvalida : public CodeValidation {
    Q_OBJECT
public:
    TfrmConvalida(const QString& code, QWidget* parent);
};

class TfrmConvalidaDVD : public CodeValidation {
    Q_OBJECT
public:
    TfrmConvalidaDVD(const QString& code, QWidget* parent);
};
