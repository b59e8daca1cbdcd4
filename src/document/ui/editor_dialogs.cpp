#include "document/ui/editor_dialogs.h"

#include "base/ui/messages.h"
#include "base/ui/window_placement.h"
#include "document/ui/code_editor.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tagloom {

void SearchDialog::present()
{
    showAndRaise(this);
    m_find->setFocus(Qt::OtherFocusReason);
    m_find->selectAll();
}

SearchDialog::SearchDialog(Kind kind, QWidget *parent) : QDialog(parent), m_kind(kind)
{
    setWindowTitle(kind == Kind::Find ? QStringLiteral("Find") : QStringLiteral("Replace"));
    auto *form = new QFormLayout;
    m_find = new QLineEdit(this);
    form->addRow(QStringLiteral("Fi&nd what:"), m_find);
    if (kind == Kind::Replace) {
        m_replace = new QLineEdit(this);
        form->addRow(QStringLiteral("Re&place with:"), m_replace);
    }
    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    auto *options = new QVBoxLayout;
    options->addLayout(form);
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    if (kind == Kind::Find) {
        auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
        m_up = new QRadioButton(QStringLiteral("&Up"), direction);
        m_down = new QRadioButton(QStringLiteral("&Down"), direction);
        m_down->setChecked(true);
        auto *row = new QHBoxLayout(direction);
        row->addWidget(m_up);
        row->addWidget(m_down);
        options->addWidget(direction);
    }
    options->addStretch();

    auto *buttons = new QVBoxLayout;
    auto *findNext = new QPushButton(QStringLiteral("&Find Next"), this);
    findNext->setDefault(true);
    connect(findNext, &QPushButton::clicked, this, &SearchDialog::findNextRequested);
    buttons->addWidget(findNext);
    if (kind == Kind::Replace) {
        auto *replace = new QPushButton(QStringLiteral("&Replace"), this);
        auto *replaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
        connect(replace, &QPushButton::clicked, this, &SearchDialog::replaceRequested);
        connect(replaceAll, &QPushButton::clicked, this, &SearchDialog::replaceAllRequested);
        buttons->addWidget(replace);
        buttons->addWidget(replaceAll);
    }
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(options, 1);
    layout->addLayout(buttons);
}

QString SearchDialog::findText() const { return m_find->text(); }
QString SearchDialog::replaceText() const { return m_replace ? m_replace->text() : QString(); }
void SearchDialog::setFindText(const QString &text) { m_find->setText(text); }

void SearchDialog::setReplaceText(const QString &text)
{
    if (m_replace)
        m_replace->setText(text);
}

SearchOptions SearchDialog::options() const
{
    return {m_matchCase->isChecked(), m_wholeWord->isChecked(), m_up && m_up->isChecked()};
}

void SearchDialog::setOptions(bool matchCase, bool wholeWord, bool up)
{
    m_matchCase->setChecked(matchCase);
    m_wholeWord->setChecked(wholeWord);
    if (m_up)
        (up ? m_up : m_down)->setChecked(true);
}

GotoLineDialog &GotoLineDialog::instance()
{
    static GotoLineDialog *dialog = nullptr;
    if (!dialog) {
        dialog = new GotoLineDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete dialog;
            dialog = nullptr;
        });
    }
    return *dialog;
}

GotoLineDialog::GotoLineDialog()
{
    setWindowTitle(QStringLiteral("Goto Line Number..."));
    m_edit = new QLineEdit(QStringLiteral("1"), this);
    auto *label = new QLabel(QStringLiteral("Line Number:"), this);
    label->setBuddy(m_edit);
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { applyText(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GotoLineDialog::showFor(CodeEditor *editor, std::function<CodeEditor *()> activeEditor)
{
    m_shownFor = editor;
    m_activeEditor = std::move(activeEditor);
    adjustSize();
    showCentredOnScreen(this);
    m_edit->selectAll();
    m_edit->setFocus();
}

bool GotoLineDialog::applyText()
{
    const std::optional<int> line = parseLineNumber(m_edit->text());
    if (!line) {
        // Refused instead of failing the conversion: the caret stays and the
        // dialog stays open for a correction.
        showMessage(this, MessageKind::Warning, windowTitle(),
                    QStringLiteral("'%1' is not a valid line number.").arg(m_edit->text()));
        return false;
    }
    // The document may have been closed while the dialog was open.
    CodeEditor *target = m_activeEditor ? m_activeEditor() : m_shownFor.data();
    if (target) {
        target->SetCaretLine(*line);
        target->setFocus();
    }
    hide();
    return true;
}

} // namespace tagloom
