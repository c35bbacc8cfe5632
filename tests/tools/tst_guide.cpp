#include "HelpTopic.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The printed guide, made by the build tool and read back as a librarian would see it.
class TestGuide : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pdf;
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

    QString pageText(int page) const
    {
        QProcess process;
        process.start("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), m_pdf, "-"});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void initTestCase()
    {
        m_pdf = m_dir.filePath("Guida.pdf");
        QProcess tool;
        tool.start(MAKEGUIDE, {m_pdf});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QProcess info;
        info.start("pdfinfo", {m_pdf});
        QVERIFY(info.waitForFinished(30000));
        const QRegularExpressionMatch pages
            = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(info.readAllStandardOutput()));
        QVERIFY(pages.hasMatch());
        m_pages = pages.captured(1).toInt();
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
