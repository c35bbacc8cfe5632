#pragma once

#include "Records.h"

#include <QString>
#include <random>

// Synthetic but realistic archives for the benchmarks: Italian titles and names with accents,
// about 1 in 20 records cancelled, about 1 in 5 items lent, dates spread over a year. The same
// seed always gives the same archives.
class Generator {
public:
    explicit Generator(quint32 seed);

    TSchedaLibro book(int n);
    TSchedaDVD dvd(int n);
    TSchedaTesserato member(int n);
    TSchedaPrestito loan(int n, int year, int members);

    // Writes Libri.pro, DVD.pro, Tesserati.pro and <year>.bib into the folder. False on a failure.
    bool writeArchives(const QString& folder, int books, int dvds, int members, int loans, int year);

private:
    QString pick(const QStringList& words);
    int below(int n);
    QString dateIn(int year);

    std::mt19937 m_random;
};
