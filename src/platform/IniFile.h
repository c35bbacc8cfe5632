#pragma once

#include <QString>
#include <optional>

// A plain Windows INI file: "[Section]" and "Key=Value" lines, CR LF, Windows-1252. Section and key
// names match without regard to case, as Windows does. Lines that are neither are skipped when
// reading and kept as they are when writing.
class IniFile {
public:
    explicit IniFile(QString path);

    // The value of a key, trimmed and without enclosing quotes; empty when the file, the section or
    // the key is missing.
    // Nothing when the file exists but cannot be read, or is too large to be a settings file.
    std::optional<QString> read(const QString& section, const QString& key) const;

    // Writes a key, creating the file and the section when missing. False when the file cannot
    // be read or written; the file is then as it was.
    bool write(const QString& section, const QString& key, const QString& value) const;

private:
    QString m_path;
};
