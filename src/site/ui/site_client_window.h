#pragma once
// "Quenby Pathloom 5.0": the two-pane FTP client that publishes a site.
// Local folders and files on the left, the server's current folder on the
// right; every server operation goes through one TSimpleFTP session, run
// silently (failures show in the remote pane after its refresh, failed
// transfers also in the log).

#include "net/simple_ftp.h"
#include "site/site_profile.h"

#include <QMainWindow>

class QComboBox;
class QLabel;
class QListView;
class QPlainTextEdit;
class QProgressBar;
class QStackedWidget;
class QStandardItemModel;
class QTreeView;
class QTreeWidget;
class QFileSystemModel;

namespace tagloom {

class NameDialog;
class GroupTransferDialog;

class SiteClientWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class ViewStyle { LargeIcons, SmallIcons, List, Report };

    explicit SiteClientWindow(QWidget *parent = nullptr);
    ~SiteClientWindow() override;

    // The connection data of a profile; a local folder, when given, is shown.
    void setConnection(const SiteConnection &connection);
    TSimpleFTP &session() { return m_ftp; }
    QString localFolder() const { return m_localFolder; }
    void setLocalFolder(const QString &folder);
    // Names shown in the remote pane, in their order.
    QStringList remoteNames() const;
    bool selectRemote(const QString &name);
    bool selectLocal(const QString &name);
    QString logText() const;
    ViewStyle viewStyle() const { return m_viewStyle; }
    void setViewStyle(ViewStyle style);
    void cycleViewStyle();

    void connectToServer();
    void disconnectFromServer();
    void refreshRemote();
    void openRemote(const QString &name);
    void upOneLevel();
    void download();
    void upload();
    void deleteFile();
    void deleteDirectory();
    void deleteGroup();
    void refreshLocal();
    void saveLog();

    NameDialog *newFolderDialog() const { return m_newFolder; }
    NameDialog *renameDialog() const { return m_rename; }
    NameDialog *unseenDialog() const { return m_unseen; }
    GroupTransferDialog *groupDialog() const { return m_group; }

private:
    void buildPanes();
    void buildToolbars();
    void buildMenus();
    void log(const QString &line);
    QString selectedRemote() const;
    void addRemoteRow(const TFTPFindData &entry);
    void getNamed(const QString &name);
    void groupTransfer(bool upload);

    TSimpleFTP m_ftp;
    SiteConnection m_connection;
    bool m_hasConnection = false;
    QString m_localFolder;
    ViewStyle m_viewStyle = ViewStyle::Report;

    QFileSystemModel *m_folders = nullptr;
    QTreeView *m_folderTree = nullptr;
    QTreeWidget *m_localFiles = nullptr;
    QStandardItemModel *m_remote = nullptr;
    QStackedWidget *m_remoteViews = nullptr;
    QTreeView *m_report = nullptr;
    QListView *m_icons = nullptr;
    QPlainTextEdit *m_log = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_minor = nullptr;
    QProgressBar *m_major = nullptr;
    QComboBox *m_transferType = nullptr;
    NameDialog *m_newFolder = nullptr;
    NameDialog *m_rename = nullptr;
    NameDialog *m_unseen = nullptr;
    GroupTransferDialog *m_group = nullptr;
};

} // namespace tagloom
