#pragma once
// "Master Font Options": wraps the selection in a FONT element of a system
// font, an HTML size and a named colour, inside the checked style tags. The
// one mark-up dialog that does not stay on top; its choices stay between
// showings.

#include "tags/master_font_markup.h"
#include "tags/ui/markup_dialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace tagloom {

class UpDownEdit;

class MasterFontDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit MasterFontDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    MasterFontFields fields() const;
    QLabel *preview() const { return m_preview; }

protected:
    MarkupOutcome markup() const override;

private:
    void updatePreview();

    QComboBox *m_font;
    UpDownEdit *m_size;
    QComboBox *m_colour;
    std::array<QCheckBox *, FontStyleCount> m_styles{};
    QLabel *m_preview;
};

} // namespace tagloom
