#pragma once
// "CFML Expression Builder": an expression is put together line by line in
// the builder's own editor, from operator buttons and from the function,
// constant and operator lists of the data folder; OK puts it below the
// document's caret line. The editor and the list keep their contents between
// showings; Cancel empties the editor. Unlike the tag dialogs it does not
// stay on top.

#include "tags/ui/markup_dialog.h"

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace tagloom {

class ExpressionEditor;

class CfmlBuilderDialog : public MarkupDialog {
    Q_OBJECT
public:
    CfmlBuilderDialog(ActiveEditor activeEditor, QString dataFolder, QWidget *parent = nullptr);

    ExpressionEditor *expressionEditor() const { return m_editor; }
    QTreeWidget *categories() const { return m_tree; }
    QListWidget *entries() const { return m_list; }

    // Fills the list from a leaf's file; a root leaves the list as it is.
    void chooseCategory(const QString &caption);
    // A pick from the list: the entry in row `row` becomes a line of the
    // expression; with an empty list the user is told to choose a type.
    void pickEntry(int row);

protected:
    MarkupOutcome markup() const override;
    void afterCancel() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildOperatorButtons();
    void buildTree();
    void addPiece(const QString &piece);

    QString m_dataFolder;
    ExpressionEditor *m_editor;
    QTreeWidget *m_tree;
    QListWidget *m_list;
};

} // namespace tagloom
