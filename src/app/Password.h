#pragma once

#include <QString>
#include <optional>

// The access password and its file "unins000.dll" (INI: [Accesso] Valore=<enciphered>).
namespace Password {

// Two upper-case hexadecimal digits per character. Nothing for a text with more than 255
// characters or a character outside 1-255, which the file cannot hold.
std::optional<QString> encipher(const QString& text);
// The text of pairs of hexadecimal digits (an odd last digit is ignored); nothing when a pair is
// not hexadecimal.
std::optional<QString> decipher(const QString& hex);

// The password as it is stored: a-z upper-cased, blanks and control characters around it removed.
QString normalised(const QString& typed);

QString filePath();
// The stored password, deciphered and trimmed; empty when the file, section or key is missing.
// Nothing when the file cannot be read or holds a value that is not hexadecimal.
std::optional<QString> readStored();
// Stores a password (normalised first). False when it cannot be enciphered or written.
bool writeStored(const QString& password);

} // namespace Password
