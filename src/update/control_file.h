#pragma once
// The update control file: an INI-style text of [section] headers and
// key=value lines. Read by a small reader of our own rather than QSettings,
// whose INI format splits values at commas ("5,0,1,0" would become a list),
// unescapes backslashes and percent signs and compares names by case; here
// names compare without regard to case and values are kept as written.

#include <QHash>
#include <QString>

namespace tagloom {

class ControlFile {
public:
    // Reads `bytes` (Latin-1; CR LF, CR or LF line breaks). Lines outside a
    // section, blank lines and lines starting with ';' are ignored; the first
    // occurrence of a key in a section counts.
    static ControlFile fromBytes(const QByteArray &bytes);

    bool contains(const QString &section, const QString &key) const;
    // The value, trimmed of surrounding blanks; empty when absent.
    QString value(const QString &section, const QString &key) const;
    // The value as a decimal integer; `fallback` when absent or not a number.
    int number(const QString &section, const QString &key, int fallback = 0) const;

private:
    QHash<QString, QString> m_values; // "section\nkey" in lower case -> value
};

// The folders that "{WIN}", "{APP}" and "{TMP}" stand for in expanded values.
struct ExpansionFolders {
    QString win; // the system folder
    QString app; // the current working folder
    QString tmp; // the temporary folder
};

// On Linux: {WIN} is /usr, where the system's own programs and shared files
// live; {APP} the current working folder; {TMP} the temporary folder.
ExpansionFolders systemExpansionFolders();

// Replaces every "{WIN}", "{APP}" and "{TMP}" (the name compared in upper
// case) by its folder, without a trailing separator; a root folder keeps its
// separator and gets "." appended ("/."). Other braced text stays.
QString expandFolders(const QString &value, const ExpansionFolders &folders);

} // namespace tagloom
