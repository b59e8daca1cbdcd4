#pragma once
// The editor commands of one document window that work on its text without
// generating mark-up: case conversion, find and replace, goto top / bottom /
// line, ten bookmarks, date stamps, the gutter toggles and the editor keys
// that belong to them. Each command is one method, wired to its action id.

#include "document/ui/editor_dialogs.h"
#include "document/text_search.h"

#include <QDateTime>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

namespace tagloom {

class CodeEditor;

struct EditorCommandHooks {
    // Third panel of the main window's status bar.
    std::function<void(const QString &)> statusMessage;
    // Appends a line to the side panel's Results page without showing it.
    std::function<void(const QString &)> resultsLine;
    // The editor of the active document window when the goto-line dialog's
    // OK is pressed; when unset, the editor that last showed the dialog.
    std::function<CodeEditor *()> activeEditor;
};

class EditorCommands : public QObject {
    Q_OBJECT
public:
    EditorCommands(CodeEditor *editor, EditorCommandHooks hooks, QObject *parent = nullptr);

    void convertToUppercase();
    void convertToLowercase();
    void gotoTop();
    void gotoBottom();
    void showGotoLine();

    void setBookmark(int n);
    void goToBookmark(int n);
    // The bookmark's line and column, following edits; nullopt when unset.
    std::optional<TextPosition> bookmark(int n) const;

    // Item i of dateStampItems() as a new line below the caret line, stamped
    // with `when` in the default locale (the system's unless one was set).
    void insertDateStamp(int item, const QDateTime &when = QDateTime::currentDateTime());

    void toggleLineNumbers();
    void toggleGutter();

    void showFind();
    void showReplace();
    SearchDialog *findDialog();
    SearchDialog *replaceDialog();

    // Find Next with the given text and options: selects the match. Returns
    // the number of matches found (0 or 1).
    int findNext(const QString &text, const SearchOptions &options);
    // Replaces the next match after the caret, or every one from the caret to
    // the end for replace-all. Returns how many were replaced.
    int replace(const QString &text, const QString &with, const SearchOptions &options, bool all);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList lines() const;
    void selectMatch(const SearchMatch &match, bool caretAtStart);
    void replaceFromDialog(bool all);
    void refreshMarker(int n);
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    void moveToMatchingBracket();
    bool shiftSingleLine(bool indent);
    void installKeys();

    struct Bookmark {
        int handle = -1; // the gutter marker, which moves with edits
        int column = 1;
    };
    QPointer<CodeEditor> m_editor;
    EditorCommandHooks m_hooks;
    std::array<std::optional<Bookmark>, 10> m_bookmarks;
    SearchDialog *m_findDialog = nullptr;
    SearchDialog *m_replaceDialog = nullptr;
    int m_gutterWidth = 32;
    bool m_lineNumbers = false;
};

} // namespace tagloom
