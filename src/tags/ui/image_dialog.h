#pragma once
// "Insert Image": one img tag, optionally in a paragraph that aligns it.
// Browse fills the picture's path and measures it into Height and Width,
// showing it in the preview box.

#include "tags/image_markup.h"
#include "tags/ui/markup_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tagloom {

class UpDownEdit;

class ImageDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit ImageDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    ImageFields fields() const;
    // Puts `path` in "Picture:" and, when the picture can be read, shows it
    // and fills in its size; otherwise says why and leaves the size alone.
    void choosePicture(const QString &path);

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;

private:
    void browse();

    QLineEdit *m_src;
    QLineEdit *m_height;
    QLineEdit *m_width;
    QLineEdit *m_altText;
    QLineEdit *m_lowRes;
    QLineEdit *m_style;
    UpDownEdit *m_border;
    QComboBox *m_align;
    QLineEdit *m_name;
    QLabel *m_preview;
};

} // namespace tagloom
