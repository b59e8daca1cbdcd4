#include "common/temp_data.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

namespace tagloom::test {

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    // A write past the limit raises SIGXFSZ, which would end the test program;
    // ignored, the write fails with EFBIG instead.
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previousSoft = static_cast<qint64>(limit.rlim_cur);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_previousSoft);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_previousHandler);
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

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
