#include "update/control_file.h"

#include <QDir>
#include <QRegularExpression>

namespace tagloom {

namespace {

QString keyOf(const QString &section, const QString &key)
{
    return section.trimmed().toLower() + QLatin1Char('\n') + key.trimmed().toLower();
}

QString withoutTrailingSeparator(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    if (folder == QLatin1String("/"))
        return QStringLiteral("/.");
    return folder;
}

} // namespace

ControlFile ControlFile::fromBytes(const QByteArray &bytes)
{
    ControlFile file;
    QString text = QString::fromLatin1(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString section;
    bool inSection = false;
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const int close = line.indexOf(QLatin1Char(']'));
            section = line.mid(1, close < 0 ? -1 : close - 1);
            inSection = true;
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals <= 0)
            continue;
        const QString key = keyOf(section, line.left(equals));
        if (!file.m_values.contains(key))
            file.m_values.insert(key, line.mid(equals + 1).trimmed());
    }
    return file;
}

bool ControlFile::contains(const QString &section, const QString &key) const
{
    return m_values.contains(keyOf(section, key));
}

QString ControlFile::value(const QString &section, const QString &key) const
{
    return m_values.value(keyOf(section, key));
}

int ControlFile::number(const QString &section, const QString &key, int fallback) const
{
    bool ok = false;
    const int n = value(section, key).toInt(&ok);
    return ok ? n : fallback;
}

ExpansionFolders systemExpansionFolders()
{
    return {QStringLiteral("/usr"), QDir::currentPath(), QDir::tempPath()};
}

QString expandFolders(const QString &value, const ExpansionFolders &folders)
{
    static const QRegularExpression braced(QStringLiteral("\\{([^{}]*)\\}"));
    QString result;
    int last = 0;
    auto it = braced.globalMatch(value);
    while (it.hasNext()) {
        const auto match = it.next();
        const QString name = match.captured(1).toUpper();
        QString folder;
        if (name == QLatin1String("WIN"))
            folder = folders.win;
        else if (name == QLatin1String("APP"))
            folder = folders.app;
        else if (name == QLatin1String("TMP"))
            folder = folders.tmp;
        else
            continue;
        result += value.mid(last, match.capturedStart() - last) + withoutTrailingSeparator(folder);
        last = match.capturedEnd();
    }
    return result + value.mid(last);
}

} // namespace tagloom
