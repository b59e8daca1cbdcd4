#include "styles/ui/style_editor.h"

#include "base/file_io.h"
#include "base/list_file.h"
#include "base/ui/file_dialogs.h"
#include "base/ui/messages.h"
#include "styles/style_filters.h"
#include "styles/ui/style_pages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <Qsci/qscilexercss.h>
#include <Qsci/qsciscintilla.h>

namespace tagloom {

namespace {

const QStringList kSelectors = {
    QStringLiteral("A"),  QStringLiteral("ADDRESS"), QStringLiteral("B"),      QStringLiteral("BIG"),
    QStringLiteral("BLOCKQUOTE"), QStringLiteral("BODY"), QStringLiteral("CAPTION"), QStringLiteral("CITE"),
    QStringLiteral("CODE"), QStringLiteral("DIV"), QStringLiteral("DL"), QStringLiteral("DT"),
    QStringLiteral("EM"), QStringLiteral("H1"), QStringLiteral("H2"), QStringLiteral("H3"),
    QStringLiteral("H4"), QStringLiteral("H5"), QStringLiteral("H6"), QStringLiteral("HR"),
    QStringLiteral("I"), QStringLiteral("LI"), QStringLiteral("MENU"), QStringLiteral("OL"),
    QStringLiteral("P"), QStringLiteral("PRE"), QStringLiteral("SELECT"), QStringLiteral("SMALL"),
    QStringLiteral("SPAN"), QStringLiteral("STRONG"), QStringLiteral("SUB"), QStringLiteral("SUP"),
    QStringLiteral("TABLE"), QStringLiteral("TD"), QStringLiteral("TH"), QStringLiteral("TR"),
    QStringLiteral("TT"), QStringLiteral("U"), QStringLiteral("UL"),
};

constexpr int kCompletionList = 1;

QsciLexerCSS *cssColouring(QObject *parent)
{
    auto *lexer = new QsciLexerCSS(parent);
    const QColor green(0, 128, 0), maroon(128, 0, 0), blue(0, 0, 255), purple(128, 0, 128);
    QFont italic = lexer->defaultFont(QsciLexerCSS::Comment);
    italic.setItalic(true);
    lexer->setColor(green, QsciLexerCSS::Comment);
    lexer->setFont(italic, QsciLexerCSS::Comment);
    for (int style : {QsciLexerCSS::CSS1Property, QsciLexerCSS::CSS2Property, QsciLexerCSS::CSS3Property,
                      QsciLexerCSS::UnknownProperty, QsciLexerCSS::ClassSelector, QsciLexerCSS::IDSelector})
        lexer->setColor(maroon, style);
    for (int style : {QsciLexerCSS::Tag, QsciLexerCSS::AtRule, QsciLexerCSS::Important}) {
        QFont bold = lexer->defaultFont(style);
        bold.setBold(true);
        lexer->setColor(blue, style);
        lexer->setFont(bold, style);
    }
    for (int style : {QsciLexerCSS::DoubleQuotedString, QsciLexerCSS::SingleQuotedString})
        lexer->setColor(purple, style);
    return lexer;
}

QsciScintilla *makePane(QWidget *parent)
{
    auto *pane = new QsciScintilla(parent);
    pane->setObjectName(QStringLiteral("StylePane"));
    pane->setLexer(cssColouring(pane));
    for (int margin = 0; margin < 3; ++margin)
        pane->setMarginWidth(margin, 0);
    pane->setIndentationsUseTabs(true);
    pane->setTabIndents(false);
    pane->setEolMode(QsciScintilla::EolWindows);
    pane->SendScintilla(QsciScintilla::SCI_AUTOCSETMAXHEIGHT, 8);
    return pane;
}

} // namespace

StyleEditor::StyleEditor(QString dataFolder, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      m_dataFolder(std::move(dataFolder))
{
    setObjectName(QStringLiteral("TStyleForm"));
    setWindowTitle(QStringLiteral("Quenby Hueloom"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);

    auto *top = new QGridLayout;
    m_selector = new QComboBox;
    m_selector->setObjectName(QStringLiteral("ComboBox971"));
    m_selector->setEditable(true);
    m_selector->setInsertPolicy(QComboBox::NoInsert);
    m_selector->addItems(kSelectors);
    m_selector->setEditText(QStringLiteral("Choose..."));
    top->addWidget(new QLabel(QStringLiteral("Style applies to:")), 0, 0);
    top->addWidget(m_selector, 0, 1);
    layout->addLayout(top);
    layout->addWidget(buildStylePages());

    auto *filterRow = new QGridLayout;
    m_filter = new QComboBox;
    m_filter->setObjectName(QStringLiteral("ComboBox9717"));
    m_filter->addItems(styleFilterNames());
    m_filter->setCurrentText(QStringLiteral("Cascading Style Sheets Level 1"));
    connect(m_filter, &QComboBox::textActivated, this, &StyleEditor::loadFilter);
    filterRow->addWidget(new QLabel(QStringLiteral("Filter for Editor:")), 0, 0);
    filterRow->addWidget(m_filter, 0, 1);
    layout->addLayout(filterRow);

    m_pane = makePane(this);
    layout->addWidget(m_pane, 1);
    auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Space")), m_pane, nullptr, nullptr,
                                   Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, &StyleEditor::showCompletions);
    connect(m_pane, &QsciScintilla::userListActivated, this, [this](int id, const QString &chosen) {
        if (id != kCompletionList)
            return;
        int line = 0, index = 0;
        m_pane->getCursorPosition(&line, &index);
        const QString token = tokenBefore(m_pane->text(line), index);
        m_pane->setSelection(line, index - int(token.size()), line, index);
        m_pane->replaceSelectedText(chosen);
    });

    auto *tip = new QHBoxLayout;
    tip->addWidget(new QLabel(QStringLiteral("Tip")));
    tip->addWidget(new QLabel(QStringLiteral("  Press [Ctrl] + [Space] for filtered list of variables.")), 1);
    layout->addLayout(tip);

    auto *buttons = new QDialogButtonBox;
    const auto add = [&](const char *caption, void (StyleEditor::*action)()) {
        QPushButton *button = buttons->addButton(QLatin1String(caption), QDialogButtonBox::ActionRole);
        button->setAutoDefault(false);
        if (action)
            connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    add("Generate", &StyleEditor::generate)->setDefault(true);
    add("Clear All", &StyleEditor::clearAll);
    add("Save", &StyleEditor::save);
    connect(add("Quit", nullptr), &QPushButton::clicked, this, &StyleEditor::reject);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(560, 620)));
}

void StyleEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    clearAll();
}

