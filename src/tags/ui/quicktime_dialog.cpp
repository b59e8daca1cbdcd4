#include "tags/ui/quicktime_dialog.h"

#include <QCheckBox>
#include <QLineEdit>

namespace tagloom {

namespace {

FileDialogRequest quickTimeFileRequest()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Open a QuickTime Movie");
    request.filters = {QStringLiteral("QuickTime Movies (*.mov)|*.mov"), QStringLiteral("All Files (*.*)|*.*")};
    request.defaultSuffix = QStringLiteral("mov");
    return request;
}

} // namespace

QuickTimeDialog::QuickTimeDialog(ActiveEditor activeEditor, QWidget *parent)
    : MovieDialog(QStringLiteral("Insert QuickTime Movie"), NoQuickTimeMessage, quickTimeFileRequest(),
                  std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TQuickTimeForm"));
    m_target = rows().addText("Edit978", "Target:");
    m_linkTo = rows().addText("Edit974", "Link To:");
    m_autoPlay = addCheckBox("CheckBox1", "AutoPlay");
    m_loop = addCheckBox("CheckBox2", "Loop");
    m_controls = addCheckBox("CheckBox3", "Controls");
    // Only the first showing starts from these.
    m_height->setText(QStringLiteral("0"));
    m_width->setText(QStringLiteral("0"));
}

QuickTimeFields QuickTimeDialog::fields() const
{
    return {m_movie->text(),  m_height->text(),       m_width->text(),   m_target->text(),
            m_linkTo->text(), m_autoPlay->isChecked(), m_loop->isChecked(), m_controls->isChecked()};
}

MarkupOutcome QuickTimeDialog::markup() const { return quickTimeMarkup(fields()); }

void QuickTimeDialog::emptyBoxes()
{
    emptyMovieBoxes();
    m_target->clear();
    m_linkTo->clear();
    m_file.forget();
}

} // namespace tagloom
