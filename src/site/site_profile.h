#pragma once
// Site profiles: one small text file per web site in the data folder's
// Projects folder, naming its local folder, its author and how to reach its
// FTP server. Written as four tag lines; read back through the tokenizer,
// which accepts the tags in any case, order and number.

#include "base/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tagloom {

// The field texts of a profile, as typed.
struct SiteProfile {
    QString filesLocation, author;
    QString ftpServer, ftpServerPort, ftpUsername, ftpPassword, ftpDirectory, ftpServerTimeout;
    bool operator==(const SiteProfile &other) const;
};

inline constexpr char ProfilesFolder[] = "/Projects";
inline constexpr char ProfileSuffix[] = ".tlp";
// The password an anonymous login gives, by custom an e-mail address.
inline constexpr char AnonymousPassword[] = "anonymous@example.com";

// The four lines of a profile file, each ended by CR LF; values are put
// between the quotes as they are (the format has no escape).
QByteArray profileFileBytes(const SiteProfile &profile);
// Fills the fields named by the tags in `bytes`; fields without a tag keep
// their text, a later tag overwrites an earlier one.
void readProfileInto(const QByteArray &bytes, SiteProfile &profile);

// Writes a profile file readable by its owner only: it holds a password.
Status writeProfileFile(const QString &path, const SiteProfile &profile);
Result<SiteProfile> readProfileFile(const QString &path);

// The Projects folder below `dataFolder`, made when missing.
Result<QString> profilesFolder(const QString &dataFolder);

// What the site client needs to connect, from a profile's field texts.
struct SiteConnection {
    QString userName, password, server, remoteDir, localDir;
    int port = 21;
    int timeoutMs = 30000;
};
struct SiteConnectionResult {
    SiteConnection connection;
    QStringList warnings; // shown, then the connection goes ahead
    QString error;        // when set, there is no connection to hand on
};
SiteConnectionResult connectionFromProfile(const SiteProfile &profile);

} // namespace tagloom
