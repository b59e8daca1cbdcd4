#pragma once
// Colours the style sheets inside <style> blocks of a page, on top of the
// HTML lexer (which leaves them plain): selectors, properties, values,
// comments and at-rules get their own text colours, and the block's opening
// and closing tags stand on yellow. Recolours shortly after each edit.

#include <QObject>
#include <QTimer>

namespace tagloom {

class CodeEditor;

class EmbeddedStyles : public QObject {
    Q_OBJECT
public:
    explicit EmbeddedStyles(CodeEditor *editor);

    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    // Recolours at once (normally a short delay after the last edit).
    void recolour();

private:
    void clear();

    CodeEditor *m_editor;
    QTimer m_delay;
    bool m_enabled = false;
};

} // namespace tagloom
