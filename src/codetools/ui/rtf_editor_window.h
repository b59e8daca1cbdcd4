#pragma once
// Tools > RTF Editor: a small word processor for rich-text files. Bold,
// italic, underline, font, size, colour, alignment and bullets; files are
// opened and saved as RTF through the program's own RTF reader and writer.

#include <QMainWindow>

class QAction;
class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class QTextEdit;

namespace tagloom {

class RtfEditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit RtfEditorWindow(QWidget *parent = nullptr);

    QTextEdit *textEdit() const { return m_edit; }
    const QString &fileName() const { return m_fileName; }

    // Loads an RTF file; false (after saying why) when it cannot be read.
    bool openFile(const QString &path);
    // Saves to `path`; false (after saying why) when it cannot be written.
    bool saveTo(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbars();
    void newFile();
    void open();
    bool save();
    bool saveAs();
    // Asks about unsaved changes; false when the user cancelled.
    bool maySwitchAway();
    void mergeFormat(const QTextCharFormat &format);
    void showFormat(const QTextCharFormat &format);
    void updateTitle();

    QTextEdit *m_edit;
    QString m_fileName;
    QAction *m_bold = nullptr;
    QAction *m_italic = nullptr;
    QAction *m_underline = nullptr;
    QAction *m_bullets = nullptr;
    QFontComboBox *m_font = nullptr;
    QComboBox *m_size = nullptr;
};

} // namespace tagloom
