#include "tags/ui/media_dialog.h"

#include "base/ui/messages.h"
#include "tags/ui/field_rows.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {

FileDialogRequest mediaFileRequest()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Insert Multimedia File...");
    request.filters = {QStringLiteral("All Files (*.*)|*.*")};
    return request;
}

} // namespace

MediaDialog::MediaDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Multimedia File..."), std::move(activeEditor), parent),
      m_file(mediaFileRequest())
{
    setObjectName(QStringLiteral("TMediaForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_source = rows.addText("EditSource", "Source:");
    m_source->setMinimumWidth(260);
    connect(rows.addButton("&Browse"), &QPushButton::clicked, this, [this] { m_file.chooseUrlInto(m_source); });
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fieldsBox);
    addButtonRow(layout);
    setFocusProxy(m_source);
}

MarkupOutcome MediaDialog::markup() const { return mediaMarkup(m_mode, m_source->text()); }

void MediaDialog::resetFields()
{
    m_source->clear();
    m_file.forget();
}

void MediaDialog::beforeMarkup()
{
    // Asked for, not required: the mark-up follows even without a file.
    if (!m_source->text().isEmpty())
        return;
    QApplication::beep();
    showMessage(this, MessageKind::Error, QString(), QString::fromLatin1(NoMediaFileMessage));
    m_file.chooseUrlInto(m_source);
}

} // namespace tagloom
