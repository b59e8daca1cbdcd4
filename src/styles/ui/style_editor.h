#pragma once
// "Quenby Hueloom": composes style rules from six pages of property fields,
// collects them in a CSS-coloured text pane with a filtered completion list,
// and saves the pane as a style sheet. It never writes into documents. Made
// once and kept; every showing empties the pane, the fields keep their values.

#include "styles/style_block.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QTabWidget;
class QsciScintilla;

namespace tagloom {

class StyleEditor : public QDialog {
    Q_OBJECT
public:
    StyleEditor(QString dataFolder, QWidget *parent = nullptr);

    QsciScintilla *pane() const { return m_pane; }
    // The entries the completion list offers now.
    const QStringList &completionEntries() const { return m_entries; }

    void generate();
    void clearAll();
    void save();
    // Ctrl+Space: the entries that start with the token before the caret.
    void showCompletions();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override; // Quit and the close box hide the window

private:
    QWidget *buildPages();
    void loadFilter(const QString &filter);
    StyleFields fields() const;

    QString m_dataFolder;
    QComboBox *m_selector;
    QComboBox *m_filter;
    QsciScintilla *m_pane;
    QStringList m_entries;
};

} // namespace tagloom
