#pragma once
// "Import Tagloom 4 Settings...": which of the earlier version's settings to
// take over, once; a second import asks first.

#include <QDialog>

class QListWidget;

namespace tagloom {

class SettingsStore;

class ImportV4Dialog : public QDialog {
    Q_OBJECT
public:
    // `machine` (may be null) holds the earlier version's key.
    ImportV4Dialog(SettingsStore *user, const SettingsStore *machine, QWidget *parent = nullptr);

    QListWidget *items() const { return m_items; }
    // ShowImport: shows the dialog; after an earlier import it asks whether
    // to go on, and No hides it again.
    void showImport();
    void accept() override;

private:
    SettingsStore *m_user;
    const SettingsStore *m_machine;
    QListWidget *m_items = nullptr;
};

} // namespace tagloom
