#include "tags/ui/image_map_dialog.h"

#include "base/ui/picture_file.h"
#include "tags/image_markup.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {

constexpr int PanelWidth = 150;

FileDialogRequest pictureRequest()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Open Picture...");
    request.filters = imageFileFilters();
    request.picturePreview = true;
    return request;
}

FileDialogRequest linkRequest()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Browse for File...");
    request.filters = {QStringLiteral("All Files (*.*)|*.*")};
    return request;
}

QToolButton *shapeButton(const char *name, const char *caption, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QLatin1String(caption));
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

QLineEdit *labelledText(const char *name, const char *label, QVBoxLayout *column, QWidget *parent)
{
    auto *caption = new QLabel(QLatin1String(label), parent);
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    caption->setBuddy(field);
    column->addWidget(caption);
    column->addWidget(field);
    return field;
}

} // namespace

ImageMapDialog::ImageMapDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Create Image Map"), std::move(activeEditor), parent),
      m_pictureFile(pictureRequest()), m_linkFile(linkRequest())
{
    setObjectName(QStringLiteral("TForm21"));
    setSizeGripEnabled(true);
    okButton()->setText(QStringLiteral("&Done"));

    auto *left = new QWidget(this);
    auto *column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    m_rectangle = shapeButton("RectangleButton", "Rectangle", left);
    m_circle = shapeButton("CircleButton", "Circle", left);
    auto *shapes = new QButtonGroup(this);
    shapes->addButton(m_rectangle);
    shapes->addButton(m_circle);
    connect(m_rectangle, &QToolButton::clicked, this, [this] { setShape(MapShape::Rectangle); });
    connect(m_circle, &QToolButton::clicked, this, [this] { setShape(MapShape::Circle); });
    auto *shapeRow = new QHBoxLayout;
    shapeRow->addWidget(m_rectangle);
    shapeRow->addWidget(m_circle);
    shapeRow->addStretch(1);
    column->addLayout(shapeRow);

    m_mapName = labelledText("EditMapName", "Map Name:", column, left);
    m_link = labelledText("EditLink", "Hyperlink for Selected Area:", column, left);
    auto *browse = new QPushButton(QStringLiteral("&Browse"), left);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, [this] { m_linkFile.chooseUrlInto(m_link); });
    column->addWidget(browse, 0, Qt::AlignRight);
    m_region = labelledText("EditRegion", "Alternative Text for Region:", column, left);
    column->addWidget(new QLabel(QStringLiteral("Generated Areas:"), left));
    m_areas = new QPlainTextEdit(left);
    m_areas->setObjectName(QStringLiteral("Memo1"));
    m_areas->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_areas->setTabChangesFocus(true);
    column->addWidget(m_areas, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(okButton());
    buttons->addWidget(cancelButton());
    column->addLayout(buttons);
    left->setFixedWidth(230);

    m_canvas = new DrawingCanvas;
    m_canvas->setObjectName(QStringLiteral("Canvas"));
    connect(m_canvas, &DrawingCanvas::pressed, this, [this](QPoint at) { m_panels[0]->setText(originText(at)); });
    connect(m_canvas, &DrawingCanvas::moved, this, [this](QPoint at) { m_panels[1]->setText(currentText(at)); });
    connect(m_canvas, &DrawingCanvas::released, this, &ImageMapDialog::drawn);
    auto *scroller = new QScrollArea(this);
    scroller->setWidget(m_canvas);
    scroller->setWidgetResizable(true);

    auto *columns = new QHBoxLayout;
    columns->addWidget(left);
    columns->addWidget(scroller, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(columns, 1);
    layout->addWidget(makeStatusPanels(this, 2, PanelWidth, m_panels));
    resize(720, 480);
    setShape(MapShape::Rectangle);
    setFocusProxy(m_mapName);
}

void ImageMapDialog::setShape(MapShape shape)
{
    m_shape = shape;
    (shape == MapShape::Rectangle ? m_rectangle : m_circle)->setChecked(true);
    m_canvas->setShape(shape == MapShape::Rectangle ? DrawingCanvas::Shape::Rectangle : DrawingCanvas::Shape::Ellipse);
}

void ImageMapDialog::resetFields()
{
    // The picture comes first; without one the window keeps what it had.
    const QString path = m_pictureFile.choose(this);
    if (path.isEmpty() || !loadPicture(path))
        return;
    setShape(MapShape::Rectangle);
    for (QLineEdit *field : {m_link, m_mapName, m_region})
        field->clear();
    m_areas->clear();
    m_linkFile.forget();
}

bool ImageMapDialog::loadPicture(const QString &path)
{
    const QImage picture = readPictureOrSay(this, path);
    if (picture.isNull()) {
        m_picturePath.clear();
        m_canvas->setPicture(QPixmap());
        m_canvas->clear(m_canvas->shape());
        return false;
    }
    m_picturePath = path;
    m_canvas->setPicture(QPixmap::fromImage(picture));
    m_canvas->clear(m_canvas->shape());
    return true;
}

void ImageMapDialog::drawn(QPoint start, QPoint end)
{
    m_areas->appendPlainText(areaLine(m_shape, start, end, m_link->text(), m_region->text()));
}

MarkupOutcome ImageMapDialog::markup() const
{
    ImageMapFields f;
    f.MapName = m_mapName->text();
    f.Areas = m_areas->toPlainText();
    f.PicturePath = m_picturePath;
    f.PictureSize = m_canvas->picture().size();
    return imageMapMarkup(f);
}

} // namespace tagloom
