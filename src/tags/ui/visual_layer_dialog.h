#pragma once
// "Insert Layer Visually...": rectangles drawn on a blank canvas, each one
// becoming an absolutely positioned element of the "Default Layer Tag"
// setting, in the order drawn. OK inserts them all below the caret line;
// Cancel keeps them until the dialog is shown again.

#include "tags/ui/drawing_canvas.h"
#include "tags/ui/markup_dialog.h"

#include <QColor>
#include <QStringList>

class QLabel;
class QToolButton;

namespace tagloom {

class VisualLayerDialog : public MarkupDialog {
    Q_OBJECT
public:
    // `layerTag` names the element to write, asked at each drawn rectangle.
    VisualLayerDialog(ActiveEditor activeEditor, std::function<QString()> layerTag, QWidget *parent = nullptr);

    DrawingCanvas *canvas() const { return m_canvas; }
    const QStringList &layerLines() const { return m_lines; }
    QColor fillColour() const { return m_fill; }
    // A fill colour as if chosen with the colour button.
    void setFillColour(const QColor &colour);

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;

private:
    void clearAll();
    void chooseColour();
    void drawn(QPoint start, QPoint end);
    void showFillColour();

    ActiveEditor m_activeEditor;
    std::function<QString()> m_layerTag;
    DrawingCanvas *m_canvas;
    QToolButton *m_colourButton;
    QList<QLabel *> m_panels;
    QStringList m_lines;
    QColor m_fill = Qt::white;
};

} // namespace tagloom
