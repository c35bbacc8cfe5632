// A second copy of the program writing to the same archive: appends loans tagged with its name
// and prints the number each was stored as.
#include "RecordFile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    Archive<TSchedaPrestito> loans(args.at(1));
    const int total = args.at(3).toInt();
    QTextStream out(stdout);
    for (int i = 1; i <= total; ++i) {
        TSchedaPrestito loan;
        loan.Tesserato = args.at(2);
        loan.NumTessera = QString::number(i);
        const auto n = loans.append(loan);
        if (!n)
            return 1;
        out << *n << '\n';
    }
    return 0;
}
