#include "Dialogs.h"
#include "Language.h"
#include "ListReport.h"
#include "Modal.h"
#include "Printing.h"
#include "TestFixture.h"
#include "UserPlay.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

namespace {

// Words Qt's dialogs would show if a text of theirs were left untranslated.
const QStringList kEnglish = {"advanced", "all", "and", "apr", "aug", "automatic", "back", "banner",
    "billing", "binding", "bottom", "bytes", "cancel", "classified", "collate", "color", "colour",
    "confidential", "conflicts", "copies", "current", "custom", "date", "day", "dec", "delete", "detail",
    "directory", "double", "drive", "duplex", "end", "envelope", "executive", "export", "feb", "files",
    "first", "fit", "fix", "folder", "forward", "from", "gray", "grayscale", "height", "hidden", "hold",
    "immediately", "inches", "jan", "job", "jul", "jun", "landscape", "last", "layout", "left", "legal",
    "letter", "list", "location", "long", "look", "manual", "margin", "margins", "may", "millimeters",
    "modified", "my", "name", "new", "next", "night", "none", "oct", "of", "off", "open", "options", "order",
    "orientation", "output", "page", "pages", "paper", "parent", "places", "please", "points", "portrait",
    "postcard", "previous", "print", "printer", "priority", "properties", "range", "recent", "rename",
    "reverse", "right", "save", "scheduled", "secret", "selection", "sep", "setup", "sheet", "shift", "short",
    "shortcut", "show", "side", "sided", "size", "specify", "start", "the", "time", "to", "top", "type",
    "unknown", "view", "want", "width", "with", "yes", "you", "zoom"};

// Every text the window shows or may show: captions, buttons, tabs, groups, list items, headers,
// tips, the texts of its actions, also of the parts hidden until a tab or a button shows them.
QStringList textsOf(const QWidget* window)
{
    QStringList texts = {window->windowTitle()};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        texts << w->toolTip() << w->whatsThis();
        if (auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(w))
            texts << group->title();
        if (auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
        if (auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
        if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w))
            texts << spin->text() << spin->specialValueText();
        if (auto* edit = qobject_cast<const QLineEdit*>(w))
            texts << edit->placeholderText();
        if (auto* header = qobject_cast<const QHeaderView*>(w); header && header->model()) {
            for (int i = 0; i < header->count(); ++i)
                texts << header->model()->headerData(i, header->orientation()).toString();
        }
        if (auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
                for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
                    const QModelIndex item = model->index(row, column, view->rootIndex());
                    texts << item.data().toString() << item.data(Qt::ToolTipRole).toString();
                }
            }
        }
    }
    for (const QAction* action : window->findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->iconText();
    texts.removeAll(QString());
    return texts;
}

// The English words in the texts, each with the text it stands in.
QStringList englishIn(const QStringList& texts)
{
    static const QRegularExpression notLetters(QStringLiteral("[^\\p{L}]+"));
    QStringList found;
    for (const QString& text : texts) {
        QString words = text;
        words.remove(QLatin1Char('&'));
        for (const QString& word : words.split(notLetters, Qt::SkipEmptyParts)) {
            if (kEnglish.contains(word.toLower()))
                found << word + QStringLiteral(" in \"") + text + QLatin1Char('"');
        }
    }
    return found;
}

Report sheet()
{
    return listReport(QStringLiteral("Riepilogo libri in archivio"), {"Cod. L1"}, QDate(2015, 6, 10));
}

} // namespace

