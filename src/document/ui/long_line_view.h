#pragma once
// Very long lines in the editor. Scintilla measures a whole line each time
// the line changes, which takes seconds for a line of megabytes, and its
// syntax colouring starts again from the beginning of the line. While a
// document has such a line, this view turns colouring off and draws only a
// window of every long line: on the caret's line the part around the caret,
// on the others their beginning. The rest of such a line is styled hidden,
// which our build of Scintilla passes over in one step when it lays the line
// out (third_party/qscintilla). The text itself is untouched.

#include <QObject>

namespace tagloom {

class CodeEditor;

class LongLineView : public QObject {
    Q_OBJECT
public:
    explicit LongLineView(CodeEditor *editor);

    // On when a line is longer than the editor's limit (`longestLine`
    // bytes); off gives the styling back to the colouring.
    void setActive(bool on, qsizetype longestLine);
    bool isActive() const { return m_active; }
    qsizetype longestLine() const { return m_longestLine; }
    // The drawn part of the caret's line, as document positions [start, end);
    // both -1 while the caret's line is short.
    qint64 windowStart() const { return m_windowStart; }
    qint64 windowEnd() const { return m_windowEnd; }

    // Moves the drawn part of the caret's line to the caret when the caret
    // came near its edge (at once: a paint before it would walk the hidden
    // rest of the line), and scrolls the caret into view then.
    void followCaret(bool scroll = true);

    // The style of the hidden parts.
    static constexpr int HiddenStyle = 31;

private:
    void styleNeeded(int position);
    void textChanging(qint64 position, qint64 length);
    void textChanged();
    void caretMayHaveMoved();
    // Styles [start, end) plain, hiding what lies outside the windows.
    void styleRange(qint64 start, qint64 end);
    // Styles the part of a line within [from, to) (the whole line when `to`
    // is negative).
    void styleLine(int line0, qint64 from, qint64 to);
    void setStyle(qint64 from, qint64 to, int style);

    CodeEditor *m_editor;
    bool m_active = false;
    bool m_followPending = false;
    qsizetype m_longestLine = 0;
    qint64 m_windowStart = -1;
    qint64 m_windowEnd = -1;
    // The one edit since the last change event, when what it inserts is
    // already styled right (plain text in a drawn part).
    struct Edit {
        qint64 styledEnd = -1;
        qint64 position = 0;
        qint64 length = 0;
        bool styledRight = false;
    };
    int m_editsSinceChange = 0;
    Edit m_edit;
};

} // namespace tagloom
