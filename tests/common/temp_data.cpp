#include "common/temp_data.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tagloom::test {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

TempDataFolder::TempDataFolder(bool withShippedData)
{
    if (!withShippedData)
        return;
    const QString source = QStringLiteral(TAGLOOM_SOURCE_DATA_DIR);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        writeBytes(m_dir.path() + from.mid(source.size()), readBytes(from));
    }
}

void TempDataFolder::write(const QString &relative, const QByteArray &bytes) const
{
    writeBytes(file(relative), bytes);
}

QByteArray TempDataFolder::read(const QString &relative) const
{
    return readBytes(file(relative));
}

} // namespace tagloom::test
