#include "update/file_version.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace tagloom {

FileVersion makeVersion(int a, int b, int c, int d)
{
    const auto word = [](int hi, int lo) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(hi) * 65536u + static_cast<std::uint32_t>(lo));
    };
    return {word(a, b), word(c, d)};
}

std::optional<FileVersion> parseVersion(const QString &text, QChar separator)
{
    const QStringList parts = text.split(separator);
    if (parts.size() < 4)
        return std::nullopt;
    int n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        n[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return makeVersion(n[0], n[1], n[2], n[3]);
}

namespace {

// Looks for the marker in the file, block by block, so that a large binary
// is never read whole. The marker is put together at run time, so that this
// code's own bytes never hold it whole.
std::optional<FileVersion> markedVersion(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray marker = QByteArray("TAGLOOM-FILE") + QByteArray("VERSION:");
    constexpr qint64 Block = 1 << 20;
    constexpr int VersionRoom = 48; // "a.b.c.d" of four full integers fits
    QByteArray window; // the end of the previous block, then this block
    while (!file.atEnd()) {
        window += file.read(Block);
        // A marker near the block's end needs the version text that follows.
        const QByteArray ahead = file.peek(VersionRoom);
        const QByteArray searched = window + ahead;
        for (int at = searched.indexOf(marker); at >= 0 && at < window.size(); at = searched.indexOf(marker, at + 1)) {
            const QByteArray rest = searched.mid(at + marker.size(), VersionRoom);
            const int end = rest.indexOf('\0');
            if (auto version = parseVersion(QString::fromLatin1(end < 0 ? rest : rest.left(end)), QLatin1Char('.')))
                return version;
        }
        window = window.right(marker.size());
    }
    return std::nullopt;
}

} // namespace

FileVersion fileVersion(const QString &path, const QString &ownExecutable)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    if (!ownExecutable.isEmpty() && info.canonicalFilePath() == QFileInfo(ownExecutable).canonicalFilePath())
        return makeVersion(ProgramVersion[0], ProgramVersion[1], ProgramVersion[2], ProgramVersion[3]);
    return markedVersion(path).value_or(FileVersion{});
}

bool isNewer(const QString &newVersion, const QString &localFile, const QString &ownExecutable)
{
    if (newVersion.isEmpty() || localFile.isEmpty())
        return true;
    const auto wanted = parseVersion(newVersion);
    if (!wanted)
        return false;
    const FileVersion local = fileVersion(localFile, ownExecutable);
    return local.high < wanted->high || (local.high == wanted->high && local.low < wanted->low);
}

} // namespace tagloom
