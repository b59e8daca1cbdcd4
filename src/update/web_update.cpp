#include "update/web_update.h"

#include "update/file_version.h"
#include "update/szdd.h"
#include "update/update_download.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>

namespace tagloom {

namespace {

using Kind = UpdateStatusKind;

// The last update date is not remembered, so it is always this one.
const QDate LastUpdateDate(1980, 1, 1);

std::optional<QDate> parseControlDate(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    int n[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        n[i] = parts[i].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const QDate date(n[2], n[1], n[0]);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

class UpdateRun {
public:
    UpdateRun(const UpdateSetup &setup, UpdateHost &host) : m_setup(setup), m_host(host) {}

    UpdateOutcome run()
    {
        status(QStringLiteral("Checking for Internet connection"));
        // The system brings its connection up on demand; there is no dialling.
        status(QStringLiteral("Found open Internet connection"));
        QNetworkAccessManager manager;
        m_manager = &manager;
        processControlFile();
        status(QStringLiteral("Closed Internet connection"));
        return m_outcome;
    }

private:
    void status(const QString &text, Kind kind = Kind::Information) { m_host.status(text, kind); }
    QString expanded(const QString &section, const QString &key) const
    {
        return expandFolders(m_control.value(section, key), m_setup.folders);
    }

    bool download(const QString &address, const QString &target)
    {
        const QString name = QFileInfo(target).fileName();
        return downloadUpdateFile(*m_manager, address, target,
                                  {[this](const QString &text, int kind) { status(text, Kind(kind)); },
                                   [this, &name](qint64 size, qint64 got) { m_host.fileProgress(name, size, got); }});
    }

    void processControlFile()
    {
        QString name = downloadFileName(QUrl(m_setup.controlFileAddress));
        const QString controlPath = QDir(m_setup.tempFolder).filePath(name.isEmpty() ? QStringLiteral("update.inf") : name);
        if (!download(m_setup.controlFileAddress, controlPath)) {
            status(QStringLiteral("Update control file not found"), Kind::Error);
            return;
        }
        status(QStringLiteral("Update control file found"));
        QFile file(controlPath);
        if (!file.open(QIODevice::ReadOnly)) {
            status(QStringLiteral("Update control file not found"), Kind::Error);
            return;
        }
        m_control = ControlFile::fromBytes(file.readAll());
        file.close();
        if (!isNewVersion() || !runActions())
            return;
        if (m_control.contains(QStringLiteral("files"), QStringLiteral("count")))
            processFiles();
        const QString runAfter = expanded(QStringLiteral("action"), QStringLiteral("runafter"));
        if (!runAfter.isEmpty())
            m_host.runCommand(runAfter);
        QFile::remove(controlPath);
        status(QStringLiteral("Finished processing update control file"));
    }

    bool isNewVersion()
    {
        const QString section = QStringLiteral("update");
        if (m_control.contains(section, QStringLiteral("date"))) {
            status(QStringLiteral("Date based update found"));
            if (const auto date = parseControlDate(m_control.value(section, QStringLiteral("date")))) {
                if (!(LastUpdateDate < *date)) {
                    status(QStringLiteral("No new version found"), Kind::NoNewVersion);
                    return false;
                }
                status(QStringLiteral("New version found : ") + date->toString(QStringLiteral("dd/MM/yyyy")),
                       Kind::NewVersionFound);
                return true;
            }
        }
        const QString newVersion = m_control.value(section, QStringLiteral("newversion"));
        const QString localVersion = expanded(section, QStringLiteral("localversion"));
        if (!newVersion.isEmpty() && !localVersion.isEmpty())
            status(QStringLiteral("Version based update found"));
        if (!isNewer(newVersion, localVersion, m_setup.ownExecutable)) {
            status(QStringLiteral("No new version found"), Kind::NoNewVersion);
            return false;
        }
        status(QStringLiteral("New version found : ") + newVersion, Kind::NewVersionFound);
        return true;
    }

    // The actions in their order; false when the user declined the query.
    bool runActions()
    {
        const QString app = QStringLiteral("application");
        m_outcome.appName = expanded(app, QStringLiteral("appname"));
        m_outcome.appComps = expanded(app, QStringLiteral("appcomps"));
        m_outcome.restart = m_control.number(app, QStringLiteral("appupdate")) == 1 && !m_outcome.appName.isEmpty();

        const QString action = QStringLiteral("action");
        if (const QString msg = m_control.value(action, QStringLiteral("msg")); !msg.isEmpty()) {
            status(QStringLiteral("Found message instruction in control file"));
            m_host.showMessage(msg);
        }
        if (const QString page = expanded(action, QStringLiteral("htmldlg")); !page.isEmpty()) {
            status(QStringLiteral("Found HTML dialog instruction in control file"), Kind::HtmlDialog);
            const QString local = QDir(m_setup.tempFolder).filePath(QStringLiteral("htmldlg.htm"));
            if (download(page, local))
                m_host.showHtmlPage(page, local);
        }
        if (const QString before = expanded(action, QStringLiteral("runbefore")); !before.isEmpty())
            m_host.runCommand(before);
        if (const QString query = m_control.value(action, QStringLiteral("query")); !query.isEmpty()) {
            status(QStringLiteral("Found query instruction in control file"));
            if (!m_host.askYesNo(query)) {
                m_outcome.restart = false;
                return false;
            }
        }
        if (!m_control.value(action, QStringLiteral("updateURL")).isEmpty())
            status(QStringLiteral("Found URL redirection instruction in control file"));
        if (const QString show = expanded(action, QStringLiteral("showURL")); !show.isEmpty()) {
            status(QStringLiteral("Found URL show instruction in control file"));
            m_host.openInBrowser(show);
        }
        return true;
    }

    void processFiles()
    {
        const int count = m_control.number(QStringLiteral("files"), QStringLiteral("count"));
        QStringList descriptions;
        for (int k = 1; k <= count; ++k)
            descriptions << m_control.value(fileSection(k), QStringLiteral("descr"));
        QVector<bool> selected = count > 0 ? m_host.chooseFiles(descriptions) : QVector<bool>();
        selected.resize(qMax(0, count));
        status(QStringLiteral("Found file update instruction in control file"));

        bool asked = false;
        for (int k = 1; k <= count; ++k) {
            const QString section = fileSection(k);
            const QString url = expanded(section, QStringLiteral("url"));
            if (url.isEmpty() || !selected[k - 1] || descriptions[k - 1].isEmpty())
                continue;
            const QString newVersion = m_control.value(section, QStringLiteral("newversion"));
            const QString localVersion = expanded(section, QStringLiteral("localversion"));
            QString targetDir = expanded(section, QStringLiteral("targetdir"));
            if (!targetDir.endsWith(QLatin1Char('/')))
                targetDir += QLatin1Char('/');
            const bool compressed = m_control.number(section, QStringLiteral("compressed")) == 1;
            QDir().mkpath(targetDir);
            if (!isNewer(newVersion, localVersion, m_setup.ownExecutable))
                continue;
            status(QStringLiteral("Download update for ") + url);
            if (!asked) {
                asked = true;
                if (!m_host.askYesNo(QStringLiteral("Download update files ?")))
                    break;
            }
            if (!fetchFile(url, targetDir, compressed)) {
                status(QStringLiteral("Cannot download update file ") + url, Kind::Error);
                m_outcome.restart = false;
            }
        }
    }

    bool fetchFile(const QString &url, const QString &targetDir, bool compressed)
    {
        // The file keeps the address's last segment as its name and nothing
        // more: no folder of the address leads it out of its target folder.
        const QString name = downloadFileName(QUrl(url));
        if (name.isEmpty())
            return false;
        const QString target = targetDir + name;
        if (!download(url, target))
            return false;
        return !compressed || bool(expandSzddInPlace(target));
    }

    static QString fileSection(int k) { return QStringLiteral("file") + QString::number(k); }

    const UpdateSetup &m_setup;
    UpdateHost &m_host;
    QNetworkAccessManager *m_manager = nullptr;
    ControlFile m_control;
    UpdateOutcome m_outcome;
};

} // namespace

QString controlFileAddress(const QString &server)
{
    const QString plain = QStringLiteral("http://") + server + QLatin1String(ControlFilePath);
    return isPermittedUpdateAddress(QUrl(plain)) ? plain
                                                 : QStringLiteral("https://") + server + QLatin1String(ControlFilePath);
}

UpdateOutcome runUpdate(const UpdateSetup &setup, UpdateHost &host)
{
    return UpdateRun(setup, host).run();
}

} // namespace tagloom
