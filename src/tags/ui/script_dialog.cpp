#include "tags/ui/script_dialog.h"

#include "base/ui/file_dialogs.h"
#include "document/ui/code_editor.h"
#include "document/ui/lexer_factory.h"
#include "tags/ui/field_rows.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tagloom {

namespace {
constexpr int CodeUndoSteps = 10;
}

ScriptDialog::ScriptDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Client-Side Script"), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TScriptForm"));
    auto *options = new QGroupBox(QStringLiteral("General Options:"), this);
    FieldRows rows(options);
    m_language = rows.addDropDown("EditLanguage", "Language:",
                                  {QStringLiteral("JavaScript"), QStringLiteral("JavaScript1.1"),
                                   QStringLiteral("JavaScript1.2"), QStringLiteral("JScript"), QStringLiteral("PHP"),
                                   QStringLiteral("tcl"), QStringLiteral("VBScript")},
                                  true);
    m_contentType = rows.addDropDown("EditContentType", "Content-Type:",
                                     {QStringLiteral("text/javascript"), QStringLiteral("text/jscript"),
                                      QStringLiteral("text/php"), QStringLiteral("text/tcl"),
                                      QStringLiteral("text/vbscript")},
                                     true);
    m_source = rows.addText("EditSource", "Source:");
    connect(rows.addButton("&Browse..."), &QPushButton::clicked, this, [this] {
        FileDialogRequest request;
        request.title = QStringLiteral("Insert Script from File...");
        request.filters = {QStringLiteral("JavaScript Files (*.js)|*.js"), QStringLiteral("VBScript Files (*.vb)|*.vb"),
                           QStringLiteral("PHP Files (*.php)|*.php"), QStringLiteral("All Files (*.*)|*.*")};
        request.defaultSuffix = QStringLiteral("js");
        chooseInto(m_source, request);
    });
    connect(m_language, &QComboBox::currentTextChanged, this, &ScriptDialog::languageChosen);

    auto *codeBox = new QGroupBox(QStringLiteral("Script Code:"), this);
    m_code = new CodeEditor(codeBox);
    m_code->setObjectName(QStringLiteral("ScriptEdit"));
    m_code->setGutter(false, 0, false);
    m_code->setEditorFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_code->setUndoLimit(CodeUndoSteps);
    m_code->setMinimumSize(420, 180);
    // Tab moves on to the buttons, as in the other fields.
    m_code->installEventFilter(this);
    auto *codeLayout = new QVBoxLayout(codeBox);
    codeLayout->addWidget(m_code);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(options);
    layout->addWidget(codeBox, 1);
    addButtonRow(layout);
    setFocusProxy(m_language);
}

bool ScriptDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_code && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return MarkupDialog::eventFilter(watched, event);
}

void ScriptDialog::languageChosen(const QString &language)
{
    // JScript and typed names leave the colouring as it was.
    if (const std::optional<Colouring> colouring = scriptColouringFor(language))
        applyColouring(m_code, &*colouring, QFontDatabase::systemFont(QFontDatabase::FixedFont), {});
}

ScriptFields ScriptDialog::fields() const
{
    return {m_language->currentText(), m_contentType->currentText(), m_source->text(), m_code->allText()};
}

MarkupOutcome ScriptDialog::markup() const { return MarkupOutcome::inserting(scriptMarkup(fields())); }

void ScriptDialog::resetFields()
{
    m_language->setEditText(QString());
    m_contentType->setEditText(QString());
    m_source->clear();
    m_code->setText(QString());
}

} // namespace tagloom
