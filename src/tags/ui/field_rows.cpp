#include "tags/ui/field_rows.h"

#include "base/ui/file_dialogs.h"
#include "base/ui/typed_combo_box.h"
#include "base/ui/up_down_edit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tagloom {

FieldRows::FieldRows(QWidget *owner) : m_owner(owner), m_layout(new QGridLayout(owner))
{
    m_layout->setColumnStretch(1, 1);
}

void FieldRows::addRow(const char *label, QWidget *field, int columns, Qt::Alignment alignment)
{
    ++m_row;
    auto *caption = new QLabel(QString::fromUtf8(label), m_owner);
    caption->setBuddy(field);
    // A tall field (a grid) has its label at its top, as a heading.
    const bool tall = columns > 1;
    caption->setAlignment(Qt::AlignRight | (tall ? Qt::AlignTop : Qt::AlignVCenter));
    m_layout->addWidget(caption, m_row, 0, tall ? Qt::AlignTop : Qt::Alignment());
    m_layout->addWidget(field, m_row, 1, 1, columns, alignment);
}

QLineEdit *FieldRows::addText(const char *name, const char *label)
{
    auto *field = new QLineEdit(m_owner);
    field->setObjectName(QLatin1String(name));
    field->setMinimumWidth(220);
    addRow(label, field);
    return field;
}

QComboBox *FieldRows::addDropDown(const char *name, const char *label, QStringList items, bool sorted)
{
    auto *field = new QComboBox(m_owner);
    field->setObjectName(QLatin1String(name));
    makeTypedComboBox(field);
    if (sorted)
        items.sort(Qt::CaseInsensitive);
    field->addItems(items);
    field->setEditText(QString());
    addRow(label, field);
    return field;
}

UpDownEdit *FieldRows::addUpDown(const char *name, const char *label, int minimum, int maximum)
{
    auto *field = new UpDownEdit(minimum, maximum, m_owner);
    field->setObjectName(QLatin1String(name));
    field->setMinimumWidth(90);
    addRow(label, field, 1, Qt::AlignLeft);
    return field;
}

void FieldRows::addWide(const char *label, QWidget *field)
{
    addRow(label, field, 2);
}

QPushButton *FieldRows::addButton(const char *caption)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), m_owner);
    button->setAutoDefault(false);
    m_layout->addWidget(button, m_row, 2);
    return button;
}

QString fieldText(const QWidget *root, const QString &name)
{
    QWidget *field = root->findChild<QWidget *>(name);
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return line->text();
    if (auto *box = qobject_cast<QComboBox *>(field))
        return box->currentText();
    if (auto *upDown = qobject_cast<UpDownEdit *>(field))
        return upDown->textValue();
    return QString();
}

bool setFieldText(QWidget *root, const QString &name, const QString &text)
{
    return setWidgetText(root->findChild<QWidget *>(name), text);
}

bool setWidgetText(QWidget *field, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
    else if (auto *box = qobject_cast<QComboBox *>(field))
        box->setEditText(text);
    else if (auto *upDown = qobject_cast<UpDownEdit *>(field))
        upDown->setTextValue(text);
    else
        return false;
    return true;
}

bool chooseInto(QWidget *field, const FileDialogRequest &request)
{
    const QString path = chooseFile(field->window(), request);
    if (path.isEmpty())
        return false;
    setWidgetText(field, path);
    return true;
}

} // namespace tagloom
