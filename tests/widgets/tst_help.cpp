#include "ClickableLabel.h"
#include "HelpTopic.h"
#include "Modal.h"
#include "TMisc.h"
#include "TestFixture.h"
#include "TfrmGuida.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void mainMenuText()
    {
        const HelpTopic help = HelpTopic::load("avvio");
        QCOMPARE(help.title, QStringLiteral("Uno sguardo a Lettoria 3.0."));
        QCOMPARE(help.paragraphs.size(), 40);
        QCOMPARE(help.paragraphs.first(),
            QStringLiteral(
                "Lettoria 3.0 fornisce tutto l'occorrente per la catalogazione dei libri e DVD, la "
                "gestione dei prestiti librari, l'archiviazione degli utenti della biblioteca e la "
                "stampa delle tessere di iscrizione."));
        const QString text = help.text();
        QVERIFY(text.contains("vendralopiskun"));
        QVERIFY(text.contains("otto caratteri"));
        QCOMPARE(text.count(QStringLiteral("\r\n\r\n")), 39);
        // The guide opens with the first steps and the main menu, and holds every topic once.
        const QStringList topics = HelpTopic::all();
        QCOMPARE(topics.mid(0, 3), QStringList({"primi_passi", "avvio", "anagrafica"}));
        QCOMPARE(topics.last(), QStringLiteral("consultazione"));
        const QStringList files = QDir(":/help").entryList({"*.txt"}, QDir::Files);
        QCOMPARE(topics.size(), files.size());
        for (const QString& topic : topics)
            QVERIFY2(!HelpTopic::load(topic).title.isEmpty(), qPrintable(topic));
    }

    void windowShowsTheTopicWithEmptyLinesBetweenParagraphs()
    {
        TestFixture fx;
        QWidget owner;
        QStringList titles;
        QList<QWidget*> windows;
        QString shown;
        Modal::setDriver("frmGuida", [&](QDialog& d) {
            titles << d.findChild<QLabel*>("lblTitolo")->text();
            shown = d.findChild<QPlainTextEdit*>("txtGuida")->toPlainText();
            QVERIFY(d.findChild<QPlainTextEdit*>("txtGuida")->isReadOnly());
            QCOMPARE(d.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
            QCOMPARE(d.size(), QSize(670, 572));
            QCOMPARE(d.parentWidget(), &owner);
            d.findChild<QLabel*>("lblTitolo")->setText("cambiato");
            d.findChild<QPushButton*>("btnChiudi")->click();
        });
        TfrmGuida::showTopic(&owner, "avvio");
        TfrmGuida::showTopic(&owner, "avvio");
        QCOMPARE(titles, QStringList(2, QStringLiteral("Uno sguardo a Lettoria 3.0.")));
        const QStringList paragraphs = shown.split("\n\n");
        QCOMPARE(paragraphs.size(), 40);
        QCOMPARE(paragraphs, HelpTopic::load("avvio").paragraphs);
        QVERIFY(owner.findChildren<TfrmGuida*>().isEmpty());
    }

    void guideLinkOpensThePdfAndChangesColourWhilePressed()
    {
        TestFixture fx;
        TfrmGuida window(nullptr);
        window.show();
        auto* link = window.findChild<LinkLabel*>("lnkWeb");
        QCOMPARE(link->textLabel()->text(), QStringLiteral("Visualizza guida in formato PDF"));
        const auto colour = [&] { return link->textLabel()->palette().color(QPalette::WindowText); };
        QCOMPARE(colour(), QColor(0, 0, 0x80));
        QTest::mousePress(window.findChild<QLabel*>("imgPDF"), Qt::LeftButton);
        QCOMPARE(colour(), QColor(0xFF, 0x80, 0));
        QTest::mouseRelease(window.findChild<QLabel*>("imgPDF"), Qt::LeftButton);
        QCOMPARE(colour(), QColor(0, 0, 0x80));
        QCOMPARE(TMisc::recorded(), QStringList({"\"" + fx.folder() + "Guida.pdf\""}));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
