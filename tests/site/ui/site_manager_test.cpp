#include "site/ui/site_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace tagloom;
using test::SiteFixture;

namespace {

class SiteManagerTest : public SiteFixture {
protected:
    void type(SiteManagerWindow *w, const char *field, const QString &text)
    {
        auto *edit = w->findChild<QLineEdit *>(QLatin1String(field));
        ASSERT_NE(edit, nullptr) << field;
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    QString text(SiteManagerWindow *w, const char *field)
    {
        return w->findChild<QLineEdit *>(QLatin1String(field))->text();
    }
    QString projects() const { return folder.path() + "/Projects"; }
    void writeProfile(const QString &name, const QByteArray &bytes)
    {
        QFile file(projects() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList listed(SiteManagerWindow *w) { return test::itemTexts(w->findChild<QListWidget *>("ProfileList")); }
};

TEST_F(SiteManagerTest, SavesANewProfileUnderItsName)
{
    SiteManagerWindow *w = manager();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Pathloom Site Manager");
    EXPECT_TRUE(QFileInfo(projects()).isDir()); // made when missing

    w->saveProfile(); // nothing changed: not even the empty-name message
    EXPECT_TRUE(messages.shown.isEmpty());
    type(w, "Edit974", "ftp.example.com");
    w->saveProfile();
    ASSERT_EQ(messages.texts(), QStringList{"Please specify a filename in the \"Profile Name\" box.\nUse only basic "
                                            "letters and numbers, without periods, commas and so on."});
    EXPECT_TRUE(w->isModified());

    type(w, "Edit971", "mysite");
    w->saveProfile();
    QFile saved(projects() + "/mysite.tlp");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    ASSERT_EQ(lines.size(), 5); // four lines, each ended
    EXPECT_EQ(lines[1], "<FTPADMIN USERNAME=\"\" PASSWORD=\"\">\r");
    EXPECT_EQ(lines[2], "<FTPSERVR SERVERPORT=\"\" SERVERADDR=\"ftp.example.com\">\r");
    EXPECT_FALSE(w->isModified());
    EXPECT_EQ(listed(w), QStringList{"mysite.tlp"});
    EXPECT_TRUE(w->currentProfilePath().isEmpty()); // a new profile keeps deriving its file name
}

TEST_F(SiteManagerTest, LoadingAsksToSaveOnlyAfterAnEdit)
{
    QDir().mkpath(projects());
    writeProfile("a.tlp", "<ftpservr serveraddr=\"a.example.com\"><FTPADMIN USERNAME=\"ann\">");
    writeProfile("b.tlp", "<FTPSERVR SERVERADDR=\"b.example.com\">");
    SiteManagerWindow *w = manager();
    EXPECT_EQ(listed(w), (QStringList{"a.tlp", "b.tlp"}));

    w->loadClicked(projects() + "/a.tlp");
    EXPECT_EQ(text(w, "Edit974"), "a.example.com");
    EXPECT_EQ(text(w, "Edit971"), projects() + "/a.tlp");
    w->loadClicked(projects() + "/b.tlp");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(text(w, "Edit974"), "b.example.com");
    EXPECT_EQ(text(w, "Edit976"), "ann"); // b names no user: the field keeps its text

    QTest::keyClicks(w->findChild<QLineEdit *>("Edit973"), "x");
    messages.answers = {QMessageBox::Cancel};
    w->loadClicked(projects() + "/a.tlp");
    EXPECT_EQ(messages.texts(), QStringList{"Do you wish to save current profile?"});
    EXPECT_EQ(text(w, "Edit974"), "b.example.com");
    messages.answers = {QMessageBox::Yes};
    w->loadClicked(projects() + "/a.tlp");
    EXPECT_EQ(text(w, "Edit974"), "a.example.com");
    QFile b(projects() + "/b.tlp");
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_TRUE(b.readAll().startsWith("<PROJECT OWNER=\"x\"")); // saved to the loaded file
}

TEST_F(SiteManagerTest, DeleteRemovesTheSelectedProfileAndEmptiesTheFields)
{
    QDir().mkpath(projects());
    writeProfile("gone.tlp", "<FTPSERVR SERVERADDR=\"x\">");
    SiteManagerWindow *w = manager();
    w->loadClicked(projects() + "/gone.tlp");
    auto *list = w->findChild<QListWidget *>("ProfileList");
    list->setCurrentRow(0);
    w->deleteProfile();
    EXPECT_FALSE(QFile::exists(projects() + "/gone.tlp"));
    EXPECT_TRUE(listed(w).isEmpty());
    EXPECT_EQ(text(w, "Edit974"), "");
    EXPECT_TRUE(w->currentProfilePath().isEmpty());
}

TEST_F(SiteManagerTest, LoadHandsTheProfileToTheClient)
{
    SiteManagerWindow *w = manager();
    w->handOnProfile();
    EXPECT_EQ(messages.texts(), (QStringList{"You did not give a username.\nUsing anonymous instead.",
                                             "You did not give a password.\nUsing anonymous instead.",
                                             "You must specify an FTP server."}));
    EXPECT_TRUE(w->isVisible());

    messages.shown.clear();
    type(w, "Edit974", "127.0.0.1");
    type(w, "Edit976", "ann");
    type(w, "Edit977", "pw");
    type(w, "Edit975", "twenty-one");
    w->handOnProfile();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(w->isVisible());

    messages.shown.clear();
    QTemporaryDir site;
    type(w, "Edit975", "");
    type(w, "Edit972", site.path());
    w->handOnProfile();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(w->isVisible());
    auto *c = window<SiteClientWindow>("TForm5");
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->localFolder(), site.path());
}

TEST_F(SiteManagerTest, TheLoadedProfileIsTheOpenSiteUntilANewOne)
{
    QDir().mkpath(projects());
    writeProfile("a.tlp", "<PROJECT OWNER=\"x\" DIRECTORY=\"/w/site-a\">");
    writeProfile("b.tlp", "<PROJECT OWNER=\"y\" DIRECTORY=\"/w/site-b\">");
    SiteManagerWindow *w = manager();
    EXPECT_EQ(openSiteFolder(), QString());
    w->loadClicked(projects() + "/a.tlp");
    EXPECT_EQ(openSiteFolder(), "/w/site-a");
    w->loadClicked(projects() + "/b.tlp");
    EXPECT_EQ(openSiteFolder(), "/w/site-b");
    w->newProfile();
    EXPECT_EQ(openSiteFolder(), QString());
}

} // namespace
