#include "app/ui/help_commands.h"
#include "base/ui/command_registry.h"
#include "base/ui/system_open.h"
#include "common/ui/stand_ins.h"
#include "document/ui/documents.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class HelpCommandsTest : public ::testing::Test, public Documents {
protected:
    void SetUp() override
    {
        previous = setSystemOpenHandler([this](const QUrl &url) {
            opened.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
            return answer;
        });
        registerHelpCommands(registry, *this);
    }
    void TearDown() override { setSystemOpenHandler(std::move(previous)); }

    DocumentWindow *activeDocument() const override { return nullptr; }
    DocumentWindow *openDocumentFile(const QString &) override { return nullptr; }
    QWidget *dialogParent() override { return nullptr; }
    QString dataFolder() const override { return folder.path(); }

    test::TempDataFolder folder{false};
    test::MessageRecorder messages;
    CommandRegistry registry;
    QStringList opened;
    bool answer = true;
    SystemOpenHandler previous;
};

TEST_F(HelpCommandsTest, PagesOfTheDataFolderOpenOrSayTheyAreMissing)
{
    folder.write(QStringLiteral("/Help/index.htm"), "<p>guide</p>");
    registry.run(QStringLiteral("Help.Contents"));
    EXPECT_EQ(opened, QStringList{folder.path() + QStringLiteral("/Help/index.htm")});

    registry.run(QStringLiteral("Help.Reference")); // the main window's reference is not there
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("The reference files could not be found.\nPlease reinstall "
                                                           "the program, or contact\n Quenby for further help.")});
}

TEST_F(HelpCommandsTest, WebLinksLeadWhereTheirNamesSayOrReportAFailure)
{
    registry.run(QStringLiteral("Help.Web.Guide"));
    registry.run(QStringLiteral("Help.Web.Support"));
    ASSERT_EQ(opened.size(), 2);
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("/products/")));
    EXPECT_TRUE(opened[1].endsWith(QStringLiteral("/techsupport/")));
    answer = false;
    registry.run(QStringLiteral("Help.Web.Home"));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("The action failed.  Please try again.")});
}

} // namespace
