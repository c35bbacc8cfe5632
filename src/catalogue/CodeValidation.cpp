#include "CodeValidation.h"

#include "EnterKey.h"
#include "LineBuilder.h"
#include "MessageBox.h"
#include "RecordCard.h"
#include "RecordType.h"
#include "ResultList.h"
#include "Rules.h"
#include "ShortString.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString kCodeAtDesign = QStringLiteral("CODICE DA CONVALIDARE:");
const QString kInfo
    = QStringLiteral("Per essere valido, il codice deve essere assegnato ad un unico %1 della biblioteca.");
const QString kExplanation = QStringLiteral("Se il codice non \u00E8 valido, in alto compaiono i dati del %1 "
                                            "a cui lo stesso codice \u00E8 stato assegnato.");
const QString kResultTitle = QStringLiteral("RISULTATO CONVALIDA");
const QString kValid = QStringLiteral("CODICE %1 VALIDO");
const QString kNotValid = QStringLiteral("CODICE %1 NON VALIDO");
const QString kUnique
    = QStringLiteral("Il codice \u00E8 univoco e pu\u00F2 quindi essere assegnato al %1 corrente.");
const QString kNotUnique
    = QStringLiteral("Il codice non \u00E8 univoco e non pu\u00F2 quindi essere assegnato al %1 corrente.");

QLabel* band(const QString& text, const QString& style, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(style);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(34);
    return label;
}

} // namespace

const ValidationTable& bookValidation()
{
    static const ValidationTable table {QStringLiteral("frmConvalida"),
        QStringLiteral(" Convalida codice libro"), QStringLiteral("libro"), &RecordType::of<TSchedaLibro>()};
    return table;
}

const ValidationTable& dvdValidation()
{
    static const ValidationTable table {QStringLiteral("frmConvalidaDVD"),
        QStringLiteral(" Convalida codice DVD"), QStringLiteral("DVD"), &RecordType::of<TSchedaDVD>()};
    return table;
}

CodeValidation::CodeValidation(const ValidationTable& table, const QString& code, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_table(table)
{
    setObjectName(table.objectName);
    setWindowTitle(table.caption);
    setFixedSize(661, 398);
    const QString upperWord = table.word.toUpper();

    txtCodice = band(kCodeAtDesign,
        QStringLiteral("background: #1f4e8c; color: white; font: bold 14pt 'Verdana'; padding: 4px;"), this);
    txtCodice->setObjectName(QStringLiteral("txtCodice"));
    lblInfo = new QLabel(kInfo.arg(table.word), this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lstRecords = new ResultList(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setFixedHeight(
        lstRecords->fontMetrics().height() + lstRecords->horizontalScrollBar()->sizeHint().height() + 8);
    lblSpiegazione = new QLabel(kExplanation.arg(table.word), this);
    lblSpiegazione->setObjectName(QStringLiteral("lblSpiegazione"));
    lblSpiegazione->setWordWrap(true);
    lblTitConvalida = band(kResultTitle,
        QStringLiteral("background: #d9e4f2; color: #1f3a5f; font: bold 11pt 'Verdana';"), this);
    lblTitConvalida->setObjectName(QStringLiteral("lblTitConvalida"));
    txtResponso = new QLabel(kValid.arg(upperWord), this);
    txtResponso->setObjectName(QStringLiteral("txtResponso"));
    txtResponso->setAlignment(Qt::AlignCenter);
    txtResponso->setStyleSheet(QStringLiteral("color: #800000; font: bold 20pt 'Verdana';"));
    txtIndicazioni = new QLabel(kUnique.arg(table.word), this);
    txtIndicazioni->setObjectName(QStringLiteral("txtIndicazioni"));
    txtIndicazioni->setAlignment(Qt::AlignCenter);
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    btnOK = pushButton(QStringLiteral("btnOK"), QStringLiteral("OK"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(8);
    layout->addWidget(txtCodice);
    layout->addWidget(lblInfo);
    layout->addWidget(lstRecords);
    layout->addWidget(lblSpiegazione);
    layout->addStretch();
    layout->addWidget(lblTitConvalida);
    layout->addWidget(txtResponso);
    layout->addWidget(txtIndicazioni);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnOK, &QPushButton::clicked, this, &CodeValidation::btnOKClick);
    pressButtonsOnEnter(this, btnOK);
    check(code);
}

void CodeValidation::check(const QString& code)
{
    const RecordType& type = *m_table.type;
    const FieldSpot codice = type.spot(QStringLiteral("Codice"));
    const FieldSpot titolo = type.spot(QStringLiteral("Titolo"));
    const QString key = Rules::codeKey(code);
    LineBuilder conflict;
    conflict.text("Cod. ").pad(codice, 24).text("  ").pad(titolo, 50);
    QStringList lines;
    const bool read = type.archive().scan([&](qint64, const char* record) {
        if (Rules::codeKey(codice.read(record)) == key)
            lines << conflict.line(record);
        return true;
    });
    lines.sort(Qt::CaseInsensitive);
    lstRecords->setLines(lines);
    // An archive that cannot be read proves nothing: the code is not validated.
    if (!read)
        MessageBox::error(parentWidget(), kAccessError);
    if (!read || !lines.isEmpty()) {
        txtResponso->setText(kNotValid.arg(m_table.word.toUpper()));
        txtIndicazioni->setText(kNotUnique.arg(m_table.word));
    }
}

void CodeValidation::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    btnOK->setFocus();
}

void CodeValidation::btnOKClick()
{
    const QString verdict = txtResponso->text().trimmed();
    const QString upperWord = m_table.word.toUpper();
    if (verdict == kValid.arg(upperWord))
        emit validated(ShortString::kYes);
    else if (verdict == kNotValid.arg(upperWord))
        emit validated(ShortString::kNo);
    accept();
}

void CodeValidation::done(int result)
{
    lstRecords->clear();
    QDialog::done(result);
}

TfrmConvalida::TfrmConvalida(const QString& code, QWidget* parent)
    : CodeValidation(bookValidation(), code, parent)
{
}

TfrmConvalidaDVD::TfrmConvalidaDVD(const QString& code, QWidget* parent)
    : CodeValidation(dvdValidation(), code, parent)
{
}
