#pragma once
// The path rules of the FTP session: how remote and local folders and names
// are joined and split. Remote paths use "/"; local paths use the platform's
// separator ("/" here).

#include <QString>

namespace tagloom {

enum class TFTPFileSystemType { ftUnix, ftUnknown };

// A remote folder gets "/" unless it already ends with one or the server's
// file system is unknown (then folder and name are joined as given).
QString remoteJoin(const QString &folder, TFTPFileSystemType type);
// A local folder gets the separator unless it already ends with one.
QString localJoin(const QString &folder);
// A name longer than one character ending in a separator loses it.
QString stripTrailingSeparator(const QString &name);

// A remote name with "/" is a path: its folder part runs up to and
// including the last "/", its name part is the rest.
struct RemoteParts {
    QString folder; // empty for a bare name
    QString name;
};
RemoteParts splitRemoteName(const QString &name);

// The absolute folder (ending in "/") reached from the absolute folder
// `current` by `given`: an absolute path, a relative one, "." and "..".
// Going above the root stays at the root.
QString resolveRemoteFolder(const QString &current, const QString &given);

// A local name with a separator is a full path; a bare one lies in `localDir`.
QString localPath(const QString &localDir, const QString &name);

} // namespace tagloom
