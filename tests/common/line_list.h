#pragma once
// A document as a list of lines, for tests of generators that insert lines:
// like the editor, a text with line breaks put in by InsertLine becomes
// several lines, and the caret stays on its line.

#include "document/editor_operations.h"

#include <QStringList>
#include <algorithm>

namespace tagloom::test {

class LineList : public EditorOperations {
public:
    QStringList lines;
    int caretLine = 1;

    QString SelectedText() const override { return {}; }
    void ReplaceSelection(const QString &) override {}
    int CaretLine() const override { return caretLine; }
    int CaretColumn() const override { return 1; }
    void SetCaretColumn(int) override {}
    void SetCaretLine(int line) override { caretLine = line; }
    QString LineText() const override { return lines.value(caretLine - 1); }
    void ReplaceLine(const QString &) override {}
    void InsertLine(int index, const QString &text) override
    {
        const QStringList added = text.split(QStringLiteral("\r\n"));
        for (int i = 0; i < added.size(); ++i)
            lines.insert(std::min<qsizetype>(index + i, lines.size()), added.at(i));
    }
    int LineCount() const override { return int(lines.size()); }
};

} // namespace tagloom::test
