#include "tags/ui/rollover_dialog.h"

#include "base/ui/file_dialogs.h"
#include "base/ui/messages.h"
#include "tags/image_markup.h"
#include "tags/ui/field_rows.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

RolloverDialog::RolloverDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Image Rollover"), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TRolloverForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_original = rows.addText("EditOriginal", "Original Image:");
    connect(rows.addButton("&Browse"), &QPushButton::clicked, this, [this] { choosePicture(m_original); });
    m_next = rows.addText("EditNext", "Replace With (on Rollover):");
    connect(rows.addButton("B&rowse"), &QPushButton::clicked, this, [this] { choosePicture(m_next); });
    m_hyperlink = rows.addText("EditHyperlink", "Hyperlink:");
    m_name = rows.addText("EditName", "Name:");
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fieldsBox);
    addButtonRow(layout);
    setFocusProxy(m_original);
}

RolloverFields RolloverDialog::fields() const
{
    return {m_original->text(), m_next->text(), m_hyperlink->text(), m_name->text()};
}

MarkupOutcome RolloverDialog::markup() const { return rolloverMarkup(fields()); }

void RolloverDialog::resetFields()
{
    for (QLineEdit *field : {m_original, m_next, m_hyperlink, m_name})
        field->clear();
}

QLineEdit *RolloverDialog::fieldFor(RolloverPicture picture) const
{
    return picture == RolloverPicture::Original ? m_original : m_next;
}

void RolloverDialog::beforeMarkup()
{
    // Each missing picture is asked for once; cancelling leaves it empty.
    for (const RolloverPrompt &prompt : rolloverPrompts(fields())) {
        QApplication::beep();
        showMessage(this, MessageKind::Error, QString(), prompt.text);
        choosePicture(fieldFor(prompt.picture));
    }
}

void RolloverDialog::choosePicture(QLineEdit *field)
{
    FileDialogRequest request;
    request.filters = pictureFiltersWithMetafiles();
    request.picturePreview = true;
    chooseInto(field, request);
}

} // namespace tagloom
