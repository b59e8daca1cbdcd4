#pragma once
// "Insert QuickTime Movie". Unlike the other tag dialogs it is not reset when
// shown: its first showing has Height and Width at "0", and after that OK
// and Cancel empty the five text boxes (and the chooser forgets its file)
// while the check boxes keep their last state.

#include "tags/media_markup.h"
#include "tags/ui/movie_dialog.h"

namespace tagloom {

class QuickTimeDialog : public MovieDialog {
    Q_OBJECT
public:
    explicit QuickTimeDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    QuickTimeFields fields() const;

protected:
    MarkupOutcome markup() const override;
    void afterInsert() override { emptyBoxes(); }
    void afterCancel() override { emptyBoxes(); }

private:
    void emptyBoxes();

    QLineEdit *m_target;
    QLineEdit *m_linkTo;
    QCheckBox *m_autoPlay;
    QCheckBox *m_loop;
    QCheckBox *m_controls;
};

} // namespace tagloom
