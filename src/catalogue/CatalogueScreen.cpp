#include "CatalogueScreen.h"

#include "CodeValidation.h"
#include "MessageBox.h"
#include "RecordType.h"
#include "Modal.h"
#include "SheetPrint.h"
#include "ShortString.h"
#include "TMisc.h"
#include "TfrmCodiciDewey.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString kToValidate = QStringLiteral("CODICE DA CONVALIDARE:  ");
const QString kWebSearch = QStringLiteral("https://www.google.com/search?q=");
const QString kWebFailed = QStringLiteral(
    "Attenzione: il sistema non permette di collegarsi al motore di ricerca di Google.\n\r\n\r"
    "Accertarsi che la propria connessione a Internet funzioni correttamente.");
const QString kCode = QStringLiteral("Codice");
const QString kConvalida = QStringLiteral("Convalida");

} // namespace

CatalogueScreen::CatalogueScreen(const CatalogueTable& table, QWidget* parent)
    : CardScreen(table.form, parent)
    , m_table(table)
{
    txtConvalida = new QLabel(ShortString::kNo, this);
    txtConvalida->setObjectName(QStringLiteral("txtConvalida"));
    txtConvalida->hide();
    build();
    cmdDuplica = barButton(QStringLiteral("cmdDuplica"));
    cmdFile = barButton(QStringLiteral("cmdFile"));
    cmdStampa = barButton(QStringLiteral("cmdStampa"));
    cmdEsporta = barButton(QStringLiteral("cmdEsporta"));
    cmdImporta = barButton(QStringLiteral("cmdImporta"));
    cmdDisponibili = barButton(QStringLiteral("cmdDisponibili"));
    btnCodice = fieldButton(QStringLiteral("btnCodice"));
    btnDewey = fieldButton(QStringLiteral("btnDewey"));
    btnGoogle = fieldButton(QStringLiteral("btnGoogle"));

    // A consultation screen has no attachments, export, import, duplicate, code check, Dewey table or web
    // search.
    if (btnDewey)
        connect(btnDewey, &QPushButton::clicked, this, &CatalogueScreen::btnDeweyClick);
    connect(cmdStampa, &QToolButton::clicked, this, [this] {
        QList<SheetRow> rows;
        for (const auto& [label, field] : m_table.sheetRows)
            rows << SheetRow {label, QStringLiteral("txt") + field, text(field)};
        SheetWindow window(m_table.sheetWindow, m_table.sheetCaption, m_table.sheetHeading, rows, this);
        Modal::exec(window);
    });
    if (cmdFile)
        connect(cmdFile, &QToolButton::clicked, this, [this] { openAttachments(m_form.marker); });
    if (cmdDuplica)
        connect(cmdDuplica, &QToolButton::clicked, this, [this] { m_card.duplicate(); });
    if (cmdEsporta)
        connect(cmdEsporta, &QToolButton::clicked, this, [this] { m_table.exportArchive(this); });
    if (cmdImporta)
        connect(cmdImporta, &QToolButton::clicked, this, [this] { m_table.importArchive(this); });
    connect(cmdDisponibili, &QToolButton::clicked, this, [this] { openSearch(*m_table.availableTable); });
    if (btnCodice) {
        connect(btnCodice, &QPushButton::clicked, this, &CatalogueScreen::btnCodiceClick);
        // The check vouches for the code it was given: a code edited afterwards is checked again.
        connect(qobject_cast<QLineEdit*>(control(kCode)), &QLineEdit::textEdited, txtConvalida,
            [this] { txtConvalida->setText(ShortString::kNo); });
    }
    if (btnGoogle)
        connect(btnGoogle, &QPushButton::clicked, this, &CatalogueScreen::btnGoogleClick);
}

void CatalogueScreen::showExtraValues(const QHash<QString, QString>& values)
{
    if (values.contains(kConvalida))
        txtConvalida->setText(values.value(kConvalida));
}

void CatalogueScreen::addExtraValues(QHash<QString, QString>& values) const
{
    values.insert(kConvalida, txtConvalida->text());
}

void CatalogueScreen::setNewCardTexts()
{
    setText(QStringLiteral("Prestato"), m_table.availableText);
    txtConvalida->setText(ShortString::kNo);
}

void CatalogueScreen::clearForDuplicate()
{
    setText(kCode, QString());
    setText(QStringLiteral("Prestato"), m_table.availableText);
    setText(QStringLiteral("Scadenza"), QString());
    txtConvalida->setText(ShortString::kNo);
    chkAnnullata->setChecked(false);
    for (QLabel* label : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03})
        label->clear();
}

void CatalogueScreen::focusCode()
{
    focusField(kCode);
}

void CatalogueScreen::keepStoredFields(const QByteArray& stored, QByteArray& record) const
{
    // The loan fields are the loan desk's: the card only shows them.
    for (const char* field : {"Prestato", "Scadenza"}) {
        const FieldSpot spot = m_form.type->spot(QLatin1String(field));
        record.replace(spot.offset, spot.capacity + 1, stored.mid(spot.offset, spot.capacity + 1));
    }
}

bool CatalogueScreen::fieldKeyPress(const QString& field, QKeyEvent* event)
{
    if (field != kCode || position().isEmpty() || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return CardScreen::fieldKeyPress(field, event);
    // A stored card's code can be looked at, not changed.
    const int key = event->key();
    return key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Tab && key != Qt::Key_Backtab;
}

bool CatalogueScreen::refusesPaste(const QString& field) const
{
    return field == kCode && !position().isEmpty();
}

void CatalogueScreen::btnCodiceClick()
{
    const QString code = ShortString::trimmed(text(kCode));
    if (code.isEmpty()) {
        MessageBox::warning(this, m_table.codeMissing);
        return focusCode();
    }
    if (!position().isEmpty()) {
        MessageBox::information(this, m_table.codeAlreadyValidated);
        return focusCode();
    }
    CodeValidation window(*m_table.validation, code, this);
    window.txtCodice->setText(kToValidate + code);
    connect(&window, &CodeValidation::validated, txtConvalida, &QLabel::setText);
    Modal::exec(window);
}

void CatalogueScreen::btnDeweyClick()
{
    auto* dewey = qobject_cast<QLineEdit*>(control(QStringLiteral("Dewey")));
    TfrmCodiciDewey window(dewey, this);
    window.lblMemory->setText(QStringLiteral("libri"));
    Modal::exec(window);
    // However the table closes, the librarian goes on in the Dewey field.
    dewey->setFocus();
}

void CatalogueScreen::btnGoogleClick()
{
    const QString field = QLatin1String(m_table.webField);
    const QString searched = ShortString::trimmed(text(field));
    if (searched.isEmpty()) {
        MessageBox::warning(this, m_table.webMissing);
        return focusField(field);
    }
    if (!TMisc::Open(QLatin1Char('"') + kWebSearch + m_table.webPrefix + searched + QLatin1Char('"')))
        MessageBox::warning(this, kWebFailed);
}

TfrmLibri::TfrmLibri(QWidget* parent)
    : CatalogueScreen(booksCard(), parent)
{
}

TfrmDVD::TfrmDVD(QWidget* parent)
    : CatalogueScreen(dvdsCard(), parent)
{
}

TfrmConsultaLibri::TfrmConsultaLibri(QWidget* parent)
    : CatalogueScreen(booksConsultation(), parent)
{
}

TfrmConsultaDVD::TfrmConsultaDVD(QWidget* parent)
    : CatalogueScreen(dvdsConsultation(), parent)
{
}
