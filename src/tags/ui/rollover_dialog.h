#pragma once
// "Insert Image Rollover": a linked picture that swaps to a second one under
// the mouse, and the script block that performs the swap. A missing picture
// is asked for when OK is pressed; a missing hyperlink or name refuses.

#include "tags/rollover_markup.h"
#include "tags/ui/markup_dialog.h"

class QLineEdit;

namespace tagloom {

class RolloverDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit RolloverDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    RolloverFields fields() const;

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;
    void beforeMarkup() override;

private:
    // The picture chooser; a chosen file's path goes into `field`.
    void choosePicture(QLineEdit *field);
    QLineEdit *fieldFor(RolloverPicture picture) const;

    QLineEdit *m_original;
    QLineEdit *m_next;
    QLineEdit *m_hyperlink;
    QLineEdit *m_name;
};

} // namespace tagloom
