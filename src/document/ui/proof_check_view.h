#pragma once
// The proof-check view: a plain-text copy of the document in which the spell
// checker underlines every misspelt word outside mark-up. A right click on an
// underlined word offers the dictionary's suggestions and "Ignore All".

#include <QPlainTextEdit>

namespace tagloom {

class SpellChecker;

class ProofCheckView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ProofCheckView(QWidget *parent = nullptr);

    // Underlines the misspelt words; returns how many there are.
    int runCheck(SpellChecker &checker);
    // The text as it stands, character for character: lines joined by LF.
    // (toPlainText() would turn no-break spaces into plain ones.)
    QString checkedText() const;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void underline();

    SpellChecker *m_checker = nullptr;
};

} // namespace tagloom
