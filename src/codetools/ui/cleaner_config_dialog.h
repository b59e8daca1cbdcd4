#pragma once
// "RivuZuvivir Configuration": the choices of Fix and Format. OK writes the
// configuration file Extensions/qytidyformatx.tlx from them and runs the
// cleaner on the document window that is active at that moment. The choices
// are kept while the program runs, never saved.

#include "codetools/cleaner_run.h"
#include "codetools/ui/cleaner_runner.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace tagloom {

class DocumentWindow;

class CleanerConfigDialog : public QDialog {
    Q_OBJECT
public:
    CleanerConfigDialog(QString dataFolder, std::function<DocumentWindow *()> activeDocument, CleanerHooks hooks,
                        QWidget *parent = nullptr);

    FixFormatChoices choices() const;
    void setChoices(const FixFormatChoices &choices);

    QListWidget *optionList() const { return m_options; }
    QButtonGroup *encodingGroup() const { return m_encoding; }
    QLineEdit *wrapEdit() const { return m_wrap; }
    QLineEdit *indentEdit() const { return m_indent; }
    QLineEdit *altTextEdit() const { return m_altText; }
    QComboBox *doctypeBox() const { return m_doctype; }
    QComboBox *outputBox() const { return m_output; }

    // OK: the configuration file, then the run; the dialog hides.
    void accept() override;
    // The run OK started last (nullptr when none, or when it is over).
    CleanerRun *lastRun() const { return m_lastRun; }

private:
    QString m_dataFolder;
    std::function<DocumentWindow *()> m_activeDocument;
    CleanerHooks m_hooks;
    QListWidget *m_options = nullptr;
    QButtonGroup *m_encoding = nullptr;
    QLineEdit *m_wrap = nullptr;
    QLineEdit *m_indent = nullptr;
    QLineEdit *m_altText = nullptr;
    QComboBox *m_doctype = nullptr;
    QComboBox *m_output = nullptr;
    QPointer<CleanerRun> m_lastRun;
};

} // namespace tagloom
