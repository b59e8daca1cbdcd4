#pragma once
// What the QuickTime and RealVideo dialogs share: the movie with its Browse
// button, its height and width, check boxes under the rows, and OK's request
// for a missing movie (an error box, then the chooser; the mark-up follows
// whatever the answer).

#include "tags/ui/field_rows.h"
#include "tags/ui/markup_dialog.h"
#include "tags/ui/remembered_file.h"

class QCheckBox;
class QHBoxLayout;
class QLineEdit;

namespace tagloom {

class MovieDialog : public MarkupDialog {
    Q_OBJECT
protected:
    // `missingMovie` is the error shown when OK finds no movie.
    MovieDialog(const QString &title, const char *missingMovie, FileDialogRequest request, ActiveEditor activeEditor,
                QWidget *parent);

    // More rows below Width, and check boxes (checked) under the rows.
    FieldRows &rows() { return m_rows; }
    QCheckBox *addCheckBox(const char *name, const char *caption);

    void beforeMarkup() override;
    // Movie, Height and Width emptied.
    void emptyMovieBoxes();

    QLineEdit *m_movie;
    QLineEdit *m_height;
    QLineEdit *m_width;
    RememberedFile m_file;

private:
    QWidget *m_fieldsBox;
    FieldRows m_rows;
    QHBoxLayout *m_checkBoxes;
    const char *m_missingMovie;
};

} // namespace tagloom
