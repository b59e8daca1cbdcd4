#include "tags/ui/realvideo_dialog.h"

#include <QCheckBox>
#include <QLineEdit>

namespace tagloom {

namespace {

FileDialogRequest realVideoFileRequest()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Open a RealVideo Clip");
    request.filters = {QStringLiteral("RealVideo (*.rpm)|*.rpm"), QStringLiteral("All Files (*.*)|*.*")};
    request.defaultSuffix = QStringLiteral("rpm");
    return request;
}

} // namespace

RealVideoDialog::RealVideoDialog(ActiveEditor activeEditor, QWidget *parent)
    : MovieDialog(QStringLiteral("Insert RealVideo"), NoRealVideoMessage, realVideoFileRequest(),
                  std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TRealForm"));
    m_autoPlay = addCheckBox("CheckBox1", "AutoPlay");
}

RealVideoFields RealVideoDialog::fields() const
{
    return {m_movie->text(), m_height->text(), m_width->text(), m_autoPlay->isChecked()};
}

MarkupOutcome RealVideoDialog::markup() const { return realVideoMarkup(fields()); }

void RealVideoDialog::resetFields()
{
    m_movie->clear();
    m_height->setText(QStringLiteral("0"));
    m_width->setText(QStringLiteral("0"));
    m_autoPlay->setChecked(true);
}

} // namespace tagloom
