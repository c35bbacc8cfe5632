#include "CodeValidation.h"
#include "MessageBox.h"
#include "RecordFile.h"
#include "ResultList.h"
#include "ShortString.h"
#include "TestFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

template <class R>
void store(const QString& code, const QString& title, const QString& cancelled = ShortString::kNo)
{
    R record;
    record.Codice = code;
    record.Titolo = title;
    record.Annullata = cancelled;
    Archive<R>().append(record);
}

} // namespace

class TestCodeValidation : public QObject {
    Q_OBJECT
private slots:
    void emptyArchiveValidatesAndIsCreated()
    {
        TestFixture fx;
        TfrmConvalida window("AB-12", nullptr);
        QVERIFY(QFile::exists(fx.file("Libri.pro")));
        QCOMPARE(window.windowTitle(), QStringLiteral(" Convalida codice libro"));
        QCOMPARE(window.size(), QSize(661, 398));
        QCOMPARE(window.txtResponso->text(), QStringLiteral("CODICE LIBRO VALIDO"));
        QCOMPARE(window.txtIndicazioni->text(),
            QStringLiteral("Il codice \u00E8 univoco e pu\u00F2 quindi essere assegnato al libro corrente."));
        QCOMPARE(window.lstRecords->count(), 0);
        QSignalSpy validated(&window, &CodeValidation::validated);
        window.btnOK->click();
        QCOMPARE(validated.count(), 1);
        QCOMPARE(validated.at(0).at(0).toString(), ShortString::kYes);
    }

    void conflictsAreFoundWhateverTheCaseAndListedSorted()
    {
        TestFixture fx;
        store<TSchedaLibro>(" AB-12 ", "Zibaldone");
        store<TSchedaLibro>("AB-13", "Altro codice");
        store<TSchedaLibro>("ab-12", "Annullato ma presente", QStringLiteral("S\u00EC"));
        store<TSchedaLibro>("AB 12", "Blank inside: another code");
        TfrmConvalida window("ab-12 ", nullptr);
        QCOMPARE(window.txtResponso->text(), QStringLiteral("CODICE LIBRO NON VALIDO"));
        QCOMPARE(window.txtIndicazioni->text(),
            QStringLiteral(
                "Il codice non \u00E8 univoco e non pu\u00F2 quindi essere assegnato al libro corrente."));
        QCOMPARE(window.lstRecords->lines(),
            QStringList({"Cod. ab-12" + QString(21, ' ') + "Annullato ma presente" + QString(29, ' '),
                "Cod. AB-12" + QString(21, ' ') + "Zibaldone" + QString(41, ' ')}));
        QSignalSpy validated(&window, &CodeValidation::validated);
        window.btnOK->click();
        QCOMPARE(validated.at(0).at(0).toString(), ShortString::kNo);
        QCOMPARE(window.lstRecords->count(), 0);
    }

    void annullaHandsNothingBack()
    {
        TestFixture fx;
        TfrmConvalida window("NUOVO", nullptr);
        QSignalSpy validated(&window, &CodeValidation::validated);
        window.btnAnnulla->click();
        QCOMPARE(validated.count(), 0);
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }

    void unreadableArchiveNeverValidates()
    {
        TestFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir("DVD.pro"));
        TfrmConvalidaDVD window("D1", nullptr);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Error);
        QCOMPARE(MessageBox::shown().at(0).text,
            QStringLiteral(
                "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                "possedere i privilegi di scrittura nella cartella di installazione del programma."));
        QCOMPARE(window.txtResponso->text(), QStringLiteral("CODICE DVD NON VALIDO"));
        QSignalSpy validated(&window, &CodeValidation::validated);
        window.btnOK->click();
        QCOMPARE(validated.at(0).at(0).toString(), ShortString::kNo);
    }

    void dvdTexts()
    {
        TestFixture fx;
        store<TSchedaDVD>("D1", "Amarcord");
        TfrmConvalidaDVD window("d1", nullptr);
        QCOMPARE(window.windowTitle(), QStringLiteral(" Convalida codice DVD"));
        QCOMPARE(window.lblInfo->text(),
            QStringLiteral(
                "Per essere valido, il codice deve essere assegnato ad un unico DVD della biblioteca."));
        QCOMPARE(window.lblSpiegazione->text(),
            QStringLiteral("Se il codice non \u00E8 valido, in alto compaiono i dati del DVD a cui lo stesso "
                           "codice \u00E8 stato assegnato."));
        QCOMPARE(window.txtResponso->text(), QStringLiteral("CODICE DVD NON VALIDO"));
        QCOMPARE(window.lstRecords->count(), 1);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), window.btnOK);
        QSignalSpy validated(&window, &CodeValidation::validated);
        QTest::keyClick(window.btnOK, Qt::Key_Return);
        QCOMPARE(validated.count(), 1);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestCodeValidation)
#include "tst_codevalidation.moc"
