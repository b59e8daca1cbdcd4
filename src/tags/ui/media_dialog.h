#pragma once
// "Insert Multimedia File...": one dialog for sounds, videos, Shockwave
// movies and plug-in content, the kind set each time it is opened. OK with
// no source says so and offers the file chooser, then writes the mark-up
// whatever the answer.

#include "tags/media_markup.h"
#include "tags/ui/markup_dialog.h"
#include "tags/ui/remembered_file.h"

class QLineEdit;

namespace tagloom {

class MediaDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit MediaDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    // Kept until the next opening; the title is the same for every kind.
    void setMode(MediaMode mode) { m_mode = mode; }
    MediaMode mode() const { return m_mode; }

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;
    void beforeMarkup() override;

private:
    QLineEdit *m_source;
    RememberedFile m_file;
    MediaMode m_mode = MediaMode::Sound;
};

} // namespace tagloom
