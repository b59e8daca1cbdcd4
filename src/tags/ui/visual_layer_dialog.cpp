#include "tags/ui/visual_layer_dialog.h"

#include "tags/layer_markup.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {
constexpr int PanelWidth = 150;
}

VisualLayerDialog::VisualLayerDialog(ActiveEditor activeEditor, std::function<QString()> layerTag, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Layer Visually..."), activeEditor, parent),
      m_activeEditor(std::move(activeEditor)), m_layerTag(std::move(layerTag))
{
    setObjectName(QStringLiteral("TPosForm"));
    setSizeGripEnabled(true);

    auto *clear = new QPushButton(QStringLiteral("C&lear All"), this);
    clear->setAutoDefault(false);
    connect(clear, &QPushButton::clicked, this, &VisualLayerDialog::clearAll);
    m_colourButton = new QToolButton(this);
    m_colourButton->setObjectName(QStringLiteral("ColourButton"));
    m_colourButton->setToolTip(QStringLiteral("Fill Colour"));
    connect(m_colourButton, &QToolButton::clicked, this, &VisualLayerDialog::chooseColour);
    showFillColour();

    auto *topBar = new QHBoxLayout;
    topBar->addWidget(okButton());
    topBar->addWidget(cancelButton());
    topBar->addWidget(clear);
    topBar->addWidget(m_colourButton);
    topBar->addStretch(1);

    m_canvas = new DrawingCanvas(this);
    m_canvas->setObjectName(QStringLiteral("Canvas"));
    m_canvas->setMinimumSize(200, 150);
    connect(m_canvas, &DrawingCanvas::pressed, this, [this](QPoint at) { m_panels[0]->setText(originText(at)); });
    connect(m_canvas, &DrawingCanvas::moved, this, [this](QPoint at) { m_panels[1]->setText(currentText(at)); });
    connect(m_canvas, &DrawingCanvas::released, this, &VisualLayerDialog::drawn);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(2);
    topBar->setContentsMargins(4, 0, 4, 0);
    layout->addLayout(topBar);
    layout->addWidget(m_canvas, 1);
    layout->addWidget(makeStatusPanels(this, 3, PanelWidth, m_panels));
    resize(520, 400);
    setFocusProxy(m_canvas);
}

void VisualLayerDialog::resetFields() { clearAll(); }

void VisualLayerDialog::clearAll()
{
    // The fill colour stays for the lines, but shapes are outlines again.
    m_lines.clear();
    m_canvas->clear(DrawingCanvas::Shape::Rectangle);
}

void VisualLayerDialog::setFillColour(const QColor &colour)
{
    m_fill = colour;
    m_canvas->setFill(colour);
    showFillColour();
}

void VisualLayerDialog::chooseColour()
{
    const QColor chosen = QColorDialog::getColor(m_fill, this, QStringLiteral("Fill Colour"));
    if (chosen.isValid())
        setFillColour(chosen);
}

void VisualLayerDialog::showFillColour()
{
    QPixmap swatch(16, 16);
    swatch.fill(m_fill);
    m_colourButton->setIcon(QIcon(swatch));
}

void VisualLayerDialog::drawn(QPoint start, QPoint end)
{
    m_panels[2]->setText(QStringLiteral("Height: %1 Width: %2").arg(end.y() - start.y()).arg(end.x() - start.x()));
    // A layer is only kept while there is a document to put it into.
    if (!m_activeEditor || !m_activeEditor())
        return;
    m_lines.append(visualLayerLine(m_layerTag ? m_layerTag() : QString(), start, end, m_fill.rgb() & 0xFFFFFFu));
}

MarkupOutcome VisualLayerDialog::markup() const { return MarkupOutcome::inserting(linesInsertion(m_lines)); }

} // namespace tagloom
