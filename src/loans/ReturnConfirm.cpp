#include "ReturnConfirm.h"

#include "Artwork.h"
#include "EnterKey.h"
#include "FieldText.h"
#include "RecordType.h"
#include "ShortString.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReturnConfirm::ReturnConfirm(bool book, const QString& code, QWidget* parent)
    : QDialog(parent, kFixedDialog)
{
    const QString word = book ? QStringLiteral("libro") : QStringLiteral("DVD");
    setObjectName(book ? QStringLiteral("frmRendiLibro") : QStringLiteral("frmRendiDVD"));
    setWindowTitle(QStringLiteral(" Lettoria 3.0 - Conferma restituzione ") + word);
    setFixedSize(560, 400);

    heaConferma = new QLabel(QStringLiteral("CONFERMA RESTITUZIONE ") + word.toUpper(), this);
    heaConferma->setObjectName(QStringLiteral("heaConferma"));
    heaConferma->setAlignment(Qt::AlignCenter);
    heaConferma->setStyleSheet(QStringLiteral("QLabel { background: #4682b4; color: white; font: bold 12pt 'Verdana'; "
                                              "padding: 8px; border-radius: 6px; }"));
    lblIstruzioni = new QLabel(
        QStringLiteral("Premere il pulsante Conferma per completare l'operazione di restituzione del ") + word
            + QLatin1Char('.'),
        this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);

    const auto field = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setReadOnly(true);
        QFont font(QStringLiteral("Verdana"), 10);
        font.setBold(true);
        edit->setFont(font);
        return edit;
    };
    txtTitolo = field("txtTitolo");
    txtCodice = field("txtCodice");
    txtScaffale = field("txtScaffale");
    txtAutore = field(book ? "txtAutore" : "txtRegia");
    txtNazione = field("txtNazione");
    txtGenere = field("txtGenere");
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(book ? QStringLiteral("Titolo libro:") : QStringLiteral("Titolo DVD:"), txtTitolo);
    form->addRow(QStringLiteral("Codice:"), txtCodice);
    form->addRow(QStringLiteral("Scaffale:"), txtScaffale);
    form->addRow(book ? QStringLiteral("Autore:") : QStringLiteral("Regia:"), txtAutore);
    form->addRow(QStringLiteral("Nazione:"), txtNazione);
    form->addRow(QStringLiteral("Genere:"), txtGenere);

    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this, QSize(120, 34));
    btnConferma = pushButton(QStringLiteral("btnConferma"), QStringLiteral("Conferma"), this, QSize(120, 34));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnConferma);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->addWidget(heaConferma);
    layout->addWidget(lblIstruzioni);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);

    // The first record of the archive with the loan's code.
    const RecordType& type = book ? RecordType::of<TSchedaLibro>() : RecordType::of<TSchedaDVD>();
    const QString wanted = ShortString::trimmed(code);
    const FieldSpot codice = type.spot(QStringLiteral("Codice"));
    m_catalogueRead = type.archive().scan([&](qint64 n, const char* bytes) {
        if (codice.read(bytes) != wanted)
            return true;
        const QHash<QString, QString> values = type.values(bytes);
        loadText(txtTitolo, values.value(QStringLiteral("Titolo")));
        loadText(txtCodice, values.value(QStringLiteral("Codice")));
        loadText(txtScaffale, values.value(QStringLiteral("Scaffale")));
        loadText(txtAutore, values.value(book ? QStringLiteral("Autore") : QStringLiteral("Regia")));
        loadText(txtNazione, values.value(QStringLiteral("Nazione")));
        loadText(txtGenere, values.value(QStringLiteral("Genere")));
        lblPosizione->setText(QString::number(n));
        return false;
    });
    btnConferma->setFocus();

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnConferma, &QPushButton::clicked, this, [this] {
        emit confirmed(lblPosizione->text().toLongLong());
        accept();
    });
    pressButtonsOnEnter(this, btnConferma);
}

TfrmRendiLibro::TfrmRendiLibro(const QString& code, QWidget* parent)
    : ReturnConfirm(true, code, parent)
{
}

TfrmRendiDVD::TfrmRendiDVD(const QString& code, QWidget* parent)
    : ReturnConfirm(false, code, parent)
{
}
