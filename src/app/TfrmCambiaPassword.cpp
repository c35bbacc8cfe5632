#include "TfrmCambiaPassword.h"

#include "Artwork.h"
#include "EnterKey.h"
#include "FieldHighlight.h"
#include "MessageBox.h"
#include "Password.h"
#include "ShortString.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Cambia password");
const QString kOldLabel = QStringLiteral("Vecchia password:");
const QString kNewLabel = QStringLiteral("Nuova password:");
const QString kConfirmLabel = QStringLiteral("Conferma nuova password:");
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed
    = QStringLiteral("Attenzione: la nuova password non \u00E8 stata confermata correttamente. "
                     "E' necessario reinserire entrambi i valori.");
const QString kCannotStore = QStringLiteral("Attenzione: password errata.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si \u00E8 verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(kCaption);
    setFixedSize(411, 418);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Artwork::logo(QSize(320, 90)));
    imgLogo->setAlignment(Qt::AlignCenter);

    QFont fieldFont(QStringLiteral("Verdana"), 12);
    fieldFont.setBold(true);
    QFont labelFont(QStringLiteral("Verdana"), 10);
    labelFont.setBold(true);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(14);
    auto makeField = [&](QLineEdit*& field, QFrame*& highlight, const char* name, const QString& label) {
        field = new QLineEdit(this);
        field->setObjectName(QLatin1String("txt") + QLatin1String(name));
        field->setEchoMode(QLineEdit::Password);
        field->setFont(fieldFont);
        field->setMinimumHeight(30);
        field->installEventFilter(this);
        highlight = FieldHighlight::attach(field, QLatin1String(name));
        auto* caption = new QLabel(label, this);
        caption->setFont(labelFont);
        form->addRow(caption, field);
        connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOk);
    };
    makeField(txtPasswordOld, effPasswordOld, "PasswordOld", kOldLabel);
    makeField(txtPasswordNew, effPasswordNew, "PasswordNew", kNewLabel);
    makeField(txtConferma, effConferma, "Conferma", kConfirmLabel);
    effConferma->setObjectName(QStringLiteral("effConferma"));

    enterMovesAlong({txtPasswordOld, txtPasswordNew, txtConferma});

    cmdEsci = pushButton(QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), this);
    cmdOK = pushButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), this);
    cmdOK->setEnabled(false);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::closed);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdEsci);
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->addWidget(imgLogo);
    layout->addSpacing(30);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
    pressButtonsOnEnter(this);
}

void TfrmCambiaPassword::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Artwork::centreOnScreen(*this);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closed();
}

void TfrmCambiaPassword::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease)
        updateOk();
    return QWidget::eventFilter(watched, event);
}

void TfrmCambiaPassword::updateOk()
{
    cmdOK->setEnabled(!ShortString::trimmed(txtPasswordOld->text()).isEmpty()
        && !ShortString::trimmed(txtPasswordNew->text()).isEmpty()
        && !ShortString::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::cmdOKClick()
{
    const auto stored = Password::readStored();
    if (!stored) {
        MessageBox::plain(this, kChangeError);
        return;
    }
    if (Password::normalised(txtPasswordOld->text()) != *stored) {
        MessageBox::plain(this, kWrongOld);
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    if (ShortString::trimmed(txtPasswordNew->text()) != ShortString::trimmed(txtConferma->text()))
        return refuseNew(kNotConfirmed);
    if (!Password::encipher(Password::normalised(txtPasswordNew->text())))
        return refuseNew(kCannotStore);
    if (!Password::writeStored(txtPasswordNew->text())) {
        MessageBox::plain(this, kChangeError);
        return;
    }
    MessageBox::plain(this, kDone);
    emit closed();
}

void TfrmCambiaPassword::refuseNew(const QString& message)
{
    MessageBox::plain(this, message);
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordNew->setFocus();
}
