#include "TfrmInfo.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "EnterKey.h"
#include "Maker.h"
#include "TMisc.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Informazioni su Lettoria 3.0");
const QString kSubject = QStringLiteral("Software Lettoria 3.0");
const QString kBody
    = QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
} // namespace

TfrmInfo::TfrmInfo(QWidget* owner)
    : QDialog(owner, kFixedDialog)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(kCaption);
    setFixedSize(473, 579);
    Artwork::centreOnScreen(*this);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Artwork::logo(QSize(360, 104)));
    imgLogo->setAlignment(Qt::AlignCenter);

    imgInfo = new QLabel(this);
    imgInfo->setObjectName(QStringLiteral("imgInfo"));
    imgInfo->setPixmap(Artwork::aboutPage(QSize(433, 326)));
    imgInfo->setAlignment(Qt::AlignCenter);

    lnkWeb = new LinkLabel(
        Artwork::icon(Artwork::Symbol::Mail, 32), Maker::kMail, QFont(QStringLiteral("Tahoma"), 12), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->pictureLabel()->setObjectName(QStringLiteral("imgEmail"));
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);

    btnChiudi = pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(14);
    layout->addWidget(imgLogo);
    layout->addWidget(imgInfo, 1);
    layout->addWidget(lnkWeb);
    layout->addWidget(btnChiudi, 0, Qt::AlignHCenter);
    pressButtonsOnEnter(this, btnChiudi);
}

QString TfrmInfo::mailCommand()
{
    return QStringLiteral("mailto:") + Maker::kMail + QStringLiteral("?subject=") + kSubject
        + QStringLiteral("&body=") + kBody;
}

void TfrmInfo::lnkWebClick()
{
    TMisc::Open(QLatin1Char('"') + mailCommand() + QLatin1Char('"'));
}
