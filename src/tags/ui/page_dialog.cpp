#include "tags/ui/page_dialog.h"

#include "base/ui/file_dialogs.h"
#include "tags/current_tag.h"
#include "tags/ui/colour_swatch.h"
#include "tags/ui/field_rows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

PageDialog::PageDialog(ActiveEditor activeEditor, ActiveEditor newEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Create Page Wizard"), std::move(activeEditor), parent),
      m_newEditor(std::move(newEditor))
{
    setObjectName(QStringLiteral("TPageForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_title = rows.addText("EditTitle", "Page Title:");
    m_background = addColourRow(rows, "EditBG", "Background Color:");
    m_link = addColourRow(rows, "EditLink", "Link Color:");
    m_visited = addColourRow(rows, "EditVLink", "Visited Link:");
    m_active = addColourRow(rows, "EditALink", "Active Link:");
    m_image = rows.addText("EditBGI", "Background Image:");
    connect(rows.addButton("&Browse"), &QPushButton::clicked, this, &PageDialog::chooseBackground);
    m_watermark = new QCheckBox(QStringLiteral("Watermark Image (Internet Explorer)"), fieldsBox);
    m_watermark->setObjectName(QLatin1String(WatermarkField));
    rows.layout()->addWidget(m_watermark, rows.layout()->rowCount(), 1, 1, 2);
    rows.layout()->setContentsMargins(0, 0, 0, 0);
    // The user's own change of picture drops the watermark; a tag read back
    // by Edit Current Tag fills the field in any attribute order and keeps it.
    connect(m_image, &QLineEdit::textEdited, this, &PageDialog::backgroundChanged);
    connect(m_image, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_watermark->setEnabled(!text.isEmpty() || m_watermark->isChecked()); });

    auto *margins = new QGroupBox(QStringLiteral("Margins:"), this);
    auto *marginsLayout = new QVBoxLayout(margins);
    auto *note = new QLabel(QStringLiteral("Top and Left Margin are for Internet Explorer, Margin Height and Width "
                                           "are for Netscape Navigator / Communicator."),
                            margins);
    note->setWordWrap(true);
    marginsLayout->addWidget(note);
    auto *marginFields = new QWidget(margins);
    FieldRows marginRows(marginFields);
    m_top = marginRows.addText("EditTop", "Top Margin:");
    m_left = marginRows.addText("EditLeft", "Left Margin:");
    m_height = marginRows.addText("EditHeight", "Margin Height:");
    m_width = marginRows.addText("EditWidth", "Margin Width:");
    marginRows.layout()->setContentsMargins(0, 0, 0, 0);
    marginsLayout->addWidget(marginFields);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fieldsBox);
    layout->addWidget(margins);
    addButtonRow(layout);
    setFocusProxy(m_title);
}

QLineEdit *PageDialog::addColourRow(FieldRows &rows, const char *name, const char *label)
{
    QLineEdit *field = rows.addText(name, label);
    auto *swatch = new ColourSwatch(field->parentWidget());
    swatch->setObjectName(QLatin1String(name) + QStringLiteral("Swatch"));
    rows.layout()->addWidget(swatch, rows.layout()->rowCount() - 1, 2, Qt::AlignLeft);
    connect(swatch, &ColourSwatch::colourChosen, field, &QLineEdit::setText);
    return field;
}

ColourSwatch *PageDialog::swatchFor(const char *fieldName) const
{
    return findChild<ColourSwatch *>(QLatin1String(fieldName) + QStringLiteral("Swatch"));
}

void PageDialog::openNewPage()
{
    openFromMenu();
    setWindowTitle(QStringLiteral("Create New Page"));
    m_title->setEnabled(true);
    m_title->setFocus();
}

PageFields PageDialog::fields() const
{
    PageFields f;
    f.EditTitle = m_title->text();
    f.EditBG = m_background->text();
    f.EditLink = m_link->text();
    f.EditVLink = m_visited->text();
    f.EditALink = m_active->text();
    f.EditBGI = m_image->text();
    f.EditTop = m_top->text();
    f.EditLeft = m_left->text();
    f.EditHeight = m_height->text();
    f.EditWidth = m_width->text();
    f.watermark = m_watermark->isChecked();
    return f;
}

MarkupOutcome PageDialog::markup() const { return pageMarkup(fields(), isEditMode()); }

EditorOperations *PageDialog::insertionTarget()
{
    // A new page is a document of its own; only a BODY tag being edited
    // goes into the active one.
    if (isEditMode())
        return MarkupDialog::insertionTarget();
    return m_newEditor ? m_newEditor() : nullptr;
}

void PageDialog::resetFields()
{
    for (QLineEdit *field : {m_title, m_background, m_link, m_visited, m_active, m_image, m_top, m_left, m_height,
                             m_width})
        field->clear();
    for (ColourSwatch *swatch : findChildren<ColourSwatch *>())
        swatch->clearColour();
    backgroundChanged(QString());
}

void PageDialog::backgroundChanged(const QString &text)
{
    // A watermark belongs to the picture it was chosen for.
    m_watermark->setChecked(false);
    m_watermark->setEnabled(!text.isEmpty());
}

void PageDialog::chooseBackground()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Select Background Image...");
    request.filters = {QStringLiteral("Image Files (*.gif, *.jpg, *.jpeg, *.png)|*.gif;*.jpg;*.jpeg;*.png"),
                       QStringLiteral("All Files (*.*)|*")};
    request.defaultSuffix = QStringLiteral("gif");
    request.picturePreview = true;
    if (chooseInto(m_image, request))
        backgroundChanged(m_image->text());
}

} // namespace tagloom
