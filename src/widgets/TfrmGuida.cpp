#include "TfrmGuida.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "EnterKey.h"
#include "HelpTopic.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "TMisc.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Guida all'utilizzo del software");
const QString kTitleAtDesign = QStringLiteral("Argomento della guida.");
const QString kGuideLink = QStringLiteral("Visualizza guida in formato PDF");
const QString kClose = QStringLiteral("Chiudi");

} // namespace

TfrmGuida::TfrmGuida(QWidget* owner)
    : QDialog(owner, kFixedDialog)
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(kCaption);
    setFixedSize(670, 572);
    Artwork::centreOnScreen(*this);

    lblTitolo = new QLabel(kTitleAtDesign, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(QFont(QStringLiteral("Arial"), 16));

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont text(QStringLiteral("Verdana"), 12);
    text.setBold(true);
    txtGuida->setFont(text);

    lnkWeb = new LinkLabel(
        Artwork::icon(Artwork::Symbol::Pdf, 32), kGuideLink, QFont(QStringLiteral("Tahoma"), 14), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->pictureLabel()->setObjectName(QStringLiteral("imgPDF"));
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);

    btnChiudi = pushButton(QStringLiteral("btnChiudi"), kClose, this);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(lblTitolo);
    layout->addWidget(txtGuida, 1);
    layout->addWidget(lnkWeb);
    layout->addWidget(btnChiudi, 0, Qt::AlignRight);
    pressButtonsOnEnter(this, btnChiudi);
}

void TfrmGuida::showTopic(QWidget* owner, const QString& topic)
{
    const HelpTopic help = HelpTopic::load(topic);
    TfrmGuida window(owner);
    window.lblTitolo->setText(help.title);
    window.txtGuida->setPlainText(help.text());
    Modal::exec(window);
}

void TfrmGuida::lnkWebClick()
{
    TMisc::Open(QLatin1Char('"') + ProgramFolder::path() + QStringLiteral("Guida.pdf") + QLatin1Char('"'));
}
