#include "TfrmSplash.h"

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

const QString kCaption = QStringLiteral(" Lettoria 3.0");

} // namespace

TfrmSplash::TfrmSplash(QWidget* owner)
    : QDialog(owner, kFixedDialog)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(kCaption);
    setFixedSize(661, 467);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Artwork::credits(QSize(621, 340)));
    imgLogo->setAlignment(Qt::AlignCenter);

    lnkWeb = new LinkLabel(
        Artwork::icon(Artwork::Symbol::Web, 28), Maker::kWebText, QFont(QStringLiteral("Tahoma"), 12), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->pictureLabel()->setObjectName(QStringLiteral("imgWeb"));
    connect(lnkWeb, &LinkLabel::clicked, this,
        [] { TMisc::Open(QLatin1Char('"') + Maker::kWebAddress + QLatin1Char('"')); });

    btnChiudi = pushButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lnkWeb, 1);
    buttons->addWidget(btnChiudi);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->addWidget(imgLogo, 1);
    layout->addLayout(buttons);
    pressButtonsOnEnter(this, btnChiudi);

    if (owner)
        move(owner->window()->geometry().center() - rect().center());
}
