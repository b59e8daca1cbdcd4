#pragma once
// "Insert a Hyperlink...": an anchor around the selection, or, reopened on
// an existing A tag, a new opening tag in its place.

#include "tags/link_markup.h"
#include "tags/ui/markup_dialog.h"

class QComboBox;
class QLineEdit;

namespace tagloom {

class LinkDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit LinkDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    LinkFields fields() const;

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;

private:
    void browse();

    QComboBox *m_link;
    QComboBox *m_target;
    QLineEdit *m_style;
    QLineEdit *m_name;
    QLineEdit *m_class;
};

} // namespace tagloom
