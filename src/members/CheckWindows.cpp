#include "CheckWindows.h"

#include "DigitsOnly.h"
#include "Artwork.h"
#include "EnterKey.h"
#include "FieldText.h"
#include "IdentifierChecks.h"
#include "MessageBox.h"
#include "ShortString.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using Kind = CheckVerdict::Kind;

CheckVerdict taxCode(const QString& text)
{
    const QString code = ShortString::upperAToZ(text);
    if (code.size() != 16)
        return {Kind::Warning,
            QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."),
            false};
    if (IdentifierChecks::taxCodeValid(code))
        return {Kind::Information, QStringLiteral("Il codice fiscale digitato \u00E8 VALIDO."), true};
    return {Kind::Warning, QStringLiteral("Attenzione: il codice fiscale digitato \u00E8 ERRATO."), true};
}

CheckVerdict vatNumber(const QString& text)
{
    const QString number = ShortString::upperAToZ(text);
    if (number.size() != 11)
        return {Kind::Warning,
            QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."), false};
    if (!IdentifierChecks::vatNumberValid(number))
        return {Kind::Warning,
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                           "Non \u00E8 quindi possibile fornire informazioni relative all'Ufficio IVA che lo "
                           "ha rilasciato."),
            true};
    return {Kind::Information,
        QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                       "E' stato rilasciato dall'Ufficio IVA del Comune di ")
            + IdentifierChecks::vatOffice(number) + QLatin1Char('.'),
        true};
}

CheckVerdict card(const QString& text)
{
    const QString number = ShortString::trimmed(text);
    if (number.isEmpty())
        return {Kind::Warning,
            QStringLiteral(
                "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo."),
            false};
    const int type = IdentifierChecks::cardType(text);
    const QString brand = IdentifierChecks::cardBrand(number, type);
    // A valid number whose prefix names no brand (32, 39) is wrong like every number outside the
    // brand table.
    if (brand.isEmpty())
        return {Kind::Warning,
            QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                           "Non \u00E8 quindi possibile fornire informazioni relative al tipo di carta di "
                           "credito."),
            true};
    return {Kind::Information,
        QStringLiteral("Il numero di carta di credito ") + number
            + QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito \u00E8 del tipo ") + brand
            + QLatin1Char('.'),
        true};
}

