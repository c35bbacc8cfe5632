// Another computer importing a spreadsheet of books into the archive of a shared folder: prints the
// number of the first record added and how many were.
#include "ImportPlan.h"
#include "ProgramFolder.h"
#include "RecordFile.h"
#include "RecordType.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    ProgramFolder::setPath(QString::fromLocal8Bit(argv[1]));
    ImportPlan plan(booksImport(), SheetFile::readFile(QString::fromLocal8Bit(argv[2])));
    const RecordFile archive = booksImport().type->archive();
    const auto codes = ImportPlan::archiveCodes(booksImport(), archive);
    if (!codes || !plan.check(*codes))
        return 1;
    const ImportPlan::Appended appended = plan.append(archive);
    if (appended.outcome != ImportPlan::Outcome::Done)
        return 1;
    std::printf("%lld %d\n", static_cast<long long>(appended.first), appended.count);
    return 0;
}
