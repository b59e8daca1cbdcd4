#include "settings/app_settings.h"
#include "settings/settings_store.h"
#include "common/temp_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

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

// The file is the user's: a write changes the lines of the values it
// changes, adds new ones beside their key, and keeps every other byte.
TEST(SettingsStore, WritesKeepTheLinesAndBytesAroundTheirValues)
{
    const auto set = [](const char *key, const char *name, const char *value) {
        return [=](SettingsStore &s) { s.setText(QLatin1String(key), QLatin1String(name), QString::fromUtf8(value)); };
    };
    struct Row {
        const char *name;
        QByteArray before;
        std::function<void(SettingsStore &)> change;
        QByteArray after;
    } rows[] = {
        {"comment and unquoted value stay beside the changed value",
         "Tagloom Settings 1\n; my note\n[K]\n\"A\"=\"1\"\n\"B\"=unquoted\n", set("K", "A", "2"),
         "Tagloom Settings 1\n; my note\n[K]\n\"A\"=\"2\"\n\"B\"=unquoted\n"},
        {"a new value ends its key's lines, before the blank line",
         "[K]\n\"A\"=\"1\"\n; about K\n\n[L]\n", set("k", "C", "3"),
         "[K]\n\"A\"=\"1\"\n; about K\n\"C\"=\"3\"\n\n[L]\n"},
        {"a new key follows everything, garbage included",
         QByteArray("\x01\xff garbage\0bytes\nmore ]]\n", 25), set("K", "A", "1"),
         QByteArray("\x01\xff garbage\0bytes\nmore ]]\n", 25) + "\n[K]\n\"A\"=\"1\"\n"},
        {"a Latin-1 line keeps its bytes", "[K]\n\"Editor\"=\"/opt/caf\xe9\"\n\"A\"=\"1\"\n", set("K", "A", "2"),
         "[K]\n\"Editor\"=\"/opt/caf\xe9\"\n\"A\"=\"2\"\n"},
        {"CR LF lines keep their breaks", "[K]\r\n\"A\"=\"1\"\r\n", set("K", "B", "3"),
         "[K]\r\n\"A\"=\"1\"\r\n\"B\"=\"3\"\r\n"},
        {"a last line without a break stays without", "[K]\n\"A\"=\"1\"", set("K", "A", "2"), "[K]\n\"A\"=\"2\""},
        {"a value after a last line without a break", "[K]\n\"A\"=\"1\"", set("K", "B", "3"),
         "[K]\n\"A\"=\"1\"\n\"B\"=\"3\"\n"},
        {"the same value again writes nothing", "[k]\n\"a\"=\"1\"\n; x", set("K", "A", "1"), "[k]\n\"a\"=\"1\"\n; x"},
        {"of two spellings of a value the later counts and is rewritten", "[K]\n\"A\"=\"1\"\n\"a\"=\"2\"\n",
         set("K", "A", "3"), "[K]\n\"A\"=\"1\"\n\"a\"=\"3\"\n"},
        {"an integer value", "[K]\n\"C\"=dword:0000000a\n",
         [](SettingsStore &s) { s.setInteger(QStringLiteral("K"), QStringLiteral("C"), 11); },
         "[K]\n\"C\"=dword:0000000b\n"},
        {"an empty file gains the header", "", set("K", "A", "1"), "Tagloom Settings 1\n\n[K]\n\"A\"=\"1\"\n"},
    };
    for (const Row &r : rows) {
        test::TempDataFolder folder(false);
        const QString path = folder.file(QStringLiteral("/user.reg"));
        test::writeBytes(path, r.before);
        {
            SettingsStore store(path);
            r.change(store);
            EXPECT_TRUE(store.flush()) << r.name;
        }
        EXPECT_EQ(test::readBytes(path), r.after) << r.name;
    }
}

TEST(SettingsStore, EachLineIsReadAsUtf8OrElseLatin1)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/user.reg"));
    test::writeBytes(path, "[K]\n\"Latin\"=\"/opt/caf\xe9\"\n\"Utf\"=\"/opt/caf\xc3\xa9\"\n");
    SettingsStore store(path);
    EXPECT_EQ(store.text(QStringLiteral("K"), QStringLiteral("Latin")), QString::fromUtf8("/opt/caf\xc3\xa9"));
    EXPECT_EQ(store.text(QStringLiteral("K"), QStringLiteral("Utf")), QString::fromUtf8("/opt/caf\xc3\xa9"));
    EXPECT_TRUE(store.loadProblem().isEmpty());
}

