#include "base/data_folder.h"
#include "codetools/ui/analysis_window.h"
#include "common/temp_data.h"
#include "settings/setting_rows.h"
#include "settings/settings_store.h"

#include <QComboBox>
#include <QFile>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

QStringList messages(const AnalysisWindow &window)
{
    QStringList out;
    for (int r = 0; r < window.results()->rowCount(); ++r)
        out << window.results()->item(r, 1)->text();
    return out;
}

// The window's settings kept in `store`, as the main window keeps them.
AnalysisSettingsHooks hooksOver(SettingsStore &store)
{
    return {[&store] { return readAppSettings(store); },
            [&store](Setting setting, const QString &stored) { storeValue(store, setting, stored); }};
}

class AnalysisWindowTest : public ::testing::Test {
protected:
    AnalysisWindowTest()
    {
        QFile shipped(QStringLiteral(TAGLOOM_SOURCE_DATA_DIR) + QLatin1String(DataPath::Html5Rules));
        EXPECT_TRUE(shipped.open(QIODevice::ReadOnly));
        data.write(QLatin1String(DataPath::Html5Rules), shipped.readAll());
        data.write(QLatin1String(DataPath::AnalysisWork), "<section data-id=1 foo><center>");
    }
    QString storedRules() const
    {
        return SettingsStore(settingsPath, SettingsStore::Access::ReadOnly)
            .text(QLatin1String(SettingsKeys::Root), QStringLiteral("Analysis Rules"));
    }

    test::TempDataFolder data{false};
    QString settingsPath = data.file(QStringLiteral("/settings.reg"));
};

TEST_F(AnalysisWindowTest, RulesChoiceRerunsAndIsRemembered)
{
    const QStringList html4 = {QStringLiteral("SUPERCEEDED/DISCONTINUED: <CENTER>")};
    const QStringList html5 = {QStringLiteral("UNKNOWN PROPERTY: FOO IN <SECTION>"),
                               QStringLiteral("SUPERCEEDED/DISCONTINUED: <CENTER>")};
    {
        SettingsStore store(settingsPath);
        AnalysisWindow window(data.path(), hooksOver(store));
        EXPECT_EQ(window.rulesBox()->currentText(), QStringLiteral("HTML 4")); // nothing stored yet
        window.show();
        EXPECT_EQ(messages(window), html4);

        window.rulesBox()->setCurrentText(QStringLiteral("HTML 5"));
        EXPECT_EQ(messages(window), html5);
        EXPECT_EQ(storedRules(), QStringLiteral("HTML 5"));
    }
    {
        SettingsStore store(settingsPath);
        AnalysisWindow window(data.path(), hooksOver(store));
        EXPECT_EQ(window.rulesBox()->currentText(), QStringLiteral("HTML 5"));
        window.show();
        EXPECT_EQ(messages(window), html5);
        window.rulesBox()->setCurrentText(QStringLiteral("HTML 4"));
        EXPECT_EQ(messages(window), html4);
    }
    EXPECT_EQ(storedRules(), QStringLiteral("HTML 4"));
}

TEST_F(AnalysisWindowTest, StoredNonsenseMeansHtml4AndNoStoreStillWorks)
{
    {
        SettingsStore store(settingsPath);
        store.setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Analysis Rules"), QStringLiteral("XHTML 2"));
        AnalysisWindow window(data.path(), hooksOver(store));
        EXPECT_EQ(window.rulesBox()->currentText(), QStringLiteral("HTML 4"));
    }
    AnalysisWindow window(data.path());
    window.show();
    window.rulesBox()->setCurrentText(QStringLiteral("HTML 5"));
    EXPECT_EQ(messages(window).size(), 2);
}

TEST_F(AnalysisWindowTest, MissingTableIsShownAsAFinding)
{
    QFile::remove(data.file(QLatin1String(DataPath::Html5Rules)));
    AnalysisWindow window(data.path());
    window.rulesBox()->setCurrentText(QStringLiteral("HTML 5"));
    window.show();
    ASSERT_EQ(window.results()->rowCount(), 1);
    EXPECT_TRUE(messages(window).first().startsWith(QStringLiteral("The HTML 5 table could not be read")));
    EXPECT_EQ(window.results()->item(0, 2)->text(), QStringLiteral("Error"));
}

} // namespace
