#include "settings/v4_import.h"

#include "common/temp_data.h"
#include "settings/setting_rows.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

class V4ImportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString key = QStringLiteral("Software\\Quenby\\Tagloom 4");
        machineWrite.setText(key, QStringLiteral("autoindent"), QStringLiteral("true"));
        machineWrite.setText(key, QStringLiteral("codecontrol"), QStringLiteral("True"));
        machineWrite.setText(key, QStringLiteral("dream"), QStringLiteral("TRUE"));
        machineWrite.setText(key, QStringLiteral("gutter"), QStringLiteral("true"));
        machineWrite.setText(key, QStringLiteral("showlineno"), QStringLiteral("false"));
        machineWrite.setText(key, QStringLiteral("smarttabs"), QStringLiteral("true"));
        machineWrite.setText(key, QStringLiteral("editor_font"), QStringLiteral("Courier New"));
        machineWrite.setText(key, QStringLiteral("font_size"), QStringLiteral("12pt"));
        machineWrite.setText(key, QStringLiteral("iedit"), QStringLiteral("/usr/bin/gimp"));
        machineWrite.setText(key, QStringLiteral("analysis"), QStringLiteral("true"));
        ASSERT_TRUE(machineWrite.flush());
    }
    QString root(const char *name) const { return user.text(QLatin1String(SettingsKeys::Root), QLatin1String(name)); }
    bool has(const char *name) const { return user.valueExists(QLatin1String(SettingsKeys::Root), QLatin1String(name)); }

    test::TempDataFolder folder{false};
    SettingsStore machineWrite{folder.file(QStringLiteral("/machine.reg"))};
    SettingsStore user{folder.file(QStringLiteral("/user.reg"))};
};

TEST_F(V4ImportTest, OnlyExactLowerCaseTrueTurnsAFlagOnAndTextsComeAsRead)
{
    SettingsStore machine(folder.file(QStringLiteral("/machine.reg")), SettingsStore::Access::ReadOnly);
    std::array<bool, V4ImportItemCount> ticked;
    ticked.fill(true);
    importV4Settings(&machine, user, ticked);
    const std::pair<const char *, const char *> expected[] = {
        {"Auto Indent", "True"},   {"Code Controller", ""},     {"Dreamweaver", ""},
        {"Gutter", "True"},        {"Line Numbers", ""},        {"Smart Tabs", "True"},
        {"Default Font", "Courier New"}, {"Font Size", "12pt"}, {"Image Editor", "/usr/bin/gimp"},
        {"V4 Done", "True"},
    };
    for (const auto &[name, value] : expected) {
        EXPECT_TRUE(has(name)) << name;
        EXPECT_EQ(root(name), QLatin1String(value)) << name;
    }
    EXPECT_FALSE(has("analysis"));
    EXPECT_TRUE(v4AlreadyImported(user));
}

TEST_F(V4ImportTest, UntickedItemsAreLeftAloneAndDoneIsWrittenAnyway)
{
    SettingsStore machine(folder.file(QStringLiteral("/machine.reg")), SettingsStore::Access::ReadOnly);
    user.setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Default Font"), QStringLiteral("Arial"));
    std::array<bool, V4ImportItemCount> ticked{};
    ticked[1] = true; // Auto-Indent only
    importV4Settings(&machine, user, ticked);
    EXPECT_EQ(root("Auto Indent"), QStringLiteral("True"));
    EXPECT_EQ(root("Default Font"), QStringLiteral("Arial"));
    EXPECT_FALSE(has("Smart Tabs"));
    EXPECT_EQ(root("V4 Done"), QStringLiteral("True"));

    SettingsStore fresh(folder.file(QStringLiteral("/fresh.reg")));
    EXPECT_FALSE(v4AlreadyImported(fresh));
    importV4Settings(nullptr, fresh, {});
    EXPECT_TRUE(v4AlreadyImported(fresh));
}

TEST_F(V4ImportTest, AMissingEarlierKeyWritesTickedFlagsOffAndTextsEmpty)
{
    SettingsStore machine(folder.file(QStringLiteral("/none.reg")), SettingsStore::Access::ReadOnly);
    user.setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Gutter"), QStringLiteral("True"));
    std::array<bool, V4ImportItemCount> ticked;
    ticked.fill(true);
    importV4Settings(&machine, user, ticked);
    EXPECT_TRUE(has("Gutter"));
    EXPECT_EQ(root("Gutter"), QString());
    EXPECT_TRUE(has("Image Editor"));
    EXPECT_EQ(root("Image Editor"), QString());
    // "Done" counts only the exact text.
    user.setText(QLatin1String(SettingsKeys::Root), QStringLiteral("V4 Done"), QStringLiteral("true"));
    EXPECT_FALSE(v4AlreadyImported(user));
}

} // namespace
