#include "CardDialogs.h"

#include "Artwork.h"
#include "EnterKey.h"
#include "FieldHighlight.h"
#include "IniFile.h"
#include "Printing.h"
#include "ProgramFolder.h"
#include "ShortString.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kWait = QStringLiteral("Elaborazione in corso. Attendere...");
const QString kMargins = QStringLiteral("Margini Stampa");

QString settingsPath()
{
    return ProgramFolder::file(QStringLiteral("Tesserini.ini"));
}

// A small picture of the card on its sheet with the two margins marked.
QPixmap marginsPicture(const QSize& size, bool margins)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x9a, 0xa4, 0xae));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(20, 6, size.width() - 40, size.height() - 12));
    const QRectF card(70, 30, 120, 76);
    p.setBrush(QColor(0xf4, 0xf6, 0xf8));
    p.setPen(Qt::black);
    p.drawRoundedRect(card, 6, 6);
    p.setBrush(QColor(0x00, 0x00, 0x80));
    p.drawRect(QRectF(card.left() + 2, card.top() + 2, card.width() - 4, 16));
    if (margins) {
        p.setPen(QPen(QColor(0xC0, 0x39, 0x2B), 1.5, Qt::DashLine));
        p.drawLine(QPointF(card.left() + 20, 6), QPointF(card.left() + 20, card.top()));
        p.drawLine(QPointF(20, card.top() + 40), QPointF(card.left(), card.top() + 40));
    }
    return pixmap;
}

// A margin as whole millimetres; an empty or hand-edited value that is not a whole number is 0.
int millimetres(const QLineEdit* edit)
{
    return ShortString::trimmed(edit->text()).toInt();
}

} // namespace

TfrmDatiEnte::TfrmDatiEnte(QWidget* parent)
    : QDialog(parent, kFixedDialog)
{
    setObjectName(QStringLiteral("frmDatiEnte"));
    setWindowTitle(QStringLiteral(" Dati biblioteca"));
    setFixedSize(520, 330);
    auto* picture = new QLabel(this);
    picture->setPixmap(Artwork::icon(Artwork::Symbol::Card, 56));
    lblIstruzioni = new QLabel(QStringLiteral("Inserire i dati e fare clic su Applica e chiudi per salvare le modifiche."), this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);
    lblMemory = memoryLabel(this);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QList<QLineEdit*> edits;
    for (const auto& [name, label] : {std::pair("txtAssociazione", "Denominazione:"),
             std::pair("txtSottotitolo01", "Sottotitolo 1:"), std::pair("txtSottotitolo02", "Sottotitolo 2:"),
             std::pair("txtAnnotazioni", "Annotazioni:")}) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setMinimumHeight(28);
        form->addRow(QString::fromUtf8(label), edit);
        edits << edit;
    }
    txtAssociazione = edits.at(0);
    txtSottotitolo01 = edits.at(1);
    txtSottotitolo02 = edits.at(2);
    txtAnnotazioni = edits.at(3);
    enterMovesAlong(edits);
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this, QSize(130, 32));
    btnApplica = pushButton(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this, QSize(130, 32));

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(lblIstruzioni, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addLayout(top);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
    for (QLineEdit* edit : edits)
        FieldHighlight::attach(edit, edit->objectName().mid(3));

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, [this] {
        if (lblMemory->text() == QLatin1String("tessera")) {
            QStringList lines;
            for (QLineEdit* edit : {txtAssociazione, txtSottotitolo01, txtSottotitolo02, txtAnnotazioni})
                lines << ShortString::trimmed(edit->text());
            emit applied(lines);
        }
        accept();
    });
    pressButtonsOnEnter(this);
}

void TfrmDatiEnte::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtAssociazione->setFocus();
}

