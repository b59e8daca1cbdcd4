#include "document/insertion.h"

#include "document/editor_operations.h"

namespace tagloom {

int columnLength(const QString &text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

Insertion asReplacement(const Insertion &insertion)
{
    if (insertion.mode == InsertMode::Wrap)
        return insertion;
    return replaceInsertion(insertion.texts.join(QStringLiteral("\r\n")));
}

void insert(EditorOperations *target, const Insertion &insertion)
{
    if (!target)
        return;
    const QStringList &t = insertion.texts;
    const QString first = t.value(0);
    switch (insertion.mode) {
    case InsertMode::Line:
        target->InsertLine(target->CaretLine(), first);
        break;
    case InsertMode::Above:
        target->InsertLine(target->CaretLine() - 1, first);
        break;
    case InsertMode::End: {
        qsizetype i = 0;
        // A new document is one empty line: the first line takes its place
        // rather than leaving an empty line above the text.
        if (!t.isEmpty() && target->LineCount() == 1 && target->LineText().isEmpty())
            target->ReplaceLine(t.at(i++));
        for (; i < t.size(); ++i)
            target->InsertLine(target->LineCount(), t.at(i));
        break;
    }
    case InsertMode::Lines: {
        const int below = target->CaretLine();
        for (int i = 0; i < t.size(); ++i)
            target->InsertLine(below + i, t.at(i));
        break;
    }
    case InsertMode::Wrap:
        target->ReplaceSelection(first + target->SelectedText() + t.value(1));
        break;
    case InsertMode::Replace:
        target->ReplaceSelection(first);
        break;
    case InsertMode::Append: {
        const int column = target->CaretColumn();
        target->ReplaceLine(target->LineText() + first);
        target->SetCaretColumn(column + columnLength(first));
        break;
    }
    }
}

} // namespace tagloom