void StyleEditor::reject()
{
    hide();
}

void StyleEditor::loadFilter(const QString &filter)
{
    const QString path = styleFilterPath(m_dataFolder, filter);
    if (path.isEmpty())
        return;
    const Result<QStringList> entries = readListFile(path);
    if (!entries) {
        showMessage(this, MessageKind::Error, QString(), entries.error);
        return;
    }
    m_entries = *entries;
}

void StyleEditor::clearAll()
{
    loadFilter(m_filter->currentText());
    m_pane->clear();
}

StyleFields StyleEditor::fields() const
{
    StyleFields fields;
    fields.selector = m_selector->currentText();
    for (const QComboBox *box : findChildren<QComboBox *>())
        if (box != m_selector && box != m_filter && !box->objectName().isEmpty())
            fields.values.insert(box->objectName(), box->currentText());
    for (const QLineEdit *box : findChildren<QLineEdit *>())
        if (!box->objectName().isEmpty() && !qobject_cast<QComboBox *>(box->parentWidget()))
            fields.values.insert(box->objectName(), box->text());
    return fields;
}

void StyleEditor::generate()
{
    // The block goes after whatever the pane holds, on lines of its own.
    QString block;
    const QString text = m_pane->text();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
        block += QStringLiteral("\r\n");
    for (const QString &line : styleBlockLines(fields()))
        block += line + QStringLiteral("\r\n");
    m_pane->append(block);
}

void StyleEditor::save()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Save As Cascading Style Sheet");
    request.filters = QStringList{QStringLiteral("CSS Files (*.css)|*.css")};
    request.defaultSuffix = QStringLiteral("css");
    request.confirmOverwrite = true;
    const QString path = chooseFile(this, request);
    if (path.isEmpty())
        return;
    if (const Status saved = writeFileAtomically(path, joinListText(splitTextLines(m_pane->text()))); !saved)
        showMessage(this, MessageKind::Error, QString(), saved.error);
}

void StyleEditor::showCompletions()
{
    int line = 0, index = 0;
    m_pane->getCursorPosition(&line, &index);
    const QStringList offered = completionsFor(m_entries, tokenBefore(m_pane->text(line), index));
    if (!offered.isEmpty())
        m_pane->showUserList(kCompletionList, offered);
}

} // namespace tagloom
