#pragma once
// "Create Page Wizard": a new page's title, colours, background and margins.
// From the menu it makes a new document window holding the page; opened on a
// selected BODY tag (Edit Current Tag) it rewrites that tag in place.

#include "tags/page_markup.h"
#include "tags/ui/markup_dialog.h"

class QCheckBox;
class QLineEdit;

namespace tagloom {

class ColourSwatch;
class FieldRows;

class PageDialog : public MarkupDialog {
    Q_OBJECT
public:
    // `newEditor` makes a new HTML document window for a new page and gives
    // its editor (nullptr when it cannot).
    PageDialog(ActiveEditor activeEditor, ActiveEditor newEditor, QWidget *parent = nullptr);

    // The menu command: "Create New Page", with a title, never in edit mode.
    void openNewPage();

    PageFields fields() const;
    ColourSwatch *swatchFor(const char *fieldName) const;
    // A chosen background picture: its full path, and the watermark may be asked for.
    void chooseBackground();

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;
    EditorOperations *insertionTarget() override;

private:
    QLineEdit *addColourRow(FieldRows &rows, const char *name, const char *label);
    void backgroundChanged(const QString &text);

    ActiveEditor m_newEditor;
    QLineEdit *m_title;
    QLineEdit *m_background;
    QLineEdit *m_link;
    QLineEdit *m_visited;
    QLineEdit *m_active;
    QLineEdit *m_image;
    QCheckBox *m_watermark;
    QLineEdit *m_top;
    QLineEdit *m_left;
    QLineEdit *m_height;
    QLineEdit *m_width;
};

} // namespace tagloom
