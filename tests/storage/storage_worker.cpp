// A second copy of the program on the same folder, for the tests that need another process:
//   append <archive> <tag> <count>   appends loans tagged with its name, printing each one's number;
//   crash <folder> <writer> <step> <midway>   runs a writer and ends abruptly at the step given;
//   hold <archive> <seconds> <computer> <ms>   holds the archive's lock, its file dated that many
//       seconds away and naming that computer (- for this one), writes a record and lets go.
#include "ArchiveWriters.h"
#include "Disk.h"
#include "ProgramFolder.h"
#include "RecordFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>

namespace {

int append(const QStringList& args)
{
    Archive<TSchedaPrestito> loans(args.at(0));
    const int total = args.at(2).toInt();
    QTextStream out(stdout);
    for (int i = 1; i <= total; ++i) {
        TSchedaPrestito loan;
        loan.Tesserato = args.at(1);
        loan.NumTessera = QString::number(i);
        const auto n = loans.append(loan);
        if (!n)
            return 1;
        out << *n << '\n';
    }
    return 0;
}

int crash(const QStringList& args)
{
    ProgramFolder::setPath(args.at(0));
    for (const ArchiveWriter& writer : archiveWriters()) {
        if (QLatin1String(writer.name) == args.at(1)) {
            Disk::crashAtStep(args.at(2).toInt(), args.at(3) == QLatin1String("1"));
            return writer.write() ? 0 : 1;
        }
    }
    return 2;
}

// A copy of the program on a computer whose native locks do not reach this one (a network share
// that does not pass them on): its lock is only the file it makes, as QLockFile makes it.
int hold(const QStringList& args)
{
    const QString archive = args.at(0);
    const QString computer = args.at(2) == QLatin1String("-") ? QSysInfo::machineHostName() : args.at(2);
    QFile lock(archive + QStringLiteral(".lock"));
    if (!lock.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return 1;
    lock.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QCoreApplication::applicationName().toUtf8() + '\n' + computer.toUtf8() + '\n');
    lock.flush();
    lock.setFileTime(
        QDateTime::currentDateTime().addSecs(args.at(1).toInt()), QFileDevice::FileModificationTime);
    lock.close();
    QTextStream(stdout) << "held" << Qt::endl;
    QThread::msleep(args.at(3).toULong());
    // The write this lock stands for, straight at the end of the archive.
    QFile data(archive);
    if (!data.open(QIODevice::Append))
        return 1;
    TSchedaPrestito loan;
    loan.Tesserato = QStringLiteral("altro");
    const bool written
        = data.write(encodeRecord(loan)) == RecordLayout<TSchedaPrestito>::size && data.flush();
    return written && lock.remove() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("append") && args.size() == 3)
        return append(args);
    if (command == QLatin1String("crash") && args.size() == 4)
        return crash(args);
    if (command == QLatin1String("hold") && args.size() == 4)
        return hold(args);
    return 2;
}
