#pragma once

#include <QString>
#include <QStringView>

// The text field of every record: one length byte, then as many Windows-1252 characters as the
// field holds.
namespace ShortString {

// The text without the blanks and control characters (every code up to 32) at either end.
QString trimmed(const QString& text);
QStringView trimmed(QStringView text);

// Writes the trimmed text into a field of the given capacity (capacity + 1 bytes): the length,
// the characters cut to the capacity, zeros after them. The number of characters the trimmed text
// had: more than the capacity when it was cut.
qsizetype store(QStringView text, char* field, int capacity);

// Reads a field back, trimmed. A length byte above the capacity (a damaged file) reads as the
// capacity.
QString load(const char* field, int capacity);

// The letters a-z turned to A-Z, or A-Z to a-z; no other character changes case.
QString upperAToZ(const QString& text);
QString lowerAToZ(const QString& text);

// The "Sì" and "No" of the two-state flags.
extern const QString kYes;
extern const QString kNo;

} // namespace ShortString
