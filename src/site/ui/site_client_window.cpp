#include "site/ui/site_client_window.h"
#include "base/file_io.h"
#include "base/ui/file_dialogs.h"
#include "base/ui/messages.h"
#include "base/ui/window_placement.h"
#include "site/remote_listing.h"
#include "site/ui/site_client_dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tagloom {

namespace {

// A hint "short|long": the short part is the tool tip, the long part the
// status text; a CR breaks the tool tip's lines.
void setHint(QAction *action, const QString &hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    QString tip = bar < 0 ? hint : hint.left(bar);
    action->setToolTip(tip.replace(QLatin1Char('\r'), QLatin1Char('\n')));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

const char *const ViewStyleNames[] = {"Large Icons", "Small Icons", "List", "Report"};

} // namespace

SiteClientWindow::SiteClientWindow(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Quenby Pathloom 5.0"));
    m_ftp.ConnectRetries = 1;
    m_ftp.TransferType = TFTPTransferType::ttAscii;
    m_ftp.SilentExceptions = true;
    buildPanes();
    buildToolbars();
    buildMenus();
    resize(900, 640); // both panes with all their columns

    m_status = new QLabel(winInetStateText(int(TWinInetState::NoConnection), QString()));
    m_status->setObjectName(QStringLiteral("Status"));
    statusBar()->addWidget(m_status, 1);
    connect(&m_ftp, &TSimpleFTP::stateChanged, m_status, [this](int, const QString &text) { m_status->setText(text); });
    connect(&m_ftp, &TSimpleFTP::connected, this, [this] {
        log(m_ftp.welcomeText());
        log(QStringLiteral("Connected to %1").arg(m_ftp.HostName));
    });
    connect(&m_ftp, &TSimpleFTP::disconnected, this,
            [this] { log(QStringLiteral("Disconnected from %1").arg(m_ftp.HostName)); });
    connect(&m_ftp, &TSimpleFTP::findItem, this, &SiteClientWindow::addRemoteRow);
    connect(&m_ftp, &TSimpleFTP::transferFailed, this, &SiteClientWindow::log);
    connect(&m_ftp, &TSimpleFTP::transferProgress, this, [this](const TFTPProgressInfo &info) {
        m_minor->setValue(progressPercent(info));
        m_major->setMaximum(qMax(1, info.fileCount));
        m_major->setValue(info.fileIndex);
    });

    const auto nameDialog = [this](const char *title, const char *label, const char *error, bool emptied,
                                   std::function<void(const QString &)> accept) {
        return new NameDialog({QString::fromUtf8(title), QString::fromUtf8(label), QString::fromUtf8(error), emptied},
                              std::move(accept), this);
    };
    m_newFolder = nameDialog("Make New Folder...", "Name:", "Please give a directory name", false,
                             [this](const QString &name) {
                                 m_ftp.MakeDir(name);
                                 refreshRemote();
                             });
    m_rename = nameDialog("Rename File", "Rename File To:", "Please enter a new filename.", true,
                          [this](const QString &name) {
                              m_ftp.Rename(selectedRemote(), name);
                              refreshRemote();
                          });
    m_unseen = nameDialog("Get Unseen File", "Name of Unseen File:", "", true,
                          [this](const QString &name) { getNamed(name); });
    m_group = new GroupTransferDialog([this](bool up) { groupTransfer(up); }, this);
    setLocalFolder(QDir::homePath());
}

SiteClientWindow::~SiteClientWindow() = default;

void SiteClientWindow::buildPanes()
{
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    m_folderTree = new QTreeView;
    m_folderTree->setObjectName(QStringLiteral("LocalFolders"));
    m_folderTree->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_folderTree->hideColumn(column);
    m_folderTree->setHeaderHidden(true);
    connect(m_folderTree, &QTreeView::clicked, this,
            [this](const QModelIndex &index) { setLocalFolder(m_folders->filePath(index)); });

    m_localFiles = new QTreeWidget;
    m_localFiles->setObjectName(QStringLiteral("LocalFiles"));
    m_localFiles->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Modified")});
    m_localFiles->setRootIsDecorated(false);
    auto *local = new QSplitter(Qt::Vertical);
    local->addWidget(m_folderTree);
    local->addWidget(m_localFiles);

    auto *arrows = new QVBoxLayout;
    const std::pair<Qt::ArrowType, void (SiteClientWindow::*)()> arrowButtons[] = {
        {Qt::RightArrow, &SiteClientWindow::upload}, {Qt::LeftArrow, &SiteClientWindow::download}};
    arrows->addStretch();
    for (const auto &[arrow, slot] : arrowButtons) {
        auto *button = new QToolButton;
        button->setArrowType(arrow);
        button->setObjectName(arrow == Qt::RightArrow ? QStringLiteral("UploadArrow") : QStringLiteral("DownloadArrow"));
        connect(button, &QToolButton::clicked, this, slot);
        arrows->addWidget(button);
    }
    arrows->addStretch();
    auto *arrowColumn = new QWidget;
    arrowColumn->setLayout(arrows);

    m_remote = new QStandardItemModel(0, 4, this);
    m_remote->setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Type"), QStringLiteral("Last Modified")});
    m_report = new QTreeView;
    m_report->setObjectName(QStringLiteral("RemoteReport"));
    m_report->setRootIsDecorated(false);
    m_report->setModel(m_remote);
    m_icons = new QListView;
    m_icons->setObjectName(QStringLiteral("RemoteIcons"));
    m_icons->setModel(m_remote);
    m_icons->setSelectionModel(m_report->selectionModel());
    m_remoteViews = new QStackedWidget;
    m_remoteViews->addWidget(m_icons);
    m_remoteViews->addWidget(m_report);
    m_remoteViews->setCurrentWidget(m_report);
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(m_report), static_cast<QAbstractItemView *>(m_icons)})
        connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
            openRemote(m_remote->item(index.row(), 0)->text());
        });

    auto *panes = new QSplitter;
    panes->addWidget(local);
    panes->addWidget(arrowColumn);
    panes->addWidget(m_remoteViews);
    m_log = new QPlainTextEdit;
    m_log->setObjectName(QStringLiteral("Log"));
    m_log->setReadOnly(true);
    m_log->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_log, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu;
        menu.addAction(QStringLiteral("&Save Log to..."), this, &SiteClientWindow::saveLog);
        menu.exec(m_log->mapToGlobal(at));
    });
    auto *central = new QSplitter(Qt::Vertical);
    central->addWidget(panes);
    central->addWidget(m_log);
    setCentralWidget(central);
}

