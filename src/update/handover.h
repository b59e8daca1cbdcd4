#pragma once
// The hand-over to the updater the program carries inside itself: the
// updater is written to the temporary folder and started with the process
// id, the program to restart and the components; the program then ends.

#include "base/result.h"

#include <QString>
#include <QStringList>

namespace tagloom {

// The resource that holds the updater, LZ ("SZDD") compressed.
inline constexpr char UpdaterResource[] = ":/update/UPD";

// The updater's command line: temp folder + "/upd.exe " + pid + ` "` +
// appName + `" ` + appComps.
QString updaterCommandLine(const QString &tempFolder, qint64 processId, const QString &appName,
                           const QString &appComps);

// Writes the resource at `resource` to `tempFolder` as "upd.ex_", expands it
// to "upd.exe" (removing "upd.ex_") and makes it executable. Returns its path.
Result<QString> writeUpdater(const QString &tempFolder, const QString &resource = QString::fromLatin1(UpdaterResource));

// The updater's side of the command line: the components separated by ';'
// (they may hold blanks, so the arguments after the program are joined).
struct UpdaterArguments {
    qint64 processId = 0;
    QString appName;
    QStringList components;
};
std::optional<UpdaterArguments> parseUpdaterArguments(const QStringList &arguments);

} // namespace tagloom