TfrmStampaTessera::TfrmStampaTessera(const CardContent& card, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_card(card)
{
    setObjectName(QStringLiteral("frmStampaTessera"));
    setWindowTitle(QStringLiteral(" Stampa tessera biblioteca"));
    setFixedSize(470, 420);
    imgMargini = new QLabel(this);
    imgMargini->setObjectName(QStringLiteral("imgMargini"));
    imgMargini->setPixmap(marginsPicture(QSize(260, 140), true));
    imgMargini->setAlignment(Qt::AlignCenter);

    const auto margin = [this](const char* minus, const char* edit, const char* plus, const char* apply,
                            QLineEdit*& field) {
        auto* less = pushButton(QLatin1String(minus), QStringLiteral("-"), this, QSize());
        auto* more = pushButton(QLatin1String(plus), QStringLiteral("+"), this, QSize());
        field = new QLineEdit(QStringLiteral("0"), this);
        field->setObjectName(QLatin1String(edit));
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(70);
        for (QPushButton* b : {less, more})
            b->setFixedSize(34, 30);
        auto* applyButton = pushButton(QLatin1String(apply), QStringLiteral("Applica"), this, QSize());
        connect(less, &QPushButton::clicked, field, [field] { field->setText(QString::number(millimetres(field) - 1)); });
        connect(more, &QPushButton::clicked, field, [field] { field->setText(QString::number(millimetres(field) + 1)); });
        return std::tuple(less, more, applyButton);
    };
    std::tie(btnTopMinus, btnTopPlus, btnApplicaTop) = margin("btnTopMinus", "txtTop", "btnTopPlus", "btnApplicaTop", txtTop);
    std::tie(btnLeftMinus, btnLeftPlus, btnApplicaLeft)
        = margin("btnLeftMinus", "txtLeft", "btnLeftPlus", "btnApplicaLeft", txtLeft);
    lblAttendere = waitLabel(kWait, this);
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Stampa"), this);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    int row = 0;
    for (const auto& [label, less, field, more, apply] :
        {std::tuple(QStringLiteral("Margine superiore:"), btnTopMinus, txtTop, btnTopPlus, btnApplicaTop),
            std::tuple(QStringLiteral("Margine sinistro:"), btnLeftMinus, txtLeft, btnLeftPlus, btnApplicaLeft)}) {
        grid->addWidget(new QLabel(label, this), row, 0, Qt::AlignRight);
        grid->addWidget(less, row, 1);
        grid->addWidget(field, row, 2);
        grid->addWidget(new QLabel(QStringLiteral("mm"), this), row, 3);
        grid->addWidget(more, row, 4);
        grid->addWidget(apply, row + 1, 1, 1, 4);
        row += 2;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(imgMargini);
    layout->addLayout(grid);
    layout->addWidget(lblAttendere, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addLayout(buttons);

    // The margins on file; an empty value shows as 0.
    const IniFile settings(settingsPath());
    for (const auto& [field, key] : {std::pair(txtTop, QStringLiteral("Superiore")), std::pair(txtLeft, QStringLiteral("Sinistro"))}) {
        const QString value = ShortString::trimmed(settings.read(kMargins, key).value_or(QString()));
        field->setText(value.isEmpty() ? QStringLiteral("0") : value);
    }
    connect(btnApplicaTop, &QPushButton::clicked, this,
        [this] { IniFile(settingsPath()).write(kMargins, QStringLiteral("Superiore"), ShortString::trimmed(txtTop->text())); });
    connect(btnApplicaLeft, &QPushButton::clicked, this,
        [this] { IniFile(settingsPath()).write(kMargins, QStringLiteral("Sinistro"), ShortString::trimmed(txtLeft->text())); });
    showWaitOnPress(btnStampa, lblAttendere);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaTessera::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    pressButtonsOnEnter(this);
}

void TfrmStampaTessera::btnStampaClick()
{
    lblAttendere->show();
    // The margins on display, applied or not.
    Printing::print(this, membershipCard(m_card, millimetres(txtTop), millimetres(txtLeft)));
    lblAttendere->hide();
    accept();
}

TfrmAnteprimaTessera::TfrmAnteprimaTessera(const CardContent& card, QWidget* parent)
    : QDialog(parent, kFixedDialog)
    , m_card(card)
{
    setObjectName(QStringLiteral("frmAnteprimaTessera"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    setFixedSize(420, 260);
    imgAnteprima = new QLabel(this);
    imgAnteprima->setObjectName(QStringLiteral("imgAnteprima"));
    imgAnteprima->setPixmap(marginsPicture(QSize(260, 140), false));
    imgAnteprima->setAlignment(Qt::AlignCenter);
    lblAttendere = waitLabel(kWait, this);
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this, QSize(140, 32));
    btnStampa = pushButton(QStringLiteral("btnStampa"), QStringLiteral("Mostra anteprima"), this, QSize(140, 32));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(imgAnteprima);
    layout->addWidget(lblAttendere, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addLayout(buttons);
    showWaitOnPress(btnStampa, lblAttendere);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmAnteprimaTessera::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    pressButtonsOnEnter(this, btnStampa);
}

void TfrmAnteprimaTessera::btnStampaClick()
{
    lblAttendere->show();
    const Report card = membershipCard(m_card, 0, 0);
    lblAttendere->hide();
    Printing::preview(this, card);
    accept();
}
