// Writes the password file of a new program folder with the default password. A folder that
// already has one keeps it: the librarian may have changed the password.

#include "Password.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: makepassword <cartella del programma>\n");
        return 2;
    }
    ProgramFolder::setPath(QString::fromLocal8Bit(argv[1]));
    if (QFile::exists(Password::filePath()))
        return 0;
    if (!Password::writeStored(QStringLiteral("vendralopiskun"))) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(Password::filePath()));
        return 1;
    }
    return 0;
}
