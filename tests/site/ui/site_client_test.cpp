// The site client against a real FTP server on loopback.
#include "common/ftp_test_server.h"
#include "site/ui/site_client_dialogs.h"
#include "site/ui/site_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QProgressBar>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeView>

using namespace tagloom;
using test::FtpTestServer;
using test::SiteFixture;

namespace {

class SiteClientTest : public SiteFixture {
protected:
    void SetUp() override
    {
        SiteFixture::SetUp();
        ASSERT_TRUE(server.isRunning());
        w = client();
        ASSERT_NE(w, nullptr);
    }
    SiteConnection connection(const QString &remoteDir = QString()) const
    {
        SiteConnection c;
        c.server = "127.0.0.1";
        c.port = server.port();
        c.userName = "webmaster";
        c.password = "secret";
        c.timeoutMs = 3000;
        c.remoteDir = remoteDir;
        c.localDir = local.path();
        return c;
    }
    void writeLocal(const QString &name, const QByteArray &bytes) const
    {
        QFile file(local.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A column of the remote report, by row name.
    QString cell(const QString &name, int column) const
    {
        const QAbstractItemModel *model = w->findChild<QTreeView *>("RemoteReport")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 0).data().toString() == name)
                return model->index(row, column).data().toString();
        return "<no row>";
    }
    QAction *menuAction(const QString &menu, const QString &text) const
    {
        for (QAction *top : w->menuBar()->actions())
            if (top->text() == menu)
                for (QAction *item : top->menu()->actions())
                    if (item->text() == text)
                        return item;
        return nullptr;
    }

