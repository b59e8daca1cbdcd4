#pragma once
// The side-panel window ("Code Controller"): tabbed pages of ready-made
// vocabulary. Each page puts its chosen entry on a new line below the caret
// line of the active document window.

#include "app/vocabulary_tables.h"

#include <QDockWidget>
#include <functional>

class QListWidget;
class QPlainTextEdit;
class QTableWidget;
class QTabWidget;

namespace tagloom {

class EditorOperations;

class SidePanel : public QDockWidget {
    Q_OBJECT
public:
    // `activeEditor` gives the active document's editor, or nullptr.
    SidePanel(std::function<EditorOperations *()> activeEditor, QWidget *parent = nullptr);

    void setTables(const VocabularyTables &tables);
    // The Snippets table as the user left it, header row included.
    PairRows snippetRows() const;

    QTabWidget *pages() const { return m_pages; }
    QListWidget *eventsList() const { return m_events; }
    QTableWidget *snippetsTable() const { return m_snippets; }
    QTableWidget *charactersTable() const { return m_characters; }
    QTableWidget *colorsTable() const { return m_colors; }
    QPlainTextEdit *results() const { return m_results; }

    // Inserts `text` as a line below the caret line of the active document.
    void insertLine(const QString &text);

private:
    QTableWidget *makeTable(bool editable);
    void fillTable(QTableWidget *table, const PairRows &rows);
    void insertSelectedSecondCell(QTableWidget *table);

    std::function<EditorOperations *()> m_activeEditor;
    QTabWidget *m_pages = nullptr;
    QListWidget *m_events = nullptr;
    QTableWidget *m_snippets = nullptr;
    QTableWidget *m_characters = nullptr;
    QTableWidget *m_colors = nullptr;
    QPlainTextEdit *m_results = nullptr;
};

} // namespace tagloom
