#pragma once
// "New Items": the page templates of the data folder, plus the Skeletons and
// Examples pages. A hidden singleton; every show re-reads the templates
// folder, so templates added while the program runs appear next time.

#include <QDialog>
#include <functional>

class QListWidget;
class QTabWidget;

namespace tagloom {

class NewItemsDialog : public QDialog {
    Q_OBJECT
public:
    // `openTemplate` gets the full path of a double-clicked template.
    NewItemsDialog(QString dataFolder, std::function<void(const QString &)> openTemplate,
                   QWidget *parent = nullptr);

    QString templatesFolder() const;

    QTabWidget *pages() const { return m_pages; }
    QListWidget *templateList() const { return m_templates; }
    QListWidget *exampleFiles() const { return m_exampleFiles; }
    QListWidget *categoryList() const { return m_categories; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildExamplesPage();
    void refreshTemplates();
    void refreshExamples();
    void openTemplateItem(const QString &name);

    QString m_dataFolder;
    std::function<void(const QString &)> m_openTemplate;
    QTabWidget *m_pages = nullptr;
    QListWidget *m_templates = nullptr;
    QListWidget *m_categories = nullptr;
    QListWidget *m_exampleFiles = nullptr;
};

} // namespace tagloom