// What a start and a close do to a store: read every setting, write the
// palette state.
void startAndClose(SettingsStore &store)
{
    readAppSettings(store);
    writePaletteState(store, {{QStringLiteral("Common"), true}});
    store.setText(QLatin1String(SettingsKeys::Root), QStringLiteral("Format Bar"), QStringLiteral("True"));
}

TEST(SettingsStore, FolderInThePlaceOfTheStoreIsReportedAndLeftAlone)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/user.reg"));
    ASSERT_TRUE(QDir().mkpath(path));
    SettingsStore store(path);
    EXPECT_TRUE(store.loadProblem().contains(path)) << store.loadProblem().toStdString();
    startAndClose(store);
    // The session still has its values; the disk never sees them.
    EXPECT_EQ(store.text(QLatin1String(SettingsKeys::Root), QStringLiteral("Format Bar")), QStringLiteral("True"));
    EXPECT_TRUE(store.flush());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(test::folderEntries(folder.path()), QStringList{QStringLiteral("user.reg")});
}

TEST(SettingsStore, StoreWithoutReadPermissionIsReportedAndLeftAlone)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads any file; the folder case covers this path";
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/user.reg"));
    const QByteArray bytes("[Software\\Quenby\\Tagloom 5]\n\"Gutter\"=\"True\"\n");
    test::writeBytes(path, bytes);
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    {
        SettingsStore store(path);
        EXPECT_FALSE(store.loadProblem().isEmpty());
        startAndClose(store);
        EXPECT_TRUE(store.flush());
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(test::readBytes(path), bytes);
}

TEST(AppSettings, EmptyStoreReadsAllOffAndGainsItsKeys)
{
    test::TempDataFolder folder(false);
    SettingsStore store(folder.file(QStringLiteral("/u.reg")));
    const AppSettings s = readAppSettings(store);
    for (const Setting flag : {Setting::FormatBar, Setting::CodeController, Setting::Gutter, Setting::InsertMode,
                               Setting::SpellCheck})
        EXPECT_FALSE(s.flag(flag));
    for (const QString &flag : paletteFlagNames())
        EXPECT_FALSE(s.paletteOn(flag));
    for (const QString &name : keyboardValueNames())
        EXPECT_TRUE(s.shortcut(name).isEmpty());
    EXPECT_TRUE(store.keyExists(QLatin1String(SettingsKeys::Keyboard)));
    EXPECT_TRUE(store.keyExists(QLatin1String(SettingsKeys::Tidy)));
    EXPECT_TRUE(store.keyExists(QLatin1String(SettingsKeys::Toolbars)));
    EXPECT_EQ(keyboardValueNames().size(), 25);
}

TEST(AppSettings, AnyNonEmptyFlagIsOnNumbersStayTextAndFallBackWhenUsed)
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
    EXPECT_TRUE(s.flag(Setting::FormatBar));
    EXPECT_TRUE(s.flag(Setting::Gutter));
    EXPECT_EQ(s.text(Setting::UndoLimit), QStringLiteral("lots"));
    EXPECT_EQ(s.number(Setting::UndoLimit), 32767);
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
    for (const Setting flag : {Setting::FormatBar, Setting::CodeController, Setting::Gutter, Setting::LineNumbers,
                               Setting::AutoIndent, Setting::InsertMode, Setting::AutoComplete, Setting::InlineCoding,
                               Setting::SpellCheck})
        EXPECT_TRUE(s.flag(flag)) << settingRows().at(settingIndex(flag)).name;
    EXPECT_FALSE(s.flag(Setting::Dreamweaver));
    EXPECT_FALSE(s.flag(Setting::SmartTabs));
    EXPECT_EQ(s.text(Setting::DefaultFont), QStringLiteral("Courier New"));
    EXPECT_EQ(s.text(Setting::FontSize), QStringLiteral("10"));
    EXPECT_EQ(s.text(Setting::UndoLimit), QStringLiteral("32767"));
    EXPECT_FALSE(fresh.valueExists(QLatin1String(SettingsKeys::Root), QStringLiteral("Proxy Address")));
    for (const QString &flag : paletteFlagNames())
        EXPECT_TRUE(s.paletteOn(flag));
    for (const QString &name : keyboardValueNames())
        EXPECT_FALSE(s.shortcut(name).isEmpty()) << name.toStdString();
}