void SiteClientWindow::buildToolbars()
{
    QToolBar *ftpBar = addToolBar(QStringLiteral("FTP Toolbar"));
    ftpBar->setObjectName(QStringLiteral("FTPToolbar"));
    const QStyle *s = style();
    const struct {
        QStyle::StandardPixmap icon;
        const char *hint;
        void (SiteClientWindow::*slot)();
    } buttons[] = {
        {QStyle::SP_DialogYesButton, "Connect to Server", &SiteClientWindow::connectToServer},
        {QStyle::SP_DialogNoButton, "Disconnect from Server", &SiteClientWindow::disconnectFromServer},
        {QStyle::SP_BrowserReload, "Refresh the Remote View", &SiteClientWindow::refreshRemote},
        {QStyle::SP_TrashIcon, "Delete:\r-- File\r-- Folder|Delete", &SiteClientWindow::deleteFile},
        {QStyle::SP_FileDialogNewFolder, "Make New Remote Folder", nullptr},
        {QStyle::SP_FileDialogToParent, "Move Up one Remote Folder", &SiteClientWindow::upOneLevel},
        {QStyle::SP_FileDialogDetailedView, "View Types|View Types", &SiteClientWindow::cycleViewStyle},
    };
    for (const auto &button : buttons) {
        QAction *action = ftpBar->addAction(s->standardIcon(button.icon), QString());
        setHint(action, QString::fromUtf8(button.hint));
        if (button.slot)
            connect(action, &QAction::triggered, this, button.slot);
        else
            connect(action, &QAction::triggered, this, [this] { showAndRaise(m_newFolder); });
        auto *tool = qobject_cast<QToolButton *>(ftpBar->widgetForAction(action));
        if (button.slot == &SiteClientWindow::deleteFile) {
            auto *menu = new QMenu(this);
            menu->addAction(QStringLiteral("&File"), this, &SiteClientWindow::deleteFile);
            menu->addAction(QStringLiteral("&Directory"), this, &SiteClientWindow::deleteDirectory);
            tool->setMenu(menu);
            tool->setPopupMode(QToolButton::MenuButtonPopup);
        } else if (button.slot == &SiteClientWindow::cycleViewStyle) {
            auto *menu = new QMenu(this);
            for (int i = 0; i < 4; ++i)
                menu->addAction(QString::fromUtf8(ViewStyleNames[i]), this, [this, i] { setViewStyle(ViewStyle(i)); });
            tool->setMenu(menu);
            tool->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
    m_transferType = new QComboBox;
    m_transferType->setObjectName(QStringLiteral("TransferType"));
    m_transferType->addItems({QStringLiteral("ASCII"), QStringLiteral("Binary"), QStringLiteral("Unknown")});
    connect(m_transferType, &QComboBox::currentIndexChanged, this, [this](int index) {
        static const TFTPTransferType types[] = {TFTPTransferType::ttAscii, TFTPTransferType::ttBinary,
                                                 TFTPTransferType::ttUnknown};
        if (index >= 0 && index < 3)
            m_ftp.TransferType = types[index];
    });
    ftpBar->addWidget(m_transferType);

    QToolBar *progressBar = addToolBar(QStringLiteral("Progress Guides"));
    progressBar->setObjectName(QStringLiteral("ProgressGuides"));
    m_minor = new QProgressBar;
    m_minor->setObjectName(QStringLiteral("FileProgress"));
    m_minor->setRange(0, 100);
    m_minor->setToolTip(QStringLiteral("This shows the upload/download progress of \nthe current file being uploaded."));
    m_minor->setStatusTip(QStringLiteral("Progress of Current File"));
    m_major = new QProgressBar;
    m_major->setObjectName(QStringLiteral("GroupProgress"));
    m_major->setRange(0, 1);
    m_major->setValue(0);
    m_major->setToolTip(QStringLiteral("This shows the progress of the \nupload/download of all selected files."));
    m_major->setStatusTip(QStringLiteral("Show Progress of All Files"));
    progressBar->addWidget(m_minor);
    progressBar->addWidget(m_major);
}

void SiteClientWindow::buildMenus()
{
    const auto add = [this](QMenu *menu, const char *text, auto slot, QKeySequence keys = {}) {
        QAction *action = menu->addAction(QString::fromUtf8(text));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, "&Get File", &SiteClientWindow::download);
    // Put uploads: a user choosing it expects the file to go to the server.
    add(file, "&Put File", &SiteClientWindow::upload);
    add(file, "E&xit", &QWidget::hide);
    QMenu *server = menuBar()->addMenu(QStringLiteral("&Server"));
    add(server, "&Connect", &SiteClientWindow::connectToServer);
    add(server, "&Disconnect", &SiteClientWindow::disconnectFromServer);
    QMenu *commands = menuBar()->addMenu(QStringLiteral("&Commands"));
    QMenu *remove = commands->addMenu(QStringLiteral("&Delete"));
    add(remove, "&File", &SiteClientWindow::deleteFile, QKeySequence(Qt::Key_Delete));
    add(remove, "&Directory", &SiteClientWindow::deleteDirectory, QKeySequence(Qt::CTRL | Qt::Key_Delete));
    add(commands, "&Rename", [this] { showAndRaise(m_rename); });
    add(commands, "R&efresh", &SiteClientWindow::refreshRemote);
    add(commands, "&New Folder...", [this] { showAndRaise(m_newFolder); });
    add(commands, "&Up a Level", &SiteClientWindow::upOneLevel);
    QMenu *extras = menuBar()->addMenu(QStringLiteral("E&xtras"));
    add(extras, "&Upload/Download Group of Files", [this] { showAndRaise(m_group); });
    add(extras, "&Delete Group of Files", &SiteClientWindow::deleteGroup);
    add(extras, "&Get Unseen File", [this] { showAndRaise(m_unseen); });
}

void SiteClientWindow::log(const QString &line)
{
    m_log->appendPlainText(line);
}

QString SiteClientWindow::logText() const
{
    return m_log->toPlainText();
}

void SiteClientWindow::setConnection(const SiteConnection &connection)
{
    m_connection = connection;
    m_hasConnection = true;
    if (!connection.localDir.isEmpty())
        setLocalFolder(connection.localDir);
}

void SiteClientWindow::setLocalFolder(const QString &folder)
{
    m_localFolder = folder;
    m_ftp.LocalDir = folder;
    const QModelIndex index = m_folders->index(folder);
    if (index.isValid()) {
        m_folderTree->setCurrentIndex(index);
        m_folderTree->scrollTo(index);
    }
    refreshLocal();
}

void SiteClientWindow::refreshLocal()
{
    m_localFiles->clear();
    QFileIconProvider icons;
    for (const QFileInfo &file : QDir(m_localFolder).entryInfoList(QDir::Files, QDir::Name)) {
        auto *item = new QTreeWidgetItem(m_localFiles, {file.fileName(), QString::number(file.size()),
                                                        file.lastModified().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"))});
        item->setIcon(0, icons.icon(file));
        item->setData(0, Qt::UserRole, file.absoluteFilePath());
    }
}

bool SiteClientWindow::selectLocal(const QString &name)
{
    const QList<QTreeWidgetItem *> found = m_localFiles->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    m_localFiles->setCurrentItem(found.first());
    return true;
}

QStringList SiteClientWindow::remoteNames() const
{
    QStringList names;
    for (int row = 0; row < m_remote->rowCount(); ++row)
        names << m_remote->item(row, 0)->text();
    return names;
}

bool SiteClientWindow::selectRemote(const QString &name)
{
    const QList<QStandardItem *> found = m_remote->findItems(name);
    if (found.isEmpty())
        return false;
    m_report->setCurrentIndex(found.first()->index());
    return true;
}

QString SiteClientWindow::selectedRemote() const
{
    const QModelIndex index = m_report->selectionModel()->currentIndex();
    return index.isValid() ? m_remote->item(index.row(), 0)->text() : QString();
}

void SiteClientWindow::addRemoteRow(const TFTPFindData &entry)
{
    if (!isShownEntry(entry))
        return;
    const RemoteRow row = remoteRow(entry);
    static const QFileIconProvider icons;
    auto *name = new QStandardItem(icons.icon(row.isDirectory ? QFileIconProvider::Folder : QFileIconProvider::File),
                                   row.name);
    QList<QStandardItem *> cells{name, new QStandardItem(row.size), new QStandardItem(row.type),
                                 new QStandardItem(row.lastModified)};
    for (QStandardItem *cell : cells)
        cell->setEditable(false);
    m_remote->appendRow(cells);
}

void SiteClientWindow::refreshRemote()
{
    m_remote->removeRows(0, m_remote->rowCount());
    if (m_ftp.isConnected())
        m_ftp.List();
    m_remote->sort(0);
}

void SiteClientWindow::connectToServer()
{
    if (m_hasConnection) {
        m_ftp.HostName = m_connection.server;
        m_ftp.UserName = m_connection.userName;
        m_ftp.Password = m_connection.password;
        m_ftp.ConnectTimeout = m_connection.timeoutMs;
        m_ftp.Port = m_connection.port;
        if (!m_ftp.isConnected())
            m_ftp.ChangeDir(m_connection.remoteDir);
    }
    if (!m_ftp.Connect()) {
        // One more try at once; the first failure is kept in the log.
        log(m_ftp.lastError());
        m_ftp.Connect();
    }
    refreshRemote();
    m_ftp.LocalDir = m_localFolder;
}

void SiteClientWindow::disconnectFromServer()
{
    m_ftp.Disconnect();
    m_remote->removeRows(0, m_remote->rowCount());
}

void SiteClientWindow::openRemote(const QString &name)
{
    log(QString());
    log(QStringLiteral("CWD ") + name);
    m_ftp.ChangeDir(name);
    refreshRemote();
}

void SiteClientWindow::upOneLevel()
{
    m_ftp.ChangeDir(QStringLiteral(".."));
    refreshRemote();
}

void SiteClientWindow::getNamed(const QString &name)
{
    log(QStringLiteral("Getting %1").arg(name));
    m_ftp.LocalDir = m_localFolder;
    m_ftp.Get(name);
    refreshLocal();
}

void SiteClientWindow::download()
{
    const QString name = selectedRemote();
    if (!name.isEmpty())
        getNamed(name);
}

void SiteClientWindow::upload()
{
    const QTreeWidgetItem *item = m_localFiles->currentItem();
    if (!item)
        return;
    const QString path = item->data(0, Qt::UserRole).toString();
    log(QStringLiteral("Uploading %1").arg(path));
    m_ftp.Put(path);
    refreshRemote();
}

void SiteClientWindow::deleteFile()
{
    const QString name = selectedRemote();
    if (!name.isEmpty())
        m_ftp.Delete(name);
    refreshRemote();
}

void SiteClientWindow::deleteDirectory()
{
    const QString name = selectedRemote();
    if (!name.isEmpty())
        m_ftp.RemoveDir(name);
    refreshRemote();
}

void SiteClientWindow::groupTransfer(bool upload)
{
    m_ftp.LocalDir = m_localFolder;
    if (upload) {
        m_ftp.PutGroup(QStringLiteral("*.*"));
    } else {
        m_ftp.GetGroup(QStringLiteral("*.*"));
        refreshLocal();
    }
    refreshRemote();
}

void SiteClientWindow::deleteGroup()
{
    if (showMessage(this, MessageKind::Question, QString(),
                    QStringLiteral("This will delete all files in the directory.\nDo you wish to continue?."),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_ftp.DeleteGroup(QStringLiteral("*.*"));
    showMessage(this, MessageKind::Information, QString(), QStringLiteral("Files Deleted."));
    refreshRemote();
}

void SiteClientWindow::setViewStyle(ViewStyle style)
{
    m_viewStyle = style;
    if (style == ViewStyle::Report) {
        m_remoteViews->setCurrentWidget(m_report);
        return;
    }
    m_icons->setViewMode(style == ViewStyle::LargeIcons ? QListView::IconMode : QListView::ListMode);
    m_icons->setFlow(style == ViewStyle::List ? QListView::TopToBottom : QListView::LeftToRight);
    m_icons->setWrapping(true);
    m_icons->setIconSize(style == ViewStyle::LargeIcons ? QSize(32, 32) : QSize(16, 16));
    m_remoteViews->setCurrentWidget(m_icons);
}

void SiteClientWindow::cycleViewStyle()
{
    setViewStyle(ViewStyle((int(m_viewStyle) + 1) % 4));
}

void SiteClientWindow::saveLog()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Save Log to...");
    request.filters = {QStringLiteral("Text Files (*.txt)|*.txt")};
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    if (const Status saved = writeFileAtomically(path, m_log->toPlainText().toUtf8()); !saved)
        showMessage(this, MessageKind::Error, QString(), saved.error);
}

} // namespace tagloom
