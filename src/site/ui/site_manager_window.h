#pragma once
// "Pathloom Site Manager": edits, saves and deletes the site profiles of
// the data folder's Projects folder, and hands the one being edited to the
// site client ("Load...").

#include "site/site_profile.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tagloom {

class SiteManagerWindow : public QWidget {
    Q_OBJECT
public:
    // `handOn` receives the connection data of "Load...".
    SiteManagerWindow(QString dataFolder, std::function<void(const SiteConnection &)> handOn,
                      QWidget *parent = nullptr);

    bool isModified() const { return m_modified; }
    QString currentProfilePath() const { return m_currentPath; }
    QString profilesFolder() const;

    void newProfile();
    void saveProfile();
    void deleteProfile();
    void loadClicked(const QString &path);
    void handOnProfile();
    void refreshList();

signals:
    // The local folder of the profile now open (loaded, or handed to the
    // site client); empty once none is.
    void siteOpened(const QString &localFolder);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *addField(QWidget *page, const char *name, const QString &label);
    SiteProfile fields() const;
    void setFields(const SiteProfile &profile);
    void clearFields();
    // The save question; false when the user cancelled or the save failed.
    bool saveFirstIfWanted();
    void load(const QString &path);

    QString m_dataFolder;
    std::function<void(const SiteConnection &)> m_handOn;
    QLineEdit *m_name = nullptr;
    QList<std::pair<QLineEdit *, QString SiteProfile::*>> m_fields;
    QListWidget *m_list = nullptr;
    bool m_modified = false;
    QString m_currentPath;
};

} // namespace tagloom
