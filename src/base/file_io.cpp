#include "base/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tagloom {

Result<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Result<QByteArray>::failure(
            QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    return Result<QByteArray>::success(std::move(bytes));
}

Status writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Replacing by rename would succeed even on a read-only file; honour the
    // file's own protection instead.
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable())
        return Status::failure(
            QStringLiteral("Cannot create file \"%1\". Access is denied.").arg(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        return Status::failure(
            QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
    return Status::success();
}

} // namespace tagloom
