#pragma once
// Preferences' Highlighting page: the six colour schemes as loaded from the
// settings store, one chosen at a time; its attributes' colours and font
// styles are edited here and shown at once in a small preview editor.

#include "document/highlighter_scheme.h"

#include <QHash>
#include <QWidget>

class QCheckBox;
class QComboBox;

namespace tagloom {

class CodeEditor;
class SettingsStore;

class HighlightingPage : public QWidget {
    Q_OBJECT
public:
    explicit HighlightingPage(QWidget *parent = nullptr);

    // Loads all six schemes from the store (stored values over the
    // colourings' own looks) and shows the chosen one again.
    void loadSchemes(SettingsStore &store);
    // The chosen scheme's language, or the empty text for "(none)".
    QString chosenLanguage() const;
    const QVector<AttributeLook> &scheme(const QString &language) const;
    // Stores the chosen scheme, every attribute; nothing for "(none)".
    void saveChosen(SettingsStore &store) const;

    QComboBox *schemeBox() const { return m_schemeBox; }
    QComboBox *attributeBox() const { return m_attributeBox; }
    QComboBox *foregroundBox() const { return m_foreground; }
    QComboBox *backgroundBox() const { return m_background; }
    QCheckBox *styleBox(int bit) const; // 0 bold, 1 italic, 2 underline, 3 strike-out
    CodeEditor *preview() const { return m_preview; }

private:
    void chooseScheme();
    void showAttribute();
    void attributeEdited();
    void repaintPreview();
    AttributeLook *selectedLook();

    QHash<QString, QVector<AttributeLook>> m_schemes;
    QComboBox *m_schemeBox = nullptr;
    QComboBox *m_attributeBox = nullptr;
    QComboBox *m_foreground = nullptr;
    QComboBox *m_background = nullptr;
    QCheckBox *m_styles[4] = {};
    CodeEditor *m_preview = nullptr;
    bool m_filling = false;
};

} // namespace tagloom