// Qt's own dialogs, as the program shows them (the file dialogs, the print dialog with its options
// and its printer's properties, the preview with its page setup, the copies dialog), speak
// Italian only.
class TestQtLanguage : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFixture> fx;
    QStringList m_texts;
    QStringList m_windows; // the classes of the windows walked

    void walk(const QWidget* window)
    {
        m_windows << window->metaObject()->className();
        // The test's own folder has a random name, which is no word of the dialog's.
        const QString folder = QDir(fx->folder()).absolutePath();
        for (const QString& text : textsOf(window))
            m_texts << QString(text).remove(folder);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(installItalianTranslations(*qApp));
        // As the main menu sets it when the program starts.
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }

    void init()
    {
        fx = std::make_unique<TestFixture>();
        m_texts.clear();
        m_windows.clear();
    }

    void cleanup() { fx.reset(); }

    // A folder, a small file and a larger one, as the list shows them: types, sizes and dates.
    void fileDialogs()
    {
        QVERIFY(QDir(fx->folder()).mkdir("Documenti_Allegati"));
        fx->writeFile("foto.jpg", QByteArray(2048, 'x'));
        fx->writeFile("nota.txt", "abc");
        for (const char* name : {"foto.jpg", "nota.txt"}) {
            QFile file(fx->file(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(
                QDateTime(QDate(2015, 6, 10), QTime(10, 30)), QFileDevice::FileModificationTime));
        }
        Modal::setDriver("dlgFile", [&](QDialog& d) {
            auto& dialog = static_cast<QFileDialog&>(d);
            dialog.setDirectory(fx->folder());
            dialog.setViewMode(QFileDialog::Detail);
            QTRY_VERIFY(textsOf(&dialog).contains(QStringLiteral("nota.txt")));
            walk(&dialog);
        });
        Dialogs::openFile(nullptr, QStringLiteral("Carica foto"), QStringLiteral("Tutti i file (*)"));
        Dialogs::saveFile(nullptr, QStringLiteral("Stampa su file"), fx->file("scheda.pdf"));
        QCOMPARE(m_windows, QStringList({"QFileDialog", "QFileDialog"}));
        for (const char* shown : {"Cartella", "10/06/2015 10:30", "3 byte", "2,0 kB"})
            QVERIFY2(m_texts.contains(QString::fromUtf8(shown)), qPrintable(m_texts.join('|')));
        QCOMPARE(englishIn(m_texts), QStringList());
    }

    // The print dialog with its options and the properties of its printer.
    void printDialog()
    {
        Printing::showDialogs();
        ModalWatcher watcher([this](QWidget* window) {
            walk(window);
            window->close();
        });
        Modal::setDriver("dlgStampa", [&](QDialog& dialog) {
            walk(&dialog);
            auto* properties = dialog.findChild<QAbstractButton*>(QStringLiteral("properties"));
            QVERIFY(properties);
            properties->click();
            dialog.reject();
        });
        QVERIFY(!Printing::print(nullptr, sheet()));
        QCOMPARE(m_windows, QStringList({"QPrintDialog", "QPrintPropertiesDialog"}));
        QVERIFY2(englishIn(m_texts).isEmpty(), qPrintable(englishIn(m_texts).join('|')));
    }

    // The preview's tool bar, and the page setup it opens.
    void previewAndPageSetup()
    {
        Printing::showDialogs();
        ModalWatcher watcher([this](QWidget* window) {
            walk(window);
            window->close();
        });
        Modal::setDriver("dlgStampa", [](QDialog& dialog) { dialog.reject(); });
        Modal::setDriver("dlgAnteprima", [&](QDialog& dialog) {
            walk(&dialog);
            const QString pageSetup = QCoreApplication::translate("QPrintPreviewDialog", "Page setup");
            for (QAction* action : dialog.findChildren<QAction*>()) {
                if (action->text() == pageSetup)
                    action->trigger();
            }
            dialog.reject();
        });
        Printing::preview(nullptr, sheet());
        QCOMPARE(m_windows, QStringList({"QPrintPreviewDialog", "QPageSetupDialog"}));
        QCOMPARE(englishIn(m_texts), QStringList());
    }

    void copiesDialog()
    {
        Modal::setDriver("dlgNumero", [this](QDialog& dialog) { walk(&dialog); });
        Dialogs::askNumber(nullptr, QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"), 1);
        QCOMPARE(m_windows, QStringList({"QInputDialog"}));
        QCOMPARE(englishIn(m_texts), QStringList());
    }
};

QTEST_MAIN(TestQtLanguage)
#include "tst_qtlanguage.moc"