    FtpTestServer server;
    QTemporaryDir local;
    SiteClientWindow *w = nullptr;
};

TEST_F(SiteClientTest, WithoutAProfileConnectFailsQuietly)
{
    EXPECT_EQ(w->windowTitle(), "Quenby Pathloom 5.0");
    w->connectToServer();
    EXPECT_EQ(w->findChild<QLabel *>("Status")->text(), "No connection");
    EXPECT_TRUE(w->remoteNames().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SiteClientTest, ConnectsAndListsWithSizesNeverShowingDotEntries)
{
    server.write("small.htm", QByteArray(1023, 'a'));
    server.write("kilo.htm", QByteArray(1024, 'b'));
    server.write("mega.bin", QByteArray(1048576, 'c'));
    QDir(server.root()).mkdir("pics");
    w->setConnection(connection());
    w->connectToServer();
    EXPECT_TRUE(w->logText().contains("Tagloom test server ready."));
    EXPECT_TRUE(w->logText().contains("Connected to 127.0.0.1"));
    EXPECT_EQ(w->findChild<QLabel *>("Status")->text(), "Connected to 127.0.0.1");
    EXPECT_EQ(w->remoteNames(), (QStringList{"kilo.htm", "mega.bin", "pics", "small.htm"}));
    EXPECT_EQ(cell("small.htm", 1), "1023 bytes");
    EXPECT_EQ(cell("kilo.htm", 1), "1.00KB");
    EXPECT_EQ(cell("mega.bin", 1), "1.00MB");
    EXPECT_EQ(cell("pics", 1), "");
    EXPECT_EQ(cell("pics", 2), "Directory");
    EXPECT_EQ(cell("kilo.htm", 2), "File");

    w->openRemote("pics");
    EXPECT_TRUE(w->remoteNames().isEmpty());
    EXPECT_FALSE(w->remoteNames().contains(".."));
    w->upOneLevel();
    // A file row tried as a folder: the same folder again, and the log has its line.
    w->openRemote("kilo.htm");
    EXPECT_EQ(w->remoteNames().size(), 4);
    EXPECT_TRUE(w->logText().endsWith("\n\nCWD kilo.htm"));

    w->disconnectFromServer();
    EXPECT_TRUE(w->remoteNames().isEmpty());
    EXPECT_TRUE(w->logText().endsWith("Disconnected from 127.0.0.1"));
}

TEST_F(SiteClientTest, AProfilesRemoteFolderIsWhereThePaneStarts)
{
    QDir(server.root()).mkpath("www");
    server.write("www/index.htm", "home");
    w->setConnection(connection("www"));
    w->connectToServer();
    EXPECT_EQ(w->remoteNames(), QStringList{"index.htm"});
}

TEST_F(SiteClientTest, PutFileUploadsAndGetFileDownloads)
{
    writeLocal("new.htm", "fresh");
    server.write("there.htm", "remote");
    w->setConnection(connection());
    w->connectToServer();
    ASSERT_TRUE(w->selectLocal("new.htm"));
    QAction *put = menuAction("&File", "&Put File");
    ASSERT_NE(put, nullptr);
    put->trigger();
    EXPECT_EQ(server.read("new.htm"), "fresh");
    EXPECT_EQ(w->remoteNames().count("new.htm"), 1);
    EXPECT_TRUE(w->logText().contains("Uploading " + local.filePath("new.htm")));
    EXPECT_EQ(w->findChild<QProgressBar *>("FileProgress")->value(), 100);

    ASSERT_TRUE(w->selectRemote("there.htm"));
    menuAction("&File", "&Get File")->trigger();
    QFile got(local.filePath("there.htm"));
    ASSERT_TRUE(got.open(QIODevice::ReadOnly));
    EXPECT_EQ(got.readAll(), "remote");
    EXPECT_TRUE(w->logText().contains("Getting there.htm"));
}

TEST_F(SiteClientTest, SmallDialogsRenameMakeFoldersAndGetUnseenFiles)
{
    server.write("old.htm", "x");
    QDir(server.root()).mkpath("secret");
    server.write("secret/hidden.htm", "unseen");
    w->setConnection(connection());
    w->connectToServer();

    NameDialog *rename = w->renameDialog();
    rename->show();
    rename->confirm();
    EXPECT_EQ(messages.texts(), QStringList{"Please enter a new filename."});
    EXPECT_TRUE(rename->isVisible());
    ASSERT_TRUE(w->selectRemote("old.htm"));
    rename->field()->setText("new.htm");
    rename->confirm();
    EXPECT_FALSE(rename->isVisible());
    EXPECT_EQ(server.read("new.htm"), "x");
    rename->show();
    EXPECT_TRUE(rename->field()->text().isEmpty()); // emptied on showing

    NameDialog *folder = w->newFolderDialog();
    folder->show();
    folder->field()->setText("made");
    folder->confirm();
    EXPECT_TRUE(QFileInfo(server.path("made")).isDir());
    EXPECT_EQ(w->remoteNames().count("made"), 1);
    folder->show();
    EXPECT_EQ(folder->field()->text(), "made"); // keeps its last text

    NameDialog *unseen = w->unseenDialog();
    unseen->show();
    unseen->field()->setText("/secret/hidden.htm");
    unseen->confirm();
    QFile got(local.filePath("hidden.htm"));
    ASSERT_TRUE(got.open(QIODevice::ReadOnly));
    EXPECT_EQ(got.readAll(), "unseen");
    // A failed transfer is told in the log, silent session or not.
    unseen->show();
    unseen->field()->setText("absent.htm");
    unseen->confirm();
    EXPECT_TRUE(w->logText().contains("remote file not found"));
    EXPECT_EQ(messages.shown.size(), 1); // only the empty-name error
}

TEST_F(SiteClientTest, GroupTransfersAndGroupDelete)
{
    writeLocal("a.htm", "A");
    writeLocal("b.htm", "B");
    w->setConnection(connection());
    w->connectToServer();
    GroupTransferDialog *group = w->groupDialog();
    group->show();
    group->confirm();
    EXPECT_EQ(messages.texts(), QStringList{"Please choose either upload or download"});
    group->uploadButton()->setChecked(true);
    group->confirm();
    EXPECT_FALSE(group->isVisible());
    EXPECT_EQ(w->remoteNames(), (QStringList{"a.htm", "b.htm"}));

    QFile::remove(local.filePath("a.htm"));
    group->show();
    EXPECT_FALSE(group->uploadButton()->isChecked()); // nothing chosen on showing
    group->downloadButton()->setChecked(true);
    group->confirm();
    EXPECT_TRUE(QFile::exists(local.filePath("a.htm")));

    messages.shown.clear();
    messages.answers = {QMessageBox::No};
    w->deleteGroup();
    EXPECT_EQ(w->remoteNames().size(), 2);
    messages.answers = {QMessageBox::Yes};
    w->deleteGroup();
    EXPECT_EQ(messages.texts(), (QStringList{"This will delete all files in the directory.\nDo you wish to continue?.",
                                             "This will delete all files in the directory.\nDo you wish to continue?.",
                                             "Files Deleted."}));
    EXPECT_TRUE(w->remoteNames().isEmpty());
}

TEST_F(SiteClientTest, ViewTypesCycleAndTheLogSaves)
{
    EXPECT_EQ(w->viewStyle(), SiteClientWindow::ViewStyle::Report);
    const SiteClientWindow::ViewStyle order[] = {
        SiteClientWindow::ViewStyle::LargeIcons, SiteClientWindow::ViewStyle::SmallIcons,
        SiteClientWindow::ViewStyle::List, SiteClientWindow::ViewStyle::Report};
    for (const auto style : order) {
        w->cycleViewStyle();
        EXPECT_EQ(w->viewStyle(), style);
    }
    auto *stack = w->findChild<QStackedWidget *>();
    EXPECT_EQ(stack->currentWidget()->objectName(), "RemoteReport");

    auto *types = w->findChild<QComboBox *>("TransferType");
    EXPECT_EQ(types->currentText(), "ASCII");
    EXPECT_EQ(w->session().TransferType, TFTPTransferType::ttAscii);
    types->setCurrentIndex(types->findText("Unknown"));
    EXPECT_EQ(w->session().TransferType, TFTPTransferType::ttUnknown);
    types->setCurrentIndex(types->findText("Binary"));
    EXPECT_EQ(w->session().TransferType, TFTPTransferType::ttBinary);

    w->setConnection(connection());
    w->connectToServer();
    test::FileDialogStandIn files;
    files.answers = {local.filePath("session.txt")};
    w->saveLog();
    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_EQ(files.requests[0].title, "Save Log to...");
    EXPECT_EQ(files.requests[0].defaultSuffix, "txt");
    QFile saved(local.filePath("session.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Connected to 127.0.0.1"));
}

} // namespace
