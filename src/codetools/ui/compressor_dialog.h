#pragma once
// The "HTML Document Compressor" dialog: the passes to run as a check list,
// then OK compresses the active document's text as it stands in the editor,
// writes the result to its file (or the compressor working file while it is
// untitled), shows it in the editor and reports both sizes.

#include <QDialog>
#include <functional>

class QListWidget;

namespace tagloom {

class DocumentWindow;

class CompressorDialog : public QDialog {
    Q_OBJECT
public:
    CompressorDialog(QString dataFolder, std::function<DocumentWindow *()> activeDocument, QWidget *parent = nullptr);

    QListWidget *passes() const { return m_passes; }
    // OK: compresses the active document (nothing when there is none).
    void compressActive();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_dataFolder;
    std::function<DocumentWindow *()> m_activeDocument;
    QListWidget *m_passes = nullptr;
};

} // namespace tagloom
