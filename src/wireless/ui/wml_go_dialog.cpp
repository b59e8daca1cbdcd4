#include "wireless/ui/wml_go_dialog.h"

#include "base/ui/window_placement.h"
#include "tags/ui/field_rows.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace tagloom {

WmlGoDialog::WmlGoDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("WML Go Tag..."), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TWMLGoForm"));
    auto *fields = new QWidget(this);
    FieldRows rows(fields);
    m_address = rows.addText("EditAddress", "Address:");
    m_sendReferer = new QCheckBox(QStringLiteral("Send Referer Information"), fields);
    m_sendReferer->setObjectName(QStringLiteral("CheckSendReferer"));
    rows.addWide("", m_sendReferer);
    m_method = rows.addDropDown("EditMethod", "Method:", {QStringLiteral("GET"), QStringLiteral("PUT")}, false);
    m_encodingType = rows.addText("EditEncodingType", "Encoding Type:");
    m_name = rows.addText("EditName", "Name:");
    m_class = rows.addText("EditClass", "Class:");
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fields);
    addButtonRow(layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setFocusProxy(m_address);
    adjustSize();
    centreOnScreen(this);
}

WmlGoFields WmlGoDialog::fields() const
{
    WmlGoFields f;
    f.Address = m_address->text();
    f.SendReferer = m_sendReferer->isChecked();
    f.Method = m_method->currentText();
    f.EncodingType = m_encodingType->text();
    f.Name = m_name->text();
    f.Class = m_class->text();
    return f;
}

MarkupOutcome WmlGoDialog::markup() const { return MarkupOutcome::inserting(wmlGoMarkup(fields())); }

void WmlGoDialog::resetFields()
{
    const WmlGoFields defaults;
    m_address->setText(defaults.Address);
    m_sendReferer->setChecked(defaults.SendReferer);
    m_method->setEditText(defaults.Method);
    m_encodingType->setText(defaults.EncodingType);
    m_name->setText(defaults.Name);
    m_class->setText(defaults.Class);
}

} // namespace tagloom
