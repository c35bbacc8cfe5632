#include "ListFind.h"
#include "ListFinder.h"
#include "MessageBox.h"
#include "ResultList.h"
#include "TestFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

class TestListFind : public QObject {
    Q_OBJECT
private slots:
    void stepsThroughMatchesAndWraps()
    {
        const QStringList lines = {"alfa", "beta", "alfa due"};
        QString memory;
        int selected = -1;
        QList<int> steps;
        for (int i = 0; i < 3; ++i) {
            selected = findInList(lines, selected, "alfa", memory);
            steps << selected;
        }
        QCOMPARE(steps, QList<int>({0, 2, 0}));
        QCOMPARE(memory, QStringLiteral("alfa"));
    }

    void cases_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("a new key restarts from the first line") << 2 << "alfa"
                                                                << "BETA" << 1;
        QTest::newRow("the same key tests the selected line last") << 1 << "beta"
                                                                   << "beta" << 1;
        QTest::newRow("no match keeps the selection") << 1 << ""
                                                      << "gamma" << 1;
        QTest::newRow("no selection selects the first line") << -1 << ""
                                                             << "gamma" << 0;
        QTest::newRow("an empty key never matches") << 2 << ""
                                                    << "" << 2;
        QTest::newRow("blanks are part of the key") << -1 << ""
                                                    << "a d" << 2;
        QTest::newRow("accented letters keep their case") << -1 << ""
                                                          << "\u00C8" << 0;
        QTest::newRow("accented letters in their case") << -1 << ""
                                                        << "\u00E8 x" << 3;
        QTest::newRow("a key letter found in upper case") << -1 << ""
                                                          << "x" << 3;
        QTest::newRow("a false start, then the match") << -1 << ""
                                                       << "a due" << 2;
        QTest::newRow("a match across two lines is none") << 3 << ""
                                                          << "fab" << 3;
        QTest::newRow("the end of the last line") << 1 << ""
                                                  << " x" << 3;
        QTest::newRow("a character no line can hold") << 1 << ""
                                                      << "alfa Ω" << 1;
        QTest::newRow("a question mark is one") << 1 << ""
                                                << "?" << 1;
    }

    void cases()
    {
        QFETCH(int, selected);
        QFETCH(QString, memory);
        QFETCH(QString, key);
        QFETCH(int, result);
        QCOMPARE(findInList({"alfa", "beta", "alfa due", "\u00E8 X"}, selected, key, memory), result);
    }

    void listFillsWithoutSelectionAndFindsFromTheButton()
    {
        TestFixture fx;
        QWidget window;
        auto* field = new QLineEdit(&window);
        auto* button = new QPushButton(&window);
        auto* list = new ResultList(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(button);
        layout->addWidget(list);
        ListFinder finder(field, button, list);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        button->click();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().at(0).text,
            QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        QCOMPARE(MessageBox::shown().at(0).kind, MessageBox::Kind::Plain);

        list->setLines({"alfa", "beta", "alfa due"});
        QCOMPARE(list->selectedIndex(), -1);
        QCOMPARE(list->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        field->setFocus();
        QTest::keyClicks(field, "Alfa");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), button);
        button->click();
        button->click();
        QCOMPARE(list->selectedIndex(), 2);
        QCOMPARE(list->selectedLine(), QStringLiteral("alfa due"));
    }

    void longLinesScrollSidewaysToTheirEnd()
    {
        TestFixture fx;
        ResultList list;
        list.resize(400, 200);
        list.setLines({QString(300, 'x') + "FINE", "breve"});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const int lineWidth = list.fontMetrics().horizontalAdvance(QString(304, 'x'));
        QVERIFY(list.visualRect(list.model()->index(1, 0)).width() >= lineWidth);
        QVERIFY(list.horizontalScrollBar()->maximum() >= lineWidth - list.viewport()->width());
    }

    void doubleClickOnALineOnly()
    {
        TestFixture fx;
        ResultList list;
        list.resize(400, 300);
        list.setLines({"alfa"});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.selectIndex(0);
        QSignalSpy clicked(&list, &ResultList::listDoubleClicked);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(20, 250)); // below the only line
        QCOMPARE(clicked.count(), 0);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(0, 0)).center());
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestListFind)
#include "tst_listfind.moc"