CheckVerdict iban(const QString& text)
{
    const QString trimmed = ShortString::trimmed(text);
    if (trimmed.size() != 27)
        return {Kind::Warning,
            QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."), false};
    if (IdentifierChecks::ibanValid(trimmed))
        return {Kind::Information, QStringLiteral("L'IBAN digitato \u00E8 VALIDO."), true};
    return {Kind::Warning, QStringLiteral("Attenzione: l'IBAN digitato \u00E8 ERRATO!"), true};
}

const CheckTable kTaxCode {QStringLiteral("frmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
    QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."), "txtCodFisc", 16,
    IdentifierChecks::kTaxCodeForm, false, true, true, taxCode};
const CheckTable kVatNumber {QStringLiteral("frmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
    QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."), "txtPartitaIva",
    11, IdentifierChecks::kVatNumberForm, true, false, false, vatNumber};
const CheckTable kCard {QStringLiteral("frmCarta"), QStringLiteral(" Controllo carta di credito"),
    QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
    "txtNumero", 30, IdentifierChecks::kCardForm, true, true, false, card};
const CheckTable kIban {QStringLiteral("frmIban"), QStringLiteral(" Controllo IBAN"),
    QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."), "txtIban", 27,
    IdentifierChecks::kIbanForm, false, true, true, iban};

// The banner: the window's name beside a check mark on a steel-blue band.
QPixmap banner(const QString& caption, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, QColor(0x2e, 0x5f, 0x8f));
    g.setColorAt(1, QColor(0x9c, 0xb8, 0xd6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(QPointF(0, 0), size), 8, 8);
    const int side = size.height() - 12;
    p.drawPixmap(8, 6, Artwork::icon(Artwork::Symbol::Check, side));
    QFont font(QStringLiteral("Verdana"), 14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(side + 20, 0, size.width() - side - 28, size.height()), Qt::AlignVCenter | Qt::AlignLeft,
        caption.trimmed());
    return pixmap;
}

} // namespace

CheckWindow::CheckWindow(const CheckTable& table, const QString& text, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_table(table)
{
    setObjectName(table.objectName);
    setWindowTitle(table.caption);

    imgBanner = new QLabel(this);
    imgBanner->setObjectName(QStringLiteral("imgBanner"));
    lblIstruzioni = new QLabel(table.instruction, this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);

    edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(table.editName));
    // Typing stops at the identifier's length, but a longer text handed over (digits typed in the
    // tax-code field) reaches the check whole, so that its length is what gets reported.
    edit->setMaxLength(std::max(table.maxLength, int(text.size())));
    QFont big(QStringLiteral("Verdana"), 20);
    big.setBold(true);
    edit->setFont(big);
    edit->setMinimumWidth(codeWidth(edit, QLatin1String(table.form)));
    if (table.digitsOnly)
        digitsOnly(edit);
    if (table.upperCase) {
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& typed) {
            const QString wanted = ShortString::upperAToZ(ShortString::trimmed(typed));
            if (wanted != typed)
                edit->setText(wanted);
        });
    }
    edit->installEventFilter(this);
    loadText(edit, text);

    btnControlla = pushButton(QStringLiteral("btnControlla"), QStringLiteral("Controlla"), this, QSize(120, 34));
    btnChiudi = pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this, QSize(120, 34));

    auto* line = new QHBoxLayout;
    line->addWidget(edit, 1);
    line->addWidget(btnControlla);
    auto* foot = new QHBoxLayout;
    foot->addStretch();
    foot->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addWidget(imgBanner);
    layout->addWidget(lblIstruzioni);
    layout->addLayout(line);
    layout->addStretch();
    layout->addLayout(foot);
    // As wide as the whole code needs, and never narrower than the usual 480.
    const int width = std::max(480, layout->totalMinimumSize().width());
    setFixedSize(width, 262);
    imgBanner->setPixmap(banner(table.caption, QSize(width - 28, 64)));

    connect(edit, &QLineEdit::returnPressed, btnControlla, qOverload<>(&QWidget::setFocus));
    connect(btnControlla, &QPushButton::clicked, this, &CheckWindow::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    pressButtonsOnEnter(this);
}

void CheckWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Artwork::centreOnScreen(*this);
    edit->setFocus();
}

bool CheckWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit && event->type() == QEvent::KeyRelease && m_table.upperOnRelease) {
        const QString wanted = ShortString::upperAToZ(ShortString::trimmed(edit->text()));
        if (wanted != edit->text())
            edit->setText(wanted);
    }
    return QDialog::eventFilter(watched, event);
}

void CheckWindow::btnControllaClick()
{
    const CheckVerdict verdict = m_table.check(edit->text());
    if (verdict.kind == CheckVerdict::Kind::Warning)
        MessageBox::warning(this, verdict.text);
    else if (verdict.kind == CheckVerdict::Kind::Information)
        MessageBox::information(this, verdict.text);
    if (verdict.closes) {
        accept();
        return;
    }
    edit->setFocus();
}

TfrmCodFisc::TfrmCodFisc(const QString& code, QWidget* parent)
    : CheckWindow(kTaxCode, code, parent)
{
}

TfrmPartitaIva::TfrmPartitaIva(const QString& number, QWidget* parent)
    : CheckWindow(kVatNumber, number, parent)
{
}

TfrmCarta::TfrmCarta(const QString& number, QWidget* parent)
    : CheckWindow(kCard, number, parent)
{
}

TfrmIban::TfrmIban(const QString& iban, QWidget* parent)
    : CheckWindow(kIban, iban, parent)
{
}
