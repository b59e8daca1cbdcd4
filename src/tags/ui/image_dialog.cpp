#include "tags/ui/image_dialog.h"

#include "base/ui/file_dialogs.h"
#include "base/ui/picture_file.h"
#include "base/ui/up_down_edit.h"
#include "tags/ui/field_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {
constexpr int PreviewSide = 185;
}

ImageDialog::ImageDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Image"), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TImageForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_src = rows.addText("EditSrc", "Picture:");
    connect(rows.addButton("Browse"), &QPushButton::clicked, this, &ImageDialog::browse);
    m_height = rows.addText("EditHeight", "Height:");
    m_width = rows.addText("EditWidth", "Width:");
    m_altText = rows.addText("EditAltText", "Alternative Text:");
    m_lowRes = rows.addText("EditLowRes", "Alternative Low-Res Imgage:");
    m_style = rows.addText("EditStyle", "Style:");
    m_border = rows.addUpDown("EditBorder", "Border:", 0, 32767);
    m_align = rows.addDropDown("EditAlign", "Align:",
                               {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("top"),
                                QStringLiteral("bottom"), QStringLiteral("middle"), QStringLiteral("baseline")},
                               false);
    m_name = rows.addText("EditName", "Name:");
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    auto *previewBox = new QGroupBox(QStringLiteral("Preview:"), this);
    m_preview = new QLabel(previewBox);
    m_preview->setObjectName(QStringLiteral("Preview"));
    m_preview->setFixedSize(PreviewSide, PreviewSide);
    m_preview->setAlignment(Qt::AlignCenter);
    auto *previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(m_preview);
    previewLayout->addStretch(1);

    auto *columns = new QHBoxLayout;
    columns->addWidget(fieldsBox, 1);
    columns->addWidget(previewBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    addButtonRow(layout);
    setFocusProxy(m_src);
}

ImageFields ImageDialog::fields() const
{
    ImageFields f;
    f.Src = m_src->text();
    f.Height = m_height->text();
    f.Width = m_width->text();
    f.AltText = m_altText->text();
    f.LowRes = m_lowRes->text();
    f.Style = m_style->text();
    f.Border = m_border->textValue();
    f.Align = m_align->currentText();
    f.Name = m_name->text();
    return f;
}

MarkupOutcome ImageDialog::markup() const { return imageMarkup(fields(), isEditMode()); }

void ImageDialog::resetFields()
{
    // The preview keeps its last picture.
    const ImageFields defaults;
    for (QLineEdit *field : {m_src, m_height, m_width, m_altText, m_lowRes, m_style, m_name})
        field->clear();
    m_border->setTextValue(defaults.Border);
    m_align->setEditText(QString());
}

void ImageDialog::browse()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Insert Image...");
    request.filters = imageFileFilters();
    request.picturePreview = true;
    const QString path = chooseFile(this, request);
    if (!path.isEmpty())
        choosePicture(path);
}

void ImageDialog::choosePicture(const QString &path)
{
    m_src->setText(path); // as chosen: the page's author makes it relative
    const QImage picture = readPictureOrSay(this, path);
    if (picture.isNull())
        return;
    m_height->setText(QString::number(picture.height()));
    m_width->setText(QString::number(picture.width()));
    const bool large = picture.width() > PreviewSide || picture.height() > PreviewSide;
    m_preview->setPixmap(QPixmap::fromImage(
        large ? picture.scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation) : picture));
}

} // namespace tagloom
