#include "settings/app_settings.h"
#include "settings/settings_store.h"
#include "common/temp_data.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(SettingsStore, KeepsTypedValuesAcrossReopening)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/cfg/user.reg"));
    {
        SettingsStore store(path);
        EXPECT_FALSE(store.existedAtOpen());
        SettingsKey key = store.open(QStringLiteral("Software\\Quenby\\Shared\\Highlighters\\HTML Document\\Comment"));
        key.setInteger(QStringLiteral("Foreground"), 0x00008000);
        key.setInteger(QStringLiteral("Background"), static_cast<qint32>(0x80000005));
        key.setText(QStringLiteral("Note"), QStringLiteral("quote \" back\\slash\r\nnext"));
        store.open(QStringLiteral("Software\\Quenby\\Tagloom 5\\Toolbars")); // an empty key persists too
    }
    SettingsStore store(path);
    EXPECT_TRUE(store.existedAtOpen());
    EXPECT_TRUE(store.loadProblem().isEmpty());
    const QString comment = QStringLiteral("software\\QUENBY\\shared\\highlighters\\html document\\comment");
    EXPECT_EQ(store.integer(comment, QStringLiteral("foreground")), 0x00008000);
    EXPECT_EQ(store.integer(comment, QStringLiteral("Background")), static_cast<qint32>(0x80000005));
    EXPECT_EQ(store.text(comment, QStringLiteral("Note")), QStringLiteral("quote \" back\\slash\r\nnext"));
    EXPECT_EQ(store.text(comment, QStringLiteral("Foreground")), QString()); // an integer is no text
    EXPECT_FALSE(store.integer(comment, QStringLiteral("Note")));
    EXPECT_TRUE(store.valueExists(comment, QStringLiteral("NOTE")));
    EXPECT_FALSE(store.valueExists(comment, QStringLiteral("Style")));
    EXPECT_TRUE(store.keyExists(QStringLiteral("Software\\Quenby\\Tagloom 5\\Toolbars")));
    EXPECT_EQ(store.subkeys(QStringLiteral("Software\\Quenby")), (QStringList{"Shared", "Tagloom 5"}));
    EXPECT_EQ(store.subkeys(QStringLiteral("Software\\Quenby\\Shared\\Highlighters")), QStringList{"HTML Document"});
}

TEST(SettingsStore, ReadOnlyStoreNeverWritesAndMissingKeysStayMissing)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/machine.reg"));
    test::writeBytes(path, "Tagloom Settings 1\n[Software\\A]\n\"\"=\"/usr/bin/a\"\nnot a line\n");
    SettingsStore store(path, SettingsStore::Access::ReadOnly);
    EXPECT_FALSE(store.loadProblem().isEmpty()); // the odd line is reported, the rest read
    EXPECT_EQ(store.text(QStringLiteral("Software\\A"), QString()), QStringLiteral("/usr/bin/a"));
    EXPECT_FALSE(store.openExisting(QStringLiteral("Software\\B")));
    EXPECT_FALSE(store.setText(QStringLiteral("Software\\A"), QStringLiteral("x"), QStringLiteral("y")));
    store.open(QStringLiteral("Software\\C"));
    EXPECT_FALSE(store.keyExists(QStringLiteral("Software\\C")));
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(test::readBytes(path), QByteArray("Tagloom Settings 1\n[Software\\A]\n\"\"=\"/usr/bin/a\"\nnot a line\n"));
}

TEST(AppSettings, EmptyStoreReadsAllOffAndGainsItsKeys)
{
    test::TempDataFolder folder(false);
    SettingsStore store(folder.file(QStringLiteral("/u.reg")));
    const AppSettings s = readAppSettings(store);
    EXPECT_FALSE(s.formatBar || s.codeController || s.gutter || s.insertMode || s.spellCheck);
    for (const QString &flag : paletteFlagNames())
        EXPECT_FALSE(s.paletteOn(flag));
    for (const QString &name : keyboardValueNames())
        EXPECT_TRUE(s.shortcut(name).isEmpty());
    EXPECT_TRUE(store.keyExists(QLatin1String(SettingsKeys::Keyboard)));
    EXPECT_TRUE(store.keyExists(QLatin1String(SettingsKeys::Tidy)));
    EXPECT_TRUE(store.keyExists(QLatin1String(SettingsKeys::Toolbars)));
    EXPECT_EQ(keyboardValueNames().size(), 25);
}

TEST(AppSettings, AnyNonEmptyFlagIsOnAndNumbersStayText)
{
    test::TempDataFolder folder(false);
    SettingsStore store(folder.file(QStringLiteral("/u.reg")));
    store.setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Format Bar"), QStringLiteral("False"));
    store.setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Gutter"), QStringLiteral("0"));
    store.setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Undo Limit"), QStringLiteral("lots"));
    store.setText(QLatin1String(SettingsKeys::Toolbars), QStringLiteral("PHP"), QString());
    store.setText(QLatin1String(SettingsKeys::Toolbars), QStringLiteral("WML"), QStringLiteral("True"));
    store.setText(QLatin1String(SettingsKeys::Keyboard), QStringLiteral("FindFirst"), QStringLiteral("F3"));
    const AppSettings s = readAppSettings(store);
    EXPECT_TRUE(s.formatBar);
    EXPECT_TRUE(s.gutter);
    EXPECT_EQ(s.undoLimit, QStringLiteral("lots"));
    EXPECT_EQ(numberSetting(s.undoLimit, 32767), 32767);
    EXPECT_EQ(numberSetting(QStringLiteral("12"), 0), 12);
    EXPECT_FALSE(s.paletteOn(QStringLiteral("PHP")));
    EXPECT_TRUE(s.paletteOn(QStringLiteral("WML")));
    EXPECT_EQ(s.shortcut(QStringLiteral("FindFirst")), QStringLiteral("F3"));
}

TEST(AppSettings, PaletteStateAndFirstRunValues)
{
    test::TempDataFolder folder(false);
    SettingsStore store(folder.file(QStringLiteral("/u.reg")));
    QMap<QString, bool> shown;
    for (const QString &flag : paletteFlagNames())
        shown.insert(flag, flag != QLatin1String("Frames"));
    writePaletteState(store, shown);
    const QString toolbars = QLatin1String(SettingsKeys::Toolbars);
    EXPECT_EQ(store.text(toolbars, QStringLiteral("Common")), QStringLiteral("True"));
    EXPECT_TRUE(store.valueExists(toolbars, QStringLiteral("Frames"))); // written empty, not deleted
    EXPECT_EQ(store.text(toolbars, QStringLiteral("Frames")), QString());

    test::TempDataFolder other(false);
    SettingsStore fresh(other.file(QStringLiteral("/u.reg")));
    writeFirstRunValues(fresh);
    const AppSettings s = readAppSettings(fresh);
    EXPECT_TRUE(s.formatBar && s.codeController && s.gutter && s.lineNumbers && s.autoIndent && s.insertMode &&
                s.autoComplete && s.inlineCoding && s.spellCheck);
    EXPECT_FALSE(s.dreamweaver);
    EXPECT_EQ(s.fontSize, QStringLiteral("10"));
    EXPECT_EQ(s.undoLimit, QStringLiteral("32767"));
    for (const QString &flag : paletteFlagNames())
        EXPECT_TRUE(s.paletteOn(flag));
    for (const QString &name : keyboardValueNames())
        EXPECT_FALSE(s.shortcut(name).isEmpty()) << name.toStdString();
}

} // namespace
