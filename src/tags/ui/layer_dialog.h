#pragma once
// "Insert Layer...": one absolutely positioned element from typed
// coordinates. Each showing starts from the default position and size; the
// background colour keeps its last text.

#include "tags/layer_markup.h"
#include "tags/ui/markup_dialog.h"

class QComboBox;
class QLineEdit;

namespace tagloom {

class LayerDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit LayerDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    LayerFields fields() const;

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;

private:
    QComboBox *m_tag;
    QLineEdit *m_name;
    QLineEdit *m_top;
    QLineEdit *m_left;
    QLineEdit *m_height;
    QLineEdit *m_width;
    QComboBox *m_color;
};

} // namespace tagloom
