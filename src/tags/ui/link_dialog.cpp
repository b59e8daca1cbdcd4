#include "tags/ui/link_dialog.h"

#include "base/ui/file_dialogs.h"
#include "tags/ui/field_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

LinkDialog::LinkDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert a Hyperlink..."), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TLinkForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_link = rows.addDropDown("EditLink", "Link To:",
                              {QStringLiteral("file://"), QStringLiteral("ftp://"), QStringLiteral("gopher://"),
                               QStringLiteral("http://"), QStringLiteral("mailto:"), QStringLiteral("news:"),
                               QStringLiteral("newsrc:"), QStringLiteral("nntp://"), QStringLiteral("telnet://"),
                               QStringLiteral("view-source://"), QStringLiteral("wais://")},
                              true);
    connect(rows.addButton("&Browse..."), &QPushButton::clicked, this, &LinkDialog::browse);
    m_target = rows.addDropDown("EditTarget", "Target:",
                                {QStringLiteral("_blank"), QStringLiteral("_parent"), QStringLiteral("_self"),
                                 QStringLiteral("_top")},
                                true);
    m_style = rows.addText("EditStyle", "Style:");
    m_name = rows.addText("EditName", "Name:");
    m_class = rows.addText("EditClass", "Class:");
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fieldsBox);
    addButtonRow(layout);
    setFocusProxy(m_link);
}

LinkFields LinkDialog::fields() const
{
    return {m_link->currentText(), m_target->currentText(), m_style->text(), m_name->text(), m_class->text()};
}

MarkupOutcome LinkDialog::markup() const { return linkMarkup(fields(), isEditMode()); }

void LinkDialog::resetFields()
{
    m_link->setEditText(QString());
    m_target->setEditText(QString());
    for (QLineEdit *field : {m_style, m_name, m_class})
        field->clear();
}

void LinkDialog::browse()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Link to File...");
    request.filters = {QStringLiteral("All Files|*.*")};
    chooseInto(m_link, request);
}

} // namespace tagloom
