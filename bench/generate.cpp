// Writes synthetic archives into a folder:
//   bench_generate <folder> [books] [dvds] [members] [loans] [seed]

#include "Generator.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "uso: bench_generate <cartella> [libri] [dvd] [tesserati] [prestiti] [seme]\n");
        return 2;
    }
    const auto number = [&](int i, int fallback) { return args.size() > i ? args.at(i).toInt() : fallback; };
    QDir().mkpath(args.at(1));
    Generator generator(quint32(number(6, 1)));
    if (!generator.writeArchives(
            args.at(1), number(2, 50000), number(3, 5000), number(4, 3000), number(5, 20000), 2015)) {
        std::fprintf(stderr, "scrittura non riuscita in %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
