#include "MessageBox.h"
#include "RecordCard.h"
#include "ShortString.h"
#include "TestFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kAdded = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kSaved
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kNoTitle = QStringLiteral("Titolo mancante.");

// A card made for the test: title, code and the cancelled box of a book, over Libri.pro.
class TestCard : public QWidget, public CardView {
public:
    TestCard()
        : card(*this, RecordFile(archivePath("Libri.pro"), 3237))
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*> {txtTitolo, txtCodice, chkAnnullata, lblPosizione})
            layout->addWidget(w);
    }

    QWidget* cardWindow() override { return this; }
    QString position() const override { return lblPosizione->text(); }
    void setPosition(const QString& p) override { lblPosizione->setText(p); }
    void showRecord(const QByteArray& bytes) override
    {
        const auto book = decodeRecord<TSchedaLibro>(bytes);
        txtTitolo->setText(book.Titolo);
        txtCodice->setText(book.Codice);
        // A flag that is neither value leaves the box as it was.
        if (book.Annullata == ShortString::kYes || book.Annullata == ShortString::kNo)
            chkAnnullata->setChecked(book.Annullata == ShortString::kYes);
    }
    QByteArray cardRecord() const override
    {
        TSchedaLibro book;
        book.Titolo = txtTitolo->text();
        book.Codice = txtCodice->text();
        book.Annullata = chkAnnullata->isChecked() ? ShortString::kYes : ShortString::kNo;
        return encodeRecord(book);
    }
    bool checkCard() override
    {
        if (!ShortString::trimmed(txtTitolo->text()).isEmpty())
            return true;
        MessageBox::warning(this, kNoTitle);
        txtTitolo->setFocus();
        return false;
    }
    void clearCard() override
    {
        txtTitolo->clear();
        txtCodice->clear();
        chkAnnullata->setChecked(false);
        txtTitolo->setFocus();
    }
    void clearForDuplicate() override
    {
        txtCodice->clear();
        chkAnnullata->setChecked(false);
    }
    void focusCode() override { txtCodice->setFocus(); }

    QLineEdit* txtTitolo = new QLineEdit;
    QLineEdit* txtCodice = new QLineEdit;
    QCheckBox* chkAnnullata = new QCheckBox;
    QLabel* lblPosizione = new QLabel;
    RecordCard card;
};

void storeBooks(const TestFixture& fx, const QStringList& titles)
{
    QByteArray bytes;
    for (const QString& title : titles) {
        TSchedaLibro book;
        book.Titolo = title;
        book.Codice = QStringLiteral("C-") + title;
        book.Annullata = ShortString::kNo;
        bytes += encodeRecord(book);
    }
    fx.writeFile("Libri.pro", bytes);
}

} // namespace

