#include "tags/ui/style_link_dialog.h"

#include "base/ui/file_dialogs.h"
#include "tags/page_markup.h"
#include "tags/ui/field_rows.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

StyleLinkDialog::StyleLinkDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Reference External Stylesheet..."), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TStylForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_fileName = rows.addText("Edit1", "File Name:");
    connect(rows.addButton("&Browse"), &QPushButton::clicked, this, &StyleLinkDialog::browse);
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fieldsBox);
    addButtonRow(layout);
    setFocusProxy(m_fileName);
}

MarkupOutcome StyleLinkDialog::markup() const { return styleSheetLinkMarkup(m_fileName->text()); }

void StyleLinkDialog::browse()
{
    FileDialogRequest request;
    request.filters = {QStringLiteral("Cascading Style Sheets|*.css")};
    request.defaultSuffix = QStringLiteral("css");
    chooseInto(m_fileName, request);
}

} // namespace tagloom
