#include "HelpTopic.h"
#include "LinuxTools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The printed guide, made by the build tool and read back as a librarian would see it.
class TestGuide : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pdf;
    QStringList m_text; // the text of each page
    int m_pages = 0;

    // The pages that hold a picture, from pdfimages' list.
    QSet<int> picturePages() const
    {
        QProcess process;
        process.start("pdfimages", {"-list", m_pdf});
        QSet<int> pages;
        if (!process.waitForFinished(30000))
            return pages;
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
        for (const QString& line : lines.mid(2)) {
            bool number = false;
            const int page = line.section(' ', 0, 0, QString::SectionSkipEmpty).toInt(&number);
            if (number)
                pages.insert(page);
        }
        return pages;
    }

    // Pages counted from 1, as pdftotext's -f and -l count them.
    QString pageText(int page) const { return m_text.value(page - 1); }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_LINUX_TOOL("pdftotext");
        m_pdf = m_dir.filePath("Guida.pdf");
        QProcess tool;
        tool.start(MAKEGUIDE, {m_pdf});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        // pdftotext ends every page with a form feed.
        QProcess text;
        text.start("pdftotext", {"-layout", m_pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        QCOMPARE(text.exitCode(), 0);
        m_text = QString::fromUtf8(text.readAllStandardOutput()).split('\f');
        if (m_text.last().trimmed().isEmpty())
            m_text.removeLast();
        m_pages = m_text.size();
        QVERIFY(m_pages > 2);
    }

    void titlePageThenContents()
    {
        const QString title = pageText(1);
        QVERIFY(title.contains("Lettoria 3.0"));
        QVERIFY(title.contains("Guida all'utilizzo del software"));
        QVERIFY(!title.contains("pagina 1"));
        QVERIFY(pageText(2).contains("Indice"));
    }

    // Every chapter of the contents begins on the page it names, with a picture of its window, and
    // every page after the title carries its number.
    void contentsNameThePageOfEachChapter()
    {
        const QStringList lines = pageText(2).split('\n');
        const QRegularExpression entry("^\\s*(\\d+)\\. (.+?)\\s+(\\d+)\\s*$");
        const QSet<int> pictures = picturePages();
        int chapters = 0;
        for (const QString& line : lines) {
            const QRegularExpressionMatch m = entry.match(line);
            if (!m.hasMatch())
                continue;
            ++chapters;
            QCOMPARE(m.captured(1).toInt(), chapters);
            const int page = m.captured(3).toInt();
            QVERIFY2(page > 2 && page <= m_pages, qPrintable(line));
            const QString text = pageText(page);
            // A long heading may wrap onto a second line.
            QVERIFY2(text.simplified().startsWith(m.captured(1) + ". " + m.captured(2)), qPrintable(line));
            // Each chapter shows the window it describes.
            QVERIFY2(pictures.contains(page), qPrintable(line));
        }
        QCOMPARE(chapters, HelpTopic::all().size());
        for (int page = 2; page <= m_pages; ++page)
            QVERIFY2(pageText(page).contains(QStringLiteral("pagina %1 di %2").arg(page).arg(m_pages)),
                qPrintable(QString::number(page)));
        QVERIFY(pageText(3).contains("vendralopiskun"));
    }
};

QTEST_GUILESS_MAIN(TestGuide)
#include "tst_guide.moc"
