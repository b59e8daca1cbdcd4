#pragma once
// "Insert RealVideo": a RealVideo clip as an object for one browser family
// and an embed for the other. Each showing starts with an empty movie,
// "0" by "0" and AutoPlay checked.

#include "tags/media_markup.h"
#include "tags/ui/movie_dialog.h"

namespace tagloom {

class RealVideoDialog : public MovieDialog {
    Q_OBJECT
public:
    explicit RealVideoDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    RealVideoFields fields() const;

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;
    void afterInsert() override { emptyMovieBoxes(); }
    void afterCancel() override { emptyMovieBoxes(); }

private:
    QCheckBox *m_autoPlay;
};

} // namespace tagloom
