#include "TfrmPassword.h"

#include "Artwork.h"
#include "EnterKey.h"
#include "FieldHighlight.h"
#include "MessageBox.h"
#include "Password.h"
#include "ShortString.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Lettoria 3.0 - Accesso");
const QString kPrompt = QStringLiteral("Immetti la password e premi OK.");
const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si \u00E8 verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");

} // namespace

TfrmPassword::TfrmPassword(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(kCaption);
    setFixedSize(388, 405);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Artwork::logo(QSize(320, 90)));
    imgLogo->setAlignment(Qt::AlignCenter);

    lblRigo05 = new QLabel(kPrompt, this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    QFont promptFont(QStringLiteral("Verdana"), 11);
    promptFont.setBold(true);
    lblRigo05->setFont(promptFont);
    lblRigo05->setAlignment(Qt::AlignCenter);

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    QFont fieldFont(QStringLiteral("Verdana"), 14);
    fieldFont.setBold(true);
    txtPassword->setFont(fieldFont);
    txtPassword->setMinimumHeight(36);
    txtPassword->installEventFilter(this);
    effPassword = FieldHighlight::attach(txtPassword, QStringLiteral("Password"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdOK->setMinimumSize(64, 36);

    cmdEsci = pushButton(QStringLiteral("cmdEsci"), QStringLiteral("Esci"), this, QSize(140, 32));
    btnCambiaPassword = pushButton(QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"), this, QSize(140, 32));

    auto* field = new QHBoxLayout;
    field->setSpacing(10);
    field->addWidget(txtPassword, 1);
    field->addWidget(cmdOK);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdEsci);
    buttons->addStretch();
    buttons->addWidget(btnCambiaPassword);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->addWidget(imgLogo);
    layout->addSpacing(36);
    layout->addWidget(lblRigo05);
    layout->addSpacing(12);
    layout->addLayout(field);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOk);
    connect(txtPassword, &QLineEdit::returnPressed, this, [this] {
        if (!ShortString::trimmed(txtPassword->text()).isEmpty())
            cmdOK->click();
    });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::exitRequested);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::changeRequested);
    pressButtonsOnEnter(this);
}

void TfrmPassword::resetField()
{
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Artwork::centreOnScreen(*this);
    txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event)
{
    // The window has no close button; closing it by other means is "Esci".
    event->ignore();
    emit exitRequested();
}

void TfrmPassword::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword && event->type() == QEvent::KeyRelease)
        updateOk();
    return QWidget::eventFilter(watched, event);
}

void TfrmPassword::updateOk()
{
    cmdOK->setEnabled(!ShortString::trimmed(txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick()
{
    const auto stored = Password::readStored();
    if (!stored) {
        MessageBox::plain(this, kReadError);
        return;
    }
    // A password the file could not hold is never right, whatever the file says.
    const QString typed = Password::normalised(txtPassword->text());
    if (Password::encipher(typed) && !typed.isEmpty() && typed == *stored) {
        emit accepted();
        return;
    }
    MessageBox::plain(this, kWrongPassword);
    resetField();
}
