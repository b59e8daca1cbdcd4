#pragma once
// "Other Content Wizards...": six pages of ready-made scripts and snippets.
// OK acts on the page showing: five put their lines below the caret line;
// "Bulleted List" turns its rich text into a page of its own in a new
// document window and leaves the active document alone.

#include "tags/content_markup.h"
#include "tags/ui/markup_dialog.h"

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;

namespace tagloom {

class ContentDialog : public MarkupDialog {
    Q_OBJECT
public:
    // `newEditor` makes a new HTML document window and gives its editor;
    // `dataFolder` holds the bulleted list's working file.
    ContentDialog(ActiveEditor activeEditor, ActiveEditor newEditor, QString dataFolder, QWidget *parent = nullptr);

    ContentPage currentPage() const;
    void showPage(ContentPage page);
    ContentFields fields() const;
    QTextEdit *richText() const { return m_richText; }
    // "Start Bullets": the paragraph at the cursor becomes a bulleted one.
    void startBullets();

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;
    void beforeMarkup() override;
    void afterInsert() override;
    EditorOperations *insertionTarget() override;

private:
    QWidget *browserPage();
    QWidget *screenSizesPage();
    QWidget *bulletedListPage();
    QWidget *locationPage();
    void browseInto(QLineEdit *field);

    ActiveEditor m_newEditor;
    QString m_dataFolder;
    QTabWidget *m_pages;
    QLineEdit *m_browserPrefix = nullptr;
    std::array<QRadioButton *, 4> m_browserTypes{};
    std::array<QLineEdit *, 3> m_urls{};
    QTextEdit *m_richText = nullptr;
    QLineEdit *m_locationPrefix = nullptr;
    QString m_lastBrowsed;
    // The bulleted list as converted when OK was pressed.
    Result<QString> m_bulletHtml = Result<QString>::success(QString());
};

} // namespace tagloom
