#pragma once
// The colour mixer, docked at the right edge: a foreground and a background
// colour (black and white at first), picked from a grid of swatches (left
// button: foreground, right button: background) or from the full colour
// dialog by clicking either sample. "FG" and "BG" show the colour's hex
// components and put "#RRGGBB" on a new line below the caret line.

#include <QColor>
#include <QDockWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace tagloom {

class EditorOperations;

class ColourMixer : public QDockWidget {
    Q_OBJECT
public:
    explicit ColourMixer(std::function<EditorOperations *()> activeEditor, QWidget *parent = nullptr);

    QColor foreground() const { return m_foreground; }
    QColor background() const { return m_background; }
    void setForeground(const QColor &colour);
    void setBackground(const QColor &colour);

    QPushButton *fgButton() const { return m_fg; }
    QPushButton *bgButton() const { return m_bg; }
    QLabel *redValue() const { return m_values[0]; }
    QLabel *greenValue() const { return m_values[1]; }
    QLabel *blueValue() const { return m_values[2]; }

private:
    void insertColour(const QColor &colour);
    QWidget *buildSwatches();

    std::function<EditorOperations *()> m_activeEditor;
    QColor m_foreground = Qt::black;
    QColor m_background = Qt::white;
    QPushButton *m_fgSample = nullptr;
    QPushButton *m_bgSample = nullptr;
    QPushButton *m_fg = nullptr;
    QPushButton *m_bg = nullptr;
    QLabel *m_values[3] = {};
};

} // namespace tagloom
