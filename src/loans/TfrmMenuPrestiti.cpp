#include "TfrmMenuPrestiti.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "EnterKey.h"
#include "TfrmGuida.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral(" Lettoria 3.0 - Prestiti Libri e DVD");
const QString kInformation = QStringLiteral(
    "In questo ambiente \u00E8 possibile gestire i prestiti dei libri e DVD nonch\u00E9 visualizzare lo storico e "
    "i grafici statistici mensili.");

} // namespace

TfrmMenuPrestiti::TfrmMenuPrestiti(QWidget* parent)
    : QWidget(parent, kFixedDialog)
{
    setObjectName(QStringLiteral("frmMenuPrestiti"));
    setWindowTitle(kCaption);
    setFixedSize(520, 430);

    auto* logo = new QLabel(this);
    logo->setPixmap(Artwork::logo(QSize(300, 86)));
    logo->setAlignment(Qt::AlignCenter);
    lblInformazioni = new QLabel(kInformation, this);
    lblInformazioni->setObjectName(QStringLiteral("lblInformazioni"));
    lblInformazioni->setWordWrap(true);
    lblInformazioni->setAlignment(Qt::AlignCenter);

    const auto title = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: #1f3a5f;"));
        return label;
    };
    const auto button = [this](const char* name, const QString& text) {
        return pushButton(QLatin1String(name), text, this, QSize(150, 34));
    };
    intOperazione = title("intOperazione", QStringLiteral("Scegli l'operazione da effettuare:"));
    btnApriPrestito = button("btnApriPrestito", QStringLiteral("Prestito"));
    btnApriRestituzione = button("btnApriRestituzione", QStringLiteral("Restituzione"));
    intStorico = title("intStorico", QStringLiteral("Storico prestiti:"));
    btnApriRiepStorico = button("btnApriRiepStorico", QStringLiteral("Visualizza"));
    intStats = title("intStats", QStringLiteral("Statistiche prestiti mensili:"));
    btnApriRiepStats = button("btnApriRiepStats", QStringLiteral("Visualizza"));

    imgGuida = iconButton(QStringLiteral("imgGuida"), Artwork::Symbol::Help, 40, this);
    imgEsci = iconButton(QStringLiteral("imgEsci"), Artwork::Symbol::Exit, 40, this);
    lblMemory = memoryLabel(this, QStringLiteral("avvio"));

    auto* choices = new QGridLayout;
    choices->setVerticalSpacing(10);
    choices->addWidget(intOperazione, 0, 0, 1, 2);
    choices->addWidget(btnApriPrestito, 1, 0);
    choices->addWidget(btnApriRestituzione, 1, 1);
    choices->addWidget(intStorico, 2, 0);
    choices->addWidget(btnApriRiepStorico, 2, 1);
    choices->addWidget(intStats, 3, 0);
    choices->addWidget(btnApriRiepStats, 3, 1);
    auto* foot = new QHBoxLayout;
    foot->addWidget(imgGuida);
    foot->addStretch();
    foot->addWidget(imgEsci);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->addWidget(logo);
    layout->addWidget(lblInformazioni);
    layout->addSpacing(8);
    layout->addLayout(choices);
    layout->addStretch();
    layout->addLayout(foot);
    setTabOrder(btnApriPrestito, btnApriRestituzione);
    setTabOrder(btnApriRestituzione, btnApriRiepStorico);
    setTabOrder(btnApriRiepStorico, btnApriRiepStats);

    connect(btnApriPrestito, &QPushButton::clicked, this, [this] { choose(QStringLiteral("prestiti")); });
    connect(btnApriRestituzione, &QPushButton::clicked, this, [this] { choose(QStringLiteral("restituzioni")); });
    connect(btnApriRiepStorico, &QPushButton::clicked, this, [this] { choose(QStringLiteral("storico")); });
    connect(btnApriRiepStats, &QPushButton::clicked, this, [this] { choose(QStringLiteral("statistiche")); });
    connect(imgGuida, &ClickableLabel::clicked, this, [this] { TfrmGuida::showTopic(this, QStringLiteral("prestiti")); });
    connect(imgEsci, &ClickableLabel::clicked, this, &QWidget::close);
    pressButtonsOnEnter(this);
}

void TfrmMenuPrestiti::choose(const QString& choice)
{
    lblMemory->setText(choice);
    close();
}

void TfrmMenuPrestiti::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Artwork::centreOnScreen(*this);
    lblMemory->setText(QStringLiteral("avvio"));
    btnApriPrestito->setFocus();
}

void TfrmMenuPrestiti::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed(lblMemory->text());
}

void TfrmMenuPrestiti::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}
