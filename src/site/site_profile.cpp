#include "site/site_profile.h"
#include "base/file_io.h"
#include "codetools/html_parser.h"

#include <QDir>
#include <QFile>
#include <limits>
#include <optional>
#include <variant>

namespace tagloom {

bool SiteProfile::operator==(const SiteProfile &o) const
{
    return filesLocation == o.filesLocation && author == o.author && ftpServer == o.ftpServer &&
           ftpServerPort == o.ftpServerPort && ftpUsername == o.ftpUsername && ftpPassword == o.ftpPassword &&
           ftpDirectory == o.ftpDirectory && ftpServerTimeout == o.ftpServerTimeout;
}

namespace {

struct FieldRow {
    const char *tag;
    const char *param;
    QString SiteProfile::*field;
};

const FieldRow ReadTable[] = {
    {"PROJECT", "DIRECTORY", &SiteProfile::filesLocation},
    {"PROJECT", "OWNER", &SiteProfile::author},
    {"FTPADMIN", "USERNAME", &SiteProfile::ftpUsername},
    {"FTPADMIN", "PASSWORD", &SiteProfile::ftpPassword},
    {"FTPSERVR", "SERVERPORT", &SiteProfile::ftpServerPort},
    {"FTPSERVR", "SERVERADDR", &SiteProfile::ftpServer},
    {"FTPFILES", "DIRECTORY", &SiteProfile::ftpDirectory},
    {"FTPFILES", "TIMEOUT", &SiteProfile::ftpServerTimeout},
};

// A whole number in 0..max, or nothing.
std::optional<int> wholeNumber(const QString &text, int max)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > max)
        return std::nullopt;
    return value;
}

} // namespace

QByteArray profileFileBytes(const SiteProfile &p)
{
    const QString text = QStringLiteral("<PROJECT OWNER=\"%1\" DIRECTORY=\"%2\">\r\n"
                                        "<FTPADMIN USERNAME=\"%3\" PASSWORD=\"%4\">\r\n"
                                        "<FTPSERVR SERVERPORT=\"%5\" SERVERADDR=\"%6\">\r\n"
                                        "<FTPFILES DIRECTORY=\"%7\" TIMEOUT=\"%8\">\r\n")
                             .arg(p.author, p.filesLocation, p.ftpUsername, p.ftpPassword, p.ftpServerPort,
                                  p.ftpServer, p.ftpDirectory, p.ftpServerTimeout);
    return text.toUtf8();
}

void readProfileInto(const QByteArray &bytes, SiteProfile &profile)
{
    THTMLParser parser;
    parser.ParseBytes(bytes);
    for (const THTMLNode &node : parser.Nodes) {
        const auto *tag = std::get_if<THTMLTag>(&node);
        if (!tag)
            continue;
        for (const THTMLParam &param : tag->Params) {
            for (const FieldRow &row : ReadTable) {
                if (tag->Name == QLatin1String(row.tag) && param.Name == QLatin1String(row.param))
                    profile.*row.field = param.Value.toString();
            }
        }
    }
}

Status writeProfileFile(const QString &path, const SiteProfile &profile)
{
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    // The atomic save keeps the permissions of the file it replaces, so the
    // file is made (or narrowed) owner-only before anything is written.
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly, ownerOnly))
            return Status::failure(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    } else if (!QFile::setPermissions(path, ownerOnly)) {
        return Status::failure(QStringLiteral("Cannot write %1").arg(path));
    }
    return writeFileAtomically(path, profileFileBytes(profile));
}

Result<SiteProfile> readProfileFile(const QString &path)
{
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return Result<SiteProfile>::failure(bytes.error);
    SiteProfile profile;
    readProfileInto(*bytes, profile);
    return Result<SiteProfile>::success(profile);
}

Result<QString> profilesFolder(const QString &dataFolder)
{
    const QString folder = dataFolder + QLatin1String(ProfilesFolder);
    if (!QDir().mkpath(folder))
        return Result<QString>::failure(QStringLiteral("Cannot create the folder %1").arg(folder));
    return Result<QString>::success(folder);
}

SiteConnectionResult connectionFromProfile(const SiteProfile &p)
{
    SiteConnectionResult result;
    SiteConnection &c = result.connection;
    c.userName = p.ftpUsername;
    if (c.userName.isEmpty()) {
        c.userName = QStringLiteral("anonymous");
        result.warnings << QStringLiteral("You did not give a username.\nUsing anonymous instead.");
    }
    c.password = p.ftpPassword;
    if (c.password.isEmpty()) {
        c.password = QLatin1String(AnonymousPassword);
        result.warnings << QStringLiteral("You did not give a password.\nUsing anonymous instead.");
    }
    if (p.ftpServer.isEmpty()) {
        result.error = QStringLiteral("You must specify an FTP server.");
        return result;
    }
    c.server = p.ftpServer;
    c.remoteDir = p.ftpDirectory;
    c.localDir = p.filesLocation;
    if (!p.ftpServerPort.trimmed().isEmpty()) {
        const auto port = wholeNumber(p.ftpServerPort, 65535);
        if (!port || *port == 0) {
            result.error = QStringLiteral("The FTP server port must be a whole number from 1 to 65535.");
            return result;
        }
        c.port = *port;
    }
    if (!p.ftpServerTimeout.trimmed().isEmpty()) {
        const auto timeout = wholeNumber(p.ftpServerTimeout, std::numeric_limits<int>::max());
        if (!timeout) {
            result.error = QStringLiteral("The FTP server timeout must be a whole number of milliseconds.");
            return result;
        }
        c.timeoutMs = *timeout;
    }
    return result;
}

} // namespace tagloom
