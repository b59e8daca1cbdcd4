#pragma once
// "Page Transitions Control": a reveal-transition meta tag below the caret
// line. Refuses without a transition type; its values stay between showings.

#include "tags/transition_markup.h"
#include "tags/ui/markup_dialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace tagloom {

class TransitionDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit TransitionDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    TransitionFields fields() const;
    QListWidget *typeList() const { return m_types; }

protected:
    MarkupOutcome markup() const override;

private:
    QComboBox *m_event;
    QLineEdit *m_time;
    QListWidget *m_types;
};

} // namespace tagloom
