#pragma once
// The side-panel window ("Code Controller"): tabbed pages of ready-made
// vocabulary. Each page puts its chosen entry on a new line below the caret
// line of the active document window.

#include "vocabulary/vocabulary_tables.h"

#include <QDockWidget>
#include <functional>

class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;
class QTabWidget;
class QTreeWidget;

namespace tagloom {

class EditorOperations;

class SidePanel : public QDockWidget {
    Q_OBJECT
public:
    // `activeEditor` gives the active document's editor, or nullptr.
    SidePanel(std::function<EditorOperations *()> activeEditor, QWidget *parent = nullptr);

    void setTables(const VocabularyTables &tables);
    // Where the Tags page finds Extensions/Attr/<TAG>.tlx; by default the
    // running program's data folder.
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }
    // The Snippets table as the user left it, header row included.
    PairRows snippetRows() const;

    QTabWidget *pages() const { return m_pages; }
    QListWidget *eventsList() const { return m_events; }
    QTreeWidget *objectsTree() const { return m_objects; }
    QComboBox *tagBox() const { return m_tagBox; }
    QListWidget *attributesList() const { return m_attributes; }
    QTableWidget *snippetsTable() const { return m_snippets; }
    QTableWidget *charactersTable() const { return m_characters; }
    QTableWidget *colorsTable() const { return m_colors; }
    QPlainTextEdit *results() const { return m_results; }
    // Brings the Results page to the front holding just `text`.
    void showResults(const QString &text);

    // Inserts `text` as a line below the caret line of the active document.
    void insertLine(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeTagsPage();
    void loadAttributes(const QString &tag);
    void eventsDoubleClicked();
    QTableWidget *makeTable(bool editable);
    void fillTable(QTableWidget *table, const PairRows &rows);
    void insertSelectedSecondCell(QTableWidget *table);

    std::function<EditorOperations *()> m_activeEditor;
    QTabWidget *m_pages = nullptr;
    QString m_dataFolder;
    QListWidget *m_events = nullptr;
    QTreeWidget *m_objects = nullptr;
    QComboBox *m_tagBox = nullptr;
    QListWidget *m_attributes = nullptr;
    QTableWidget *m_snippets = nullptr;
    QTableWidget *m_characters = nullptr;
    QTableWidget *m_colors = nullptr;
    QPlainTextEdit *m_results = nullptr;
};

} // namespace tagloom