// The parsed groups: what a document window and the browser menu get.
TEST(AppSettings, GroupsApplyFallbacksInOnePlace)
{
    struct Row {
        const char *name;
        const char *font, *size, *undo, *gutter, *spacing;
        const char *wantFont;
        int wantSize, wantUndo, wantGutter, wantSpacing;
    } rows[] = {
        {"absent", "", "", "", "", "", "Courier New", 10, 32767, 32, 0},
        {"unreadable", "Lucida Console", "twelve", "lots", "wide", "1.5", "Courier New", 10, 32767, 32, 0},
        {"as stored", "Terminal", "14", "100", "0", "-2", "Terminal", 14, 100, 0, -2},
        {"FixedSys as Preferences spells it", "FixedSys", " 8 ", "1", "40", "3", "Fixedsys", 8, 1, 40, 3},
    };
    for (const Row &r : rows) {
        AppSettings s;
        s.set(Setting::DefaultFont, QLatin1String(r.font));
        s.set(Setting::FontSize, QLatin1String(r.size));
        s.set(Setting::UndoLimit, QLatin1String(r.undo));
        s.set(Setting::GutterWidth, QLatin1String(r.gutter));
        s.set(Setting::ExtraLineSpacing, QLatin1String(r.spacing));
        const EditorSettings e = editorSettings(s);
        EXPECT_EQ(e.fontFamily, QLatin1String(r.wantFont)) << r.name;
        EXPECT_EQ(e.fontSize, r.wantSize) << r.name;
        EXPECT_EQ(e.undoLimit, r.wantUndo) << r.name;
        EXPECT_EQ(e.gutterWidth, r.wantGutter) << r.name;
        EXPECT_EQ(e.extraLineSpacing, r.wantSpacing) << r.name;
    }

    AppSettings s;
    s.set(Setting::Browser6, QStringLiteral("/usr/bin/b6"));
    s.set(Setting::Browser6Title, QStringLiteral("Six"));
    s.setFlag(Setting::MinimizeOnPreview, true);
    s.setShortcut(QStringLiteral("Save"), QStringLiteral("Ctrl+S"));
    s.setShortcut(QStringLiteral("No Such Value"), QStringLiteral("Ctrl+Q"));
    const BrowserSettings b = browserSettings(s);
    EXPECT_EQ(b.paths[2], QStringLiteral("/usr/bin/b6"));
    EXPECT_EQ(b.titles[2], QStringLiteral("Six"));
    EXPECT_TRUE(b.paths[1].isEmpty());
    EXPECT_TRUE(b.minimizeOnPreview);
    const EditorSettings e = editorSettings(s);
    EXPECT_EQ(e.shortcuts.value(QStringLiteral("Save")), QStringLiteral("Ctrl+S"));
    // Drawn layers need an element: none stored (or blanks) gives div.
    EXPECT_EQ(e.defaultLayerTag, QStringLiteral("div"));
    s.set(Setting::DefaultLayerTag, QStringLiteral("  "));
    EXPECT_EQ(editorSettings(s).defaultLayerTag, QStringLiteral("div"));
    s.set(Setting::DefaultLayerTag, QStringLiteral("layer"));
    EXPECT_EQ(editorSettings(s).defaultLayerTag, QStringLiteral("layer"));
    EXPECT_EQ(e.shortcuts.size(), 25);
}

// Every row is read and written by the same loop: what one writes, the
// other reads back, whatever key it lives in.
TEST(AppSettings, EveryRowRoundTripsThroughTheStore)
{
    test::TempDataFolder folder(false);
    const QString path = folder.file(QStringLiteral("/u.reg"));
    {
        SettingsStore store(path);
        const std::vector<SettingRow> &rows = settingRows();
        for (int i = 0; i < int(rows.size()); ++i)
            store.setText(QLatin1String(rows[i].key), QLatin1String(rows[i].name), QStringLiteral("v%1").arg(i));
        ASSERT_TRUE(store.flush());
    }
    SettingsStore reread(path);
    const AppSettings s = readAppSettings(reread);
    for (int i = 0; i < int(s.values().size()); ++i)
        EXPECT_EQ(s.values().at(i), QStringLiteral("v%1").arg(i)) << settingRows().at(i).name;
    EXPECT_EQ(s.text(Setting::PreformattedTags), QStringLiteral("v%1").arg(settingIndex(Setting::PreformattedTags)));
    EXPECT_EQ(settingIndex(SettingsKeys::Keyboard, QStringLiteral("findfirst")), settingIndex(SettingsKeys::Keyboard, QStringLiteral("FindFirst")));
    EXPECT_EQ(settingIndex(SettingsKeys::Root, QStringLiteral("V4 Done")), -1);
}

} // namespace
