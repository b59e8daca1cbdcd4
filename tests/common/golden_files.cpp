#include "common/golden_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tagloom::test {

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

std::vector<GoldenCase> goldenCases(const QString &tool)
{
    const QDir folder(QFileInfo(QStringLiteral(TAGLOOM_SOURCE_DATA_DIR)).absolutePath() + QStringLiteral("/tests/data/") +
                      tool);
    std::vector<GoldenCase> cases;
    for (const QString &name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        cases.push_back({name, readAll(folder.filePath(name + QStringLiteral("/input"))),
                         readAll(folder.filePath(name + QStringLiteral("/expected")))});
    return cases;
}

} // namespace tagloom::test
