#pragma once
// The Preferences dialog: the user's editor for the settings store and the
// two completion lists. Every showing refills it from the settings in
// memory and the list files; OK writes everything back, reads all settings
// again and stores the colour scheme chosen on the Highlighting page.

#include "settings/app_settings.h"

#include <QDialog>
#include <QMap>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tagloom {

class HighlightingPage;
class ImportV4Dialog;
class KeystrokesPage;
class SettingsStore;

struct PreferencesHooks {
    SettingsStore *userStore = nullptr;
    const SettingsStore *machineStore = nullptr; // the earlier version's settings (may be null)
    QString dataFolder;
    std::function<AppSettings()> settings; // the settings in memory
    std::function<void()> readAllSettings;
};

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(PreferencesHooks hooks, QWidget *parent = nullptr);

    // ShowPreferences: the show step, then the dialog comes to the front.
    void showPreferences();
    void accept() override;

    QTabWidget *pages() const { return m_pages; }
    QCheckBox *flagBox(Setting setting) const { return m_flags.value(setting); }
    QString fieldText(Setting setting) const;
    void setFieldText(Setting setting, const QString &text);
    QLineEdit *imageEditorTitle() const { return m_imageEditorTitle; }
    QCheckBox *completionBox() const { return m_completion; }
    QPlainTextEdit *completionArea() const { return m_completionArea; }
    QCheckBox *inlineBox() const { return m_inline; }
    QPlainTextEdit *inlineArea() const { return m_inlineArea; }
    HighlightingPage *highlighting() const { return m_highlighting; }
    KeystrokesPage *keystrokes() const { return m_keystrokes; }
    QLabel *importLink() const { return m_importLink; }
    ImportV4Dialog *importDialog();
    // A Browse button of the Browsers page (0..2) or of the image editor (-1).
    QPushButton *browseButton(int row) const { return m_browse.value(row); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TextField {
        std::function<QString()> get;
        std::function<void(const QString &)> set;
    };
    QWidget *makeInterfacePage();
    QWidget *makeEditorPage();
    QWidget *makeProxiesPage();
    QWidget *makeBrowsersPage();
    QWidget *makeCodeloomPage();
    QWidget *makeTidyPage();
    QLineEdit *addLineField(Setting setting);
    QCheckBox *addFlag(Setting setting, const QString &caption, QWidget *parent);
    void chooseProgram(QLineEdit *field, bool clearRemembered);
    bool fillCompletionArea(const char *listPath, QPlainTextEdit *area);
    bool writeCompletionList(const char *listPath, const QPlainTextEdit *area);

    PreferencesHooks m_hooks;
    QTabWidget *m_pages = nullptr;
    QMap<Setting, QCheckBox *> m_flags;
    QMap<Setting, TextField> m_fields;
    QMap<int, QPushButton *> m_browse;
    QLineEdit *m_imageEditor = nullptr;
    QLineEdit *m_imageEditorTitle = nullptr;
    QCheckBox *m_completion = nullptr;
    QPlainTextEdit *m_completionArea = nullptr;
    QCheckBox *m_inline = nullptr;
    QPlainTextEdit *m_inlineArea = nullptr;
    HighlightingPage *m_highlighting = nullptr;
    KeystrokesPage *m_keystrokes = nullptr;
    QLabel *m_importLink = nullptr;
    ImportV4Dialog *m_import = nullptr;
    QString m_rememberedProgram; // the program chooser's last name
};

} // namespace tagloom
