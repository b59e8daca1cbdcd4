#pragma once
// The completion list window: a borderless list below the caret that follows
// what the user keeps typing and puts the chosen snippet in place of the
// typed word on Enter.

#include <QListWidget>

namespace tagloom {

class CodeEditor;

class CompletionPopup : public QListWidget {
    Q_OBJECT
public:
    explicit CompletionPopup(CodeEditor *editor);

    // Opens below the caret with `typed` (the word before the caret) as the
    // text so far.
    void open(const QStringList &snippets, const QString &typed);
    const QString &typed() const { return m_typed; }

    // The keys of an open list (public so the editor can hand them over).
    void handleKey(QKeyEvent *event);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void reselect();
    void accept();
    void moveBy(int rows);

    CodeEditor *m_editor;
    QStringList m_snippets;
    QString m_typed;
    int m_lastRow = 0;
};

} // namespace tagloom
