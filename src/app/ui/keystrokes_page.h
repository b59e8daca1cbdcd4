#pragma once
// Preferences' Keystrokes page: the stored shortcut of a menu command is
// shown on double-click; a captured key combination is written, in its text
// form, under the selected command when "Click to Activate" is pressed.

#include <QWidget>

class QKeySequenceEdit;
class QLabel;
class QListWidget;
class QPushButton;

namespace tagloom {

class SettingsStore;

class KeystrokesPage : public QWidget {
    Q_OBJECT
public:
    explicit KeystrokesPage(SettingsStore *store, QWidget *parent = nullptr);

    QListWidget *commandList() const { return m_commands; }
    QLabel *currentShortcut() const { return m_current; }
    QKeySequenceEdit *capture() const { return m_capture; }
    QPushButton *activateButton() const { return m_activate; }

    // Double-click on the selected command.
    void showCurrent();
    // "Click to Activate".
    void activate();

private:
    QString valueName() const; // the selected command's stored name; empty when none

    SettingsStore *m_store;
    QListWidget *m_commands = nullptr;
    QLabel *m_current = nullptr;
    QKeySequenceEdit *m_capture = nullptr;
    QPushButton *m_activate = nullptr;
};

} // namespace tagloom
