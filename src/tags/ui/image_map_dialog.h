#pragma once
// "Create Image Map": a picture with rectangles and circles dragged over it,
// each drag adding an AREA line (with the link and text typed at that
// moment) to the editable "Generated Areas:" box. Done writes the MAP with
// those areas and the IMG that uses it. Each showing first asks for the
// picture; cancelling keeps the previous picture and fields.

#include "tags/image_map_markup.h"
#include "tags/ui/drawing_canvas.h"
#include "tags/ui/markup_dialog.h"
#include "tags/ui/remembered_file.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace tagloom {

class ImageMapDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit ImageMapDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    DrawingCanvas *canvas() const { return m_canvas; }
    const QString &picturePath() const { return m_picturePath; }
    // Shows the picture at `path`; false, after saying why, when it cannot
    // be read (the dialog is then left without a picture).
    bool loadPicture(const QString &path);
    void setShape(MapShape shape);

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;

private:
    void drawn(QPoint start, QPoint end);

    QToolButton *m_rectangle;
    QToolButton *m_circle;
    QLineEdit *m_mapName;
    QLineEdit *m_link;
    QLineEdit *m_region;
    QPlainTextEdit *m_areas;
    DrawingCanvas *m_canvas;
    QList<QLabel *> m_panels;
    RememberedFile m_pictureFile;
    RememberedFile m_linkFile;
    QString m_picturePath;
    MapShape m_shape = MapShape::Rectangle;
};

} // namespace tagloom
