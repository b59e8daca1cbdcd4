#include "site/ui/site_manager_window.h"
#include "base/file_io.h"
#include "base/ui/messages.h"

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tagloom {

namespace {

struct FieldRow {
    int page;
    const char *name;
    const char *label;
    QString SiteProfile::*field; // nullptr for the profile name
};

const FieldRow Fields[] = {
    {0, "Edit971", "Profile Name: (Only a-z, A-Z and 0-9 characters)", nullptr},
    {0, "Edit972", "Files Location (eg. C:\\myfiles):", &SiteProfile::filesLocation},
    {0, "Edit973", "Author:", &SiteProfile::author},
    {1, "Edit974", "FTP Server:", &SiteProfile::ftpServer},
    {1, "Edit975", "FTP Server Port:", &SiteProfile::ftpServerPort},
    {1, "Edit976", "FTP Username:", &SiteProfile::ftpUsername},
    {1, "Edit977", "FTP Password:", &SiteProfile::ftpPassword},
    {1, "Edit978", "FTP Directory:", &SiteProfile::ftpDirectory},
    {1, "Edit979", "FTP Server Timeout:", &SiteProfile::ftpServerTimeout},
};

const QString SaveQuestion = QStringLiteral("Do you wish to save current profile?");

} // namespace

SiteManagerWindow::SiteManagerWindow(QString dataFolder, std::function<void(const SiteConnection &)> handOn,
                                     QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_dataFolder(std::move(dataFolder)), m_handOn(std::move(handOn))
{
    setObjectName(QStringLiteral("TForm40"));
    setWindowTitle(QStringLiteral("Pathloom Site Manager"));
    auto *tabs = new QTabWidget;
    QWidget *pages[] = {new QWidget, new QWidget};
    for (QWidget *page : pages)
        page->setLayout(new QVBoxLayout);
    tabs->addTab(pages[0], QStringLiteral("Local Files"));
    tabs->addTab(pages[1], QStringLiteral("FTP Configuration"));
    for (const FieldRow &row : Fields) {
        QLineEdit *edit = addField(pages[row.page], row.name, QString::fromUtf8(row.label));
        if (row.field == &SiteProfile::ftpPassword)
            edit->setEchoMode(QLineEdit::Password);
        if (row.field)
            m_fields.append({edit, row.field});
        else
            m_name = edit;
    }
    for (QWidget *page : pages)
        static_cast<QVBoxLayout *>(page->layout())->addStretch();

    auto *group = new QGroupBox(QStringLiteral("Projects Available:"));
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("ProfileList"));
    (new QVBoxLayout(group))->addWidget(m_list);
    const auto loadItem = [this](QListWidgetItem *item) { loadClicked(item->data(Qt::UserRole).toString()); };
    connect(m_list, &QListWidget::itemClicked, this, loadItem);
    connect(m_list, &QListWidget::itemDoubleClicked, this, loadItem);

    auto *buttons = new QHBoxLayout;
    const std::pair<const char *, void (SiteManagerWindow::*)()> actions[] = {
        {"&New", &SiteManagerWindow::newProfile},     {"&Save", &SiteManagerWindow::saveProfile},
        {"&Delete", &SiteManagerWindow::deleteProfile}, {"&Load...", &SiteManagerWindow::handOnProfile},
        {"E&xit", nullptr}};
    for (const auto &[caption, slot] : actions) {
        auto *button = new QPushButton(QString::fromUtf8(caption));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        if (slot)
            connect(button, &QPushButton::clicked, this, slot);
        else
            connect(button, &QPushButton::clicked, this, &QWidget::hide);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

QLineEdit *SiteManagerWindow::addField(QWidget *page, const char *name, const QString &label)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    // Only the user's own edits make the profile modified.
    connect(edit, &QLineEdit::textEdited, this, [this] { m_modified = true; });
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    layout->addWidget(new QLabel(label));
    layout->addWidget(edit);
    return edit;
}

QString SiteManagerWindow::profilesFolder() const
{
    const Result<QString> folder = tagloom::profilesFolder(m_dataFolder);
    return folder ? *folder : m_dataFolder + QLatin1String(ProfilesFolder);
}

void SiteManagerWindow::showEvent(QShowEvent *event)
{
    refreshList();
    QWidget::showEvent(event);
}

void SiteManagerWindow::refreshList()
{
    const Result<QString> folder = tagloom::profilesFolder(m_dataFolder);
    m_list->clear();
    if (!folder)
        return;
    QFileIconProvider icons;
    const QFileInfoList files =
        QDir(*folder).entryInfoList({QStringLiteral("*") + QLatin1String(ProfileSuffix)}, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        auto *item = new QListWidgetItem(icons.icon(file), file.fileName(), m_list);
        item->setData(Qt::UserRole, file.absoluteFilePath());
    }
}

SiteProfile SiteManagerWindow::fields() const
{
    SiteProfile profile;
    for (const auto &[edit, field] : m_fields)
        profile.*field = edit->text();
    return profile;
}

void SiteManagerWindow::setFields(const SiteProfile &profile)
{
    for (const auto &[edit, field] : m_fields)
        edit->setText(profile.*field);
}

void SiteManagerWindow::clearFields()
{
    m_name->clear();
    setFields(SiteProfile());
    m_modified = false;
    m_currentPath.clear();
    emit siteOpened(QString());
}

bool SiteManagerWindow::saveFirstIfWanted()
{
    if (!m_modified)
        return true;
    switch (showMessage(this, MessageKind::Question, QString(), SaveQuestion,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        saveProfile();
        return !m_modified;
    case QMessageBox::No: return true;
    default: return false;
    }
}

void SiteManagerWindow::loadClicked(const QString &path)
{
    if (saveFirstIfWanted())
        load(path);
}

void SiteManagerWindow::load(const QString &path)
{
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes) {
        showMessage(this, MessageKind::Error, QString(), bytes.error);
        return;
    }
    m_currentPath = path;
    m_name->setText(path);
    // Fields the file does not name keep their text.
    SiteProfile profile = fields();
    readProfileInto(*bytes, profile);
    setFields(profile);
    m_modified = false;
    emit siteOpened(profile.filesLocation);
}

void SiteManagerWindow::newProfile()
{
    if (saveFirstIfWanted())
        clearFields();
}

void SiteManagerWindow::saveProfile()
{
    if (!m_modified)
        return;
    if (m_name->text().isEmpty()) {
        QApplication::beep();
        showMessage(this, MessageKind::Information, QString(),
                    QStringLiteral("Please specify a filename in the \"Profile Name\" box.\nUse only basic letters "
                                   "and numbers, without periods, commas and so on."));
        return;
    }
    const QString path = !m_currentPath.isEmpty()
                             ? m_currentPath
                             : profilesFolder() + QLatin1Char('/') + m_name->text() + QLatin1String(ProfileSuffix);
    if (const Status written = writeProfileFile(path, fields()); !written) {
        showMessage(this, MessageKind::Error, QString(), written.error);
        return;
    }
    m_modified = false;
    refreshList();
}

void SiteManagerWindow::deleteProfile()
{
    if (QListWidgetItem *item = m_list->currentItem())
        QFile::remove(item->data(Qt::UserRole).toString());
    refreshList();
    clearFields();
}

void SiteManagerWindow::handOnProfile()
{
    const SiteConnectionResult result = connectionFromProfile(fields());
    for (const QString &warning : result.warnings)
        showMessage(this, MessageKind::Warning, QString(), warning);
    if (!result.error.isEmpty()) {
        showMessage(this, MessageKind::Error, QString(), result.error);
        return;
    }
    emit siteOpened(result.connection.localDir);
    if (m_handOn)
        m_handOn(result.connection);
    hide();
}

} // namespace tagloom
