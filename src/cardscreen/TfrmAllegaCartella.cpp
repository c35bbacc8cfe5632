#include "TfrmAllegaCartella.h"

#include "Artwork.h"
#include "ClickableLabel.h"
#include "Dialogs.h"
#include "Disk.h"
#include "EnterKey.h"
#include "MessageBox.h"
#include "ProgramFolder.h"
#include "ShortString.h"
#include "TMisc.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Selezionare il file da allegare:");
const QString kFilter = QStringLiteral("Tutti i file (*)");
const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati \u00E8 presente un file con lo stesso nome.\n\r\n\rSi vuole "
    "sovrascrivere il file esistente?");
const QString kCopyFailed = QStringLiteral(
    "Attenzione: il sistema non permette di copiare il file nella cartella dei documenti allegati.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const char* const kOrdinals[] = {"1\u00B0", "2\u00B0", "3\u00B0"};

} // namespace

QString TfrmAllegaCartella::folder()
{
    return ProgramFolder::file(QStringLiteral("Documenti_Allegati/"));
}

TfrmAllegaCartella::TfrmAllegaCartella(QWidget* parent)
    : QDialog(parent, kFixedDialog)
{
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    setFixedSize(634, 534);
    lblMemory = memoryLabel(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    for (int i = 0; i < 3; ++i) {
        const QString n = QStringLiteral("0%1").arg(i + 1);
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("slot") + n);
        box->setStyleSheet(QStringLiteral("QFrame#slot%1 { background: white; border: 1px solid #b8c7d9; border-radius: 8px; }").arg(n));
        txtFile[size_t(i)] = new QLineEdit(box);
        txtFile[size_t(i)]->setObjectName(QStringLiteral("txtFile") + n);
        txtFile[size_t(i)]->setReadOnly(true);
        QFont bold(QStringLiteral("Verdana"), 10);
        bold.setBold(true);
        txtFile[size_t(i)]->setFont(bold);
        QPalette grey = txtFile[size_t(i)]->palette();
        grey.setColor(QPalette::Text, QColor(0x60, 0x60, 0x60));
        txtFile[size_t(i)]->setPalette(grey);
        imgCancella[size_t(i)] = new ClickableLabel(box);
        imgCancella[size_t(i)]->setObjectName(QStringLiteral("imgCancella") + n);
        imgCancella[size_t(i)]->setPixmap(Artwork::glyph(Artwork::Symbol::Clear, 20, QColor(0xC0, 0x39, 0x2B)));
        btnSfoglia[size_t(i)] = pushButton(QStringLiteral("btnSfoglia") + n, QStringLiteral("Sfoglia..."), box, QSize(90, 0));
        btnApri[size_t(i)] = pushButton(QStringLiteral("btnApri") + n, QStringLiteral("Apri"), box, QSize(90, 0));
        btnApri[size_t(i)]->setEnabled(false);
        txtDesc[size_t(i)] = new QLineEdit(box);
        txtDesc[size_t(i)]->setObjectName(QStringLiteral("txtDesc") + n);
        txtDesc[size_t(i)]->setFont(QFont(QStringLiteral("Verdana"), 12));
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel(QStringLiteral("Nome %1 file allegato:").arg(QString::fromUtf8(kOrdinals[i])), box), 0, 0, 1, 4);
        grid->addWidget(txtFile[size_t(i)], 1, 0);
        grid->addWidget(imgCancella[size_t(i)], 1, 1);
        grid->addWidget(btnSfoglia[size_t(i)], 1, 2);
        grid->addWidget(btnApri[size_t(i)], 1, 3);
        grid->addWidget(new QLabel(QStringLiteral("Descrizione %1 file allegato:").arg(QString::fromUtf8(kOrdinals[i])), box), 2, 0, 1, 4);
        grid->addWidget(txtDesc[size_t(i)], 3, 0, 1, 4);
        grid->setColumnStretch(0, 1);
        layout->addWidget(box);

        connect(txtFile[size_t(i)], &QLineEdit::textChanged, btnApri[size_t(i)],
            [this, i](const QString& name) { btnApri[size_t(i)]->setEnabled(!ShortString::trimmed(name).isEmpty()); });
        connect(imgCancella[size_t(i)], &ClickableLabel::clicked, txtFile[size_t(i)], &QLineEdit::clear);
        connect(btnSfoglia[size_t(i)], &QPushButton::clicked, this, [this, i] { browse(i); });
        connect(btnApri[size_t(i)], &QPushButton::clicked, this, [this, i] {
            // A name from a damaged record never reaches outside the folder.
            const QString name = ShortString::trimmed(txtFile[size_t(i)]->text());
            if (name != QFileInfo(name).fileName() || name.contains(QLatin1Char('\\')) || name == QLatin1String("..")
                || name == QLatin1String("."))
                return;
            TMisc::Open(QLatin1Char('"') + folder() + name + QLatin1Char('"'));
        });
    }
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this, QSize(140, 32));
    btnApplica = pushButton(QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"), this, QSize(140, 32));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, [this] {
        QStringList files, descriptions;
        for (size_t i = 0; i < 3; ++i) {
            files << ShortString::trimmed(txtFile[i]->text());
            descriptions << ShortString::trimmed(txtDesc[i]->text());
        }
        emit applied(files, descriptions);
        accept();
    });
    pressButtonsOnEnter(this);
}

void TfrmAllegaCartella::browse(int slot)
{
    // A cancelled dialog ends the operation.
    const QString chosen = Dialogs::openFile(this, kTitle, kFilter);
    if (chosen.isEmpty())
        return;
    const QString fileName = ShortString::trimmed(QFileInfo(chosen).fileName());
    const QString target = folder() + fileName;
    // A name in the slot stands for a file in the folder: a copy that failed leaves the slot as it
    // was, and says so, so that no card is saved with an attachment that is not there.
    if (!QDir().mkpath(folder()))
        return MessageBox::error(this, kCopyFailed);
    // No keeps the file of that name already in the folder: the slot names it.
    const bool replacing = QFileInfo::exists(target);
    if (replacing && !MessageBox::question(this, kOverwrite)) {
        txtFile[size_t(slot)]->setText(fileName);
        return;
    }
    // The very file that is already the copy: nothing to copy, and it stays. Otherwise the copy
    // replaces the old file only once it is whole.
    const bool same = replacing && QFileInfo(chosen).canonicalFilePath() == QFileInfo(target).canonicalFilePath();
    if (!same && !Disk::copyFile(chosen, target))
        return MessageBox::error(this, kCopyFailed);
    txtFile[size_t(slot)]->setText(fileName);
}
