#pragma once
// "Reference External Stylesheet...": a LINK tag to a style-sheet file, as a
// new line directly above the caret line, or in edit mode (a LINK tag
// reopened by Edit Current Tag) in place of the selection. The file name
// stays between showings.

#include "tags/ui/markup_dialog.h"

class QLineEdit;

namespace tagloom {

class StyleLinkDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit StyleLinkDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

protected:
    MarkupOutcome markup() const override;

private:
    void browse();

    QLineEdit *m_fileName;
};

} // namespace tagloom