class TestRecordCard : public QObject {
    Q_OBJECT
private slots:
    void firstOnAMissingArchive()
    {
        TestFixture fx;
        TestCard c;
        c.txtTitolo->setText("in corso");
        c.card.first();
        QVERIFY(QFile::exists(fx.file("Libri.pro")));
        QCOMPARE(TestFixture::messages(), QStringList({kEmpty}));
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Information);
        QCOMPARE(c.lblPosizione->text(), QString());
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("in corso"));
    }

    void browsing()
    {
        TestFixture fx;
        storeBooks(fx, {"Uno", "Due", "Tre"});
        TestCard c;
        c.card.last();
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("3"));
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Tre"));
        c.card.next(); // at the end: nothing, silently
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("3"));
        c.card.previous();
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Due"));
        c.card.first();
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("1"));
        c.card.previous(); // at the start: nothing, silently
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Uno"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void nextAndPreviousFromANewCardShowRecordOne()
    {
        TestFixture fx;
        storeBooks(fx, {"Uno", "Due"});
        TestCard c;
        c.card.next();
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("1"));
        c.card.newCard();
        QCOMPARE(c.lblPosizione->text(), QString());
        c.card.previous();
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Uno"));
    }

    void previousAfterTheFileShrankIsAnAccessError()
    {
        TestFixture fx;
        storeBooks(fx, {"Uno", "Due"});
        TestCard c;
        c.lblPosizione->setText("5"); // the card of a longer archive, since cut by hand
        c.txtTitolo->setText("Quinto");
        c.card.previous();
        QCOMPARE(TestFixture::messages(), QStringList({kAccess}));
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("5"));
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Quinto"));
    }

    void emptyArchiveMessages()
    {
        TestFixture fx;
        TestCard c;
        c.lblPosizione->setText("2"); // a card left from an archive since emptied by hand
        c.card.next();
        QCOMPARE(c.lblPosizione->text(), QString());
        c.card.previous();
        c.card.last();
        QCOMPARE(TestFixture::messages(), QStringList({kEmpty, kEmpty, kEmpty}));
    }

    void savingANewCardAppendsOnceThenOverwrites()
    {
        TestFixture fx;
        TestCard c;
        c.card.newCard();
        c.txtTitolo->setText("  Il nome della rosa ");
        c.card.save();
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("1"));
        c.txtTitolo->setText("Il nome della rosa, seconda edizione");
        c.card.save();
        QCOMPARE(TestFixture::messages(), QStringList({kAdded, kSaved}));
        const QByteArray bytes = fx.readFile("Libri.pro");
        QCOMPARE(bytes.size(), 3237);
        QCOMPARE(
            decodeRecord<TSchedaLibro>(bytes).Titolo, QStringLiteral("Il nome della rosa, seconda edizione"));

        c.card.newCard();
        c.txtTitolo->setText("Secondo");
        c.card.save();
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(fx.readFile("Libri.pro").size(), 3237 * 2);
    }

    void aFailedCheckLeavesTheFileAlone()
    {
        TestFixture fx;
        TestCard c;
        c.show();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        c.txtCodice->setFocus();
        c.card.save();
        QCOMPARE(TestFixture::messages(), QStringList({kNoTitle}));
        QCOMPARE(QApplication::focusWidget(), c.txtTitolo);
        QVERIFY(!QFile::exists(fx.file("Libri.pro")));
    }

    void storedTextLoadsTrimmedAndAnEmptyFlagKeepsTheBox()
    {
        TestFixture fx;
        QByteArray first(3237, '\0');
        first.replace(0, 9, QByteArray("\x08  Uno   "));
        first.replace(1728, 3, QByteArray("\x02S\xEC"));
        QByteArray second(3237, '\0');
        second.replace(0, 4,
            QByteArray("\x03"
                       "Due"));
        fx.writeFile("Libri.pro", first + second);
        TestCard c;
        c.card.first();
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Uno"));
        QVERIFY(c.chkAnnullata->isChecked());
        c.card.next();
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Due"));
        QVERIFY(c.chkAnnullata->isChecked());
    }

    void duplicate()
    {
        TestFixture fx;
        storeBooks(fx, {"Uno"});
        TestCard c;
        c.card.duplicate();
        QCOMPARE(TestFixture::messages(),
            QStringList({QStringLiteral(
                "Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che "
                "questa \u00E8 stata inserita in archivio.")}));
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Warning);
        MessageBox::clearShown();

        c.show();
        QVERIFY(QTest::qWaitForWindowActive(&c));
        c.card.first();
        c.chkAnnullata->setChecked(true);
        const QByteArray before = fx.readFile("Libri.pro");
        c.card.duplicate();
        QCOMPARE(c.lblPosizione->text(), QString());
        QCOMPARE(c.txtCodice->text(), QString());
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Uno"));
        QVERIFY(!c.chkAnnullata->isChecked());
        QCOMPARE(QApplication::focusWidget(), c.txtCodice);
        QCOMPARE(TestFixture::messages(),
            QStringList({QStringLiteral(
                "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                "Al termine premere Salva per inserire la scheda in archivio.")}));
        QCOMPARE(fx.readFile("Libri.pro"), before);
    }

    void accessErrors()
    {
        TestFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir("Libri.pro"));
        TestCard c;
        c.txtTitolo->setText("Da salvare");
        for (auto op : {&RecordCard::first, &RecordCard::previous, &RecordCard::next, &RecordCard::last,
                 &RecordCard::save})
            (c.card.*op)();
        QCOMPARE(TestFixture::messages(), QStringList(5, kAccess));
        for (const auto& box : MessageBox::shown())
            QCOMPARE(box.kind, MessageBox::Kind::Error);
        QCOMPARE(c.txtTitolo->text(), QStringLiteral("Da salvare"));
        QCOMPARE(c.lblPosizione->text(), QString());

        MessageBox::clearShown();
        c.lblPosizione->setText("1");
        c.txtCodice->setText("C-1");
        c.card.duplicate();
        QCOMPARE(TestFixture::messages(), QStringList({kAccess}));
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Warning);
        QCOMPARE(c.txtCodice->text(), QStringLiteral("C-1"));
        QCOMPARE(c.lblPosizione->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestRecordCard)
#include "tst_recordcard.moc"
