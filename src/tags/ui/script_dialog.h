#pragma once
// "Insert Client-Side Script": the opening SCRIPT tag, the code typed in the
// dialog's own coloured editor and the closing tag, below the caret line.

#include "tags/script_markup.h"
#include "tags/ui/markup_dialog.h"

class QComboBox;
class QLineEdit;

namespace tagloom {

class CodeEditor;

class ScriptDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit ScriptDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    ScriptFields fields() const;
    CodeEditor *codeEditor() const { return m_code; }

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void languageChosen(const QString &language);

    QComboBox *m_language;
    QComboBox *m_contentType;
    QLineEdit *m_source;
    CodeEditor *m_code;
};

} // namespace tagloom
