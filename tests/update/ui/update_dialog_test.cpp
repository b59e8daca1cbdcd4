// The update dialog driven through its button against a real HTTP server on
// loopback: the panel's texts, the selection dialog and the hand-over.
#include "common/ui/stand_ins.h"
#include "update/file_version.h"
#include "update/loopback_http_server.h"
#include "update/ui/selection_dialog.h"
#include "update/ui/update_dialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tagloom;
using tagloom::test::LoopbackHttpServer;

namespace {

class UpdateDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_server = std::make_unique<LoopbackHttpServer>(); }
    static void TearDownTestSuite() { s_server.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_server->isUp());
        s_server->remove(QStringLiteral("tagloom501.inf"));
        // The control file and the updater go to the temporary folder.
        m_oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_temp.path().toLocal8Bit());
        UpdateDialogHooks hooks;
        hooks.server = [] { return s_server->server(); };
        hooks.runCommand = [this](const QString &line) { commands << line; };
        hooks.startUpdater = [this](const QString &line) {
            updaterLines << line;
            return true;
        };
        hooks.endProgram = [this] { ++ended; };
        dialog = std::make_unique<UpdateDialog>(std::move(hooks));
        QObject::connect(dialog.get(), &UpdateDialog::statusShown, [this](const QString &text) { shown << text; });
    }
    void TearDown() override { qputenv("TMPDIR", m_oldTmp); }

    void clickUpdate() { dialog->findChild<QPushButton *>(QStringLiteral("UpdateButton"))->click(); }
    QString panel() const { return dialog->findChild<QLabel *>(QStringLiteral("StatusPanel"))->text(); }

    static std::unique_ptr<LoopbackHttpServer> s_server;
    QTemporaryDir m_temp;
    QByteArray m_oldTmp;
    std::unique_ptr<UpdateDialog> dialog;
    QStringList shown, commands, updaterLines;
    int ended = 0;
};

std::unique_ptr<LoopbackHttpServer> UpdateDialogTest::s_server;

} // namespace

TEST_F(UpdateDialogTest, ShowsItsStartTextAndAMissingControlFile)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Update Tagloom 5.0"));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(panel(), QStringLiteral("Click \"Update...\" to begin."));
    EXPECT_EQ(dialog->findChild<QProgressBar *>()->maximum(), 100);

    clickUpdate();
    ASSERT_GE(shown.size(), 3);
    EXPECT_EQ(shown.mid(shown.size() - 3),
              (QStringList{QStringLiteral("Http status : 404"),
                           QStringLiteral("Update control file not found\nUpdate discontinued"),
                           QStringLiteral("Closed Internet connection")}));
    EXPECT_EQ(panel(), QStringLiteral("Closed Internet connection"));
    EXPECT_EQ(ended, 0);
}

TEST_F(UpdateDialogTest, NoNewVersionIsShownAsNotAvailable)
{
    s_server->put(QStringLiteral("tagloom501.inf"), "[update]\ndate=31/12/1979\n");
    clickUpdate();
    EXPECT_TRUE(shown.contains(QStringLiteral("No new version available")));
    EXPECT_FALSE(shown.contains(QStringLiteral("No new version found")));
}

TEST_F(UpdateDialogTest, CancelInTheSelectionDownloadsNothing)
{
    s_server->put(QStringLiteral("page.htm"), "page");
    s_server->put(QStringLiteral("tagloom501.inf"),
                  "[update]\nnewversion=\n[files]\ncount=1\n[file1]\ndescr=Page\nurl=" +
                      s_server->url(QStringLiteral("/page.htm")).toLatin1() + "\ntargetdir={TMP}/site\n"
                      "[action]\nrunafter=after\n");
    QStringList offered;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *selection = qobject_cast<SelectionDialog *>(QApplication::activeModalWidget())) {
            EXPECT_EQ(selection->windowTitle(), QStringLiteral("Selection"));
            offered = test::itemTexts(selection->findChild<QListWidget *>());
            selection->findChild<QPushButton *>(QStringLiteral("CancelButton"))->click();
        }
    });
    poll.start(10);
    clickUpdate(); // no question is asked: the message stand-in would fail the test
    EXPECT_EQ(offered, QStringList{QStringLiteral("Page")});
    EXPECT_FALSE(QFileInfo::exists(m_temp.filePath(QStringLiteral("site/page.htm"))));
    EXPECT_EQ(commands, QStringList{QStringLiteral("after")});
}

TEST_F(UpdateDialogTest, RestartHandsOverToTheCarriedUpdater)
{
    s_server->put(QStringLiteral("tagloom501.inf"),
                  "[update]\ndate=02/01/1980\n[application]\nappupdate=1\nappname=/opt/tagloom/tagloom\n"
                  "appcomps={TMP}/tagloom\n");
    test::MessageRecorder messages;
    clickUpdate();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Shutting down application to update executable files ?")});
    ASSERT_EQ(updaterLines.size(), 1);
    const QString updater = m_temp.filePath(QStringLiteral("upd.exe"));
    EXPECT_EQ(updaterLines.first(), updater + QLatin1Char(' ') + QString::number(QCoreApplication::applicationPid()) +
                                        QStringLiteral(" \"/opt/tagloom/tagloom\" ") + m_temp.path() +
                                        QStringLiteral("/tagloom"));
    EXPECT_TRUE(QFileInfo(updater).isExecutable());
    EXPECT_FALSE(QFileInfo::exists(m_temp.filePath(QStringLiteral("upd.ex_"))));
    // The expanded updater is our own, with its version.
    const FileVersion version = fileVersion(updater, QString());
    EXPECT_EQ(version.high, makeVersion(5, 0, 0, 0).high);
    EXPECT_EQ(ended, 1);
}

TEST_F(UpdateDialogTest, NoToTheRestartQuestionKeepsTheProgram)
{
    s_server->put(QStringLiteral("tagloom501.inf"),
                  "[update]\ndate=02/01/1980\n[application]\nappupdate=1\nappname=/opt/tagloom/tagloom\n");
    test::MessageRecorder messages;
    messages.answers = {QMessageBox::No};
    clickUpdate();
    EXPECT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(updaterLines.isEmpty());
    EXPECT_EQ(ended, 0);
}
