#include "base/data_folder.h"

#include <QCoreApplication>

namespace tagloom {

QString dataFolderFromExecutable(const QString &executablePath)
{
    const qsizetype cut = executablePath.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        return QString();
    if (cut == 0)
        return QStringLiteral("/");
    return executablePath.left(cut);
}

QString dataFolder()
{
    return dataFolderFromExecutable(QCoreApplication::applicationFilePath());
}

} // namespace tagloom
