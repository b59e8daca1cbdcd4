#include "base/ui/shortcut_text.h"
#include "common/temp_data.h"
#include "settings/app_settings.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

TEST(ShortcutText, NamesAndNonsense)
{
    const struct {
        const char *text;
        QKeySequence expected;
    } cases[] = {
        {"Ctrl+N", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"Shift+Ctrl+N", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_N)},
        {"Ctrl+Shift+Space", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Space)},
        {"Shift+Enter", QKeySequence(Qt::SHIFT | Qt::Key_Return)},
        {"Alt+X", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"F3", QKeySequence(Qt::Key_F3)},
        {"Ctrl+BkSp", QKeySequence(Qt::CTRL | Qt::Key_Backspace)},
        {"PgDn", QKeySequence(Qt::Key_PageDown)},
        {"Ins", QKeySequence(Qt::Key_Insert)},
        {"XExit", QKeySequence()},
        {"Hyper+N", QKeySequence()},
        {"", QKeySequence()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shortcutFromText(QLatin1String(c.text)), c.expected) << c.text;
}

TEST(ShortcutText, FirstRunShortcutsAllNameKeys)
{
    test::TempDataFolder folder(false);
    SettingsStore fresh(folder.file(QStringLiteral("/u.reg")));
    writeFirstRunValues(fresh);
    const AppSettings s = readAppSettings(fresh);
    for (const QString &name : keyboardValueNames())
        EXPECT_FALSE(shortcutFromText(s.shortcut(name)).isEmpty()) << name.toStdString();
}

TEST(ShortcutText, CapturedCombinationsGiveTheStoredTextsBack)
{
    const struct {
        QKeyCombination combination;
        const char *text;
    } cases[] = {
        {Qt::CTRL | Qt::SHIFT | Qt::Key_N, "Shift+Ctrl+N"},
        {Qt::ALT | Qt::CTRL | Qt::Key_F3, "Ctrl+Alt+F3"},
        {Qt::SHIFT | Qt::Key_Return, "Shift+Enter"},
        {Qt::CTRL | Qt::Key_Backspace, "Ctrl+BkSp"},
        {QKeyCombination(Qt::Key_PageDown), "PgDn"},
        {QKeyCombination(Qt::Key_Insert), "Ins"},
        {Qt::CTRL | Qt::Key_Delete, "Ctrl+Del"},
        {Qt::SHIFT | Qt::CTRL | Qt::Key_Space, "Shift+Ctrl+Space"},
        {Qt::CTRL | Qt::Key_Control, ""}, // a modifier alone is no shortcut
    };
    for (const auto &c : cases) {
        const QString text = shortcutToText(c.combination);
        EXPECT_EQ(text, QLatin1String(c.text));
        if (!text.isEmpty()) {
            EXPECT_EQ(shortcutFromText(text), QKeySequence(c.combination)) << c.text;
        }
    }
}

} // namespace
