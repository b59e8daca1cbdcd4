#include "vocabulary/ui/colour_mixer.h"

#include "vocabulary/colour_hex.h"
#include "document/editor_operations.h"
#include "document/insertion.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {

// A swatch: left click takes it as the foreground, right click as the background.
class Swatch : public QWidget {
public:
    Swatch(const QColor &colour, std::function<void(const QColor &, Qt::MouseButton)> picked, QWidget *parent)
        : QWidget(parent), m_colour(colour), m_picked(std::move(picked))
    {
        setFixedSize(16, 16);
        setToolTip(hexColour(colour.red(), colour.green(), colour.blue()));
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        setPalette(p);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override { m_picked(m_colour, event->button()); }

private:
    QColor m_colour;
    std::function<void(const QColor &, Qt::MouseButton)> m_picked;
};

void paintSample(QPushButton *sample, const QColor &colour)
{
    sample->setStyleSheet(QStringLiteral("background: %1; border: 1px solid gray;").arg(colour.name()));
    sample->setToolTip(hexColour(colour.red(), colour.green(), colour.blue()));
}

} // namespace

ColourMixer::ColourMixer(std::function<EditorOperations *()> activeEditor, QWidget *parent)
    : QDockWidget(QStringLiteral("Colors"), parent), m_activeEditor(std::move(activeEditor))
{
    setObjectName(QStringLiteral("ColourMixer"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable); // no close box
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);

    m_fgSample = new QPushButton(body);
    m_bgSample = new QPushButton(body);
    for (QPushButton *sample : {m_fgSample, m_bgSample})
        sample->setFixedSize(34, 22);
    connect(m_fgSample, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(m_foreground, this, QStringLiteral("Foreground Color"));
        if (c.isValid())
            setForeground(c);
    });
    connect(m_bgSample, &QPushButton::clicked, this, [this] {
        const QColor c = QColorDialog::getColor(m_background, this, QStringLiteral("Background Color"));
        if (c.isValid())
            setBackground(c);
    });
    auto *samples = new QHBoxLayout;
    samples->setSpacing(2);
    samples->addWidget(m_fgSample);
    samples->addWidget(m_bgSample);
    layout->addLayout(samples);
    layout->addWidget(buildSwatches());

    m_fg = new QPushButton(QStringLiteral("FG"), body);
    m_bg = new QPushButton(QStringLiteral("BG"), body);
    connect(m_fg, &QPushButton::clicked, this, [this] { insertColour(m_foreground); });
    connect(m_bg, &QPushButton::clicked, this, [this] { insertColour(m_background); });
    layout->addWidget(m_fg);
    layout->addWidget(m_bg);

    layout->addWidget(new QLabel(QStringLiteral("HEX Values:"), body));
    auto *values = new QGridLayout;
    const char *const names[] = {"Red:", "Green:", "Blue:"};
    for (int i = 0; i < 3; ++i) {
        values->addWidget(new QLabel(QLatin1String(names[i]), body), i, 0);
        m_values[i] = new QLabel(body);
        values->addWidget(m_values[i], i, 1);
    }
    layout->addLayout(values);
    layout->addStretch(1);
    setWidget(body);
    paintSample(m_fgSample, m_foreground);
    paintSample(m_bgSample, m_background);
}

QWidget *ColourMixer::buildSwatches()
{
    static const QRgb colours[] = {
        0x000000, 0x808080, 0x800000, 0xFF0000, 0x808000, 0xFFFF00, 0x008000, 0x00FF00,
        0x008080, 0x00FFFF, 0x000080, 0x0000FF, 0x800080, 0xFF00FF, 0xC0C0C0, 0xFFFFFF,
        0xFF8000, 0xFFC0CB, 0xA52A2A, 0x4682B4,
    };
    auto *grid = new QWidget(this);
    auto *layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto picked = [this](const QColor &colour, Qt::MouseButton button) {
        if (button == Qt::RightButton)
            setBackground(colour);
        else
            setForeground(colour);
    };
    for (int i = 0; i < int(std::size(colours)); ++i)
        layout->addWidget(new Swatch(QColor(colours[i]), picked, grid), i / 4, i % 4);
    grid->setToolTip(QStringLiteral("Left click: foreground color; right click: background color"));
    return grid;
}

void ColourMixer::setForeground(const QColor &colour)
{
    m_foreground = colour;
    paintSample(m_fgSample, colour);
}

void ColourMixer::setBackground(const QColor &colour)
{
    m_background = colour;
    paintSample(m_bgSample, colour);
}

void ColourMixer::insertColour(const QColor &colour)
{
    EditorOperations *editor = m_activeEditor ? m_activeEditor() : nullptr;
    if (!editor)
        return;
    const int rgb[3] = {colour.red(), colour.green(), colour.blue()};
    for (int i = 0; i < 3; ++i)
        m_values[i]->setText(hexByte(rgb[i]));
    insert(editor, lineInsertion(hexColour(rgb[0], rgb[1], rgb[2])));
}

} // namespace tagloom
