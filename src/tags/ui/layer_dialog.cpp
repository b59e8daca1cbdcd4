#include "tags/ui/layer_dialog.h"

#include "tags/ui/field_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tagloom {

LayerDialog::LayerDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Layer..."), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TLayerForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_tag = rows.addDropDown("EditTag", "Layer Tag:",
                             {QStringLiteral("div"), QStringLiteral("span"), QStringLiteral("layer"),
                              QStringLiteral("ilayer")},
                             false);
    m_name = rows.addText("EditName", "Name:");
    m_top = rows.addText("EditTop", "Top:");
    m_left = rows.addText("EditLeft", "Left:");
    m_height = rows.addText("EditHeight", "Height:");
    m_width = rows.addText("EditWidth", "Width:");
    m_color = rows.addDropDown("EditColor", "Background Color:", {}, false);
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fieldsBox);
    addButtonRow(layout);
    setFocusProxy(m_tag);
}

LayerFields LayerDialog::fields() const
{
    return {m_tag->currentText(), m_name->text(),  m_top->text(),          m_left->text(),
            m_height->text(),     m_width->text(), m_color->currentText()};
}

MarkupOutcome LayerDialog::markup() const { return layerMarkup(fields()); }

void LayerDialog::resetFields()
{
    const LayerFields defaults;
    m_tag->setEditText(defaults.Tag);
    m_name->setText(defaults.Name);
    m_top->setText(defaults.Top);
    m_left->setText(defaults.Left);
    m_height->setText(defaults.Height);
    m_width->setText(defaults.Width);
}

} // namespace tagloom
