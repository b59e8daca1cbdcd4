#include "codetools/ui/rtf_editor_window.h"

#include "base/file_io.h"
#include "base/ui/colour_dialogs.h"
#include "base/ui/file_dialogs.h"
#include "base/ui/messages.h"
#include "codetools/rtf_reader.h"
#include "codetools/rtf_writer.h"
#include "codetools/ui/rich_text_document.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>

namespace tagloom {

namespace {

const QStringList &rtfFilters()
{
    static const QStringList filters = {QStringLiteral("Rich Text Format (*.rtf)|*.rtf"),
                                        QStringLiteral("All Files (*.*)|*.*")};
    return filters;
}

// RTF is ASCII; what the writer adds beyond it is UTF-8. Bytes that are not
// UTF-8 are read one byte per character.
QString decodeRtf(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

RtfEditorWindow::RtfEditorWindow(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("RtfEditor"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_edit = new QTextEdit(this);
    m_edit->setAcceptRichText(true);
    QFont base(QStringLiteral("Arial"));
    base.setPointSize(10);
    m_edit->document()->setDefaultFont(base);
    setCentralWidget(m_edit);
    buildToolbars();
    connect(m_edit, &QTextEdit::currentCharFormatChanged, this, &RtfEditorWindow::showFormat);
    connect(m_edit, &QTextEdit::cursorPositionChanged, this,
            [this] { m_bullets->setChecked(m_edit->textCursor().currentList() != nullptr); });
    connect(m_edit->document(), &QTextDocument::modificationChanged, this, &RtfEditorWindow::updateTitle);
    resize(640, 480);
    updateTitle();
}

void RtfEditorWindow::buildToolbars()
{
    QToolBar *file = addToolBar(QStringLiteral("File"));
    file->addAction(QIcon::fromTheme(QStringLiteral("document-new")), QStringLiteral("&New"), this,
                    &RtfEditorWindow::newFile);
    file->addAction(QIcon::fromTheme(QStringLiteral("document-open")), QStringLiteral("&Open..."), this,
                    &RtfEditorWindow::open);
    QAction *saveAction = file->addAction(QIcon::fromTheme(QStringLiteral("document-save")), QStringLiteral("&Save"),
                                          this, [this] { save(); });
    saveAction->setShortcut(QKeySequence::Save);
    file->addAction(QStringLiteral("Save &As..."), this, [this] { saveAs(); });

    QToolBar *format = addToolBar(QStringLiteral("Format"));
    auto toggle = [&](const char *theme, const QString &text, const QKeySequence &key, auto apply) {
        QAction *a = format->addAction(QIcon::fromTheme(QLatin1String(theme)), text);
        a->setCheckable(true);
        a->setShortcut(key);
        addAction(a); // the key works wherever the focus is in this window
        connect(a, &QAction::triggered, this, apply);
        return a;
    };
    m_bold = toggle("format-text-bold", QStringLiteral("&Bold"), QKeySequence::Bold, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(f);
    });
    m_italic = toggle("format-text-italic", QStringLiteral("&Italic"), QKeySequence::Italic, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        mergeFormat(f);
    });
    m_underline = toggle("format-text-underline", QStringLiteral("&Underline"), QKeySequence::Underline,
                         [this](bool on) {
                             QTextCharFormat f;
                             f.setFontUnderline(on);
                             mergeFormat(f);
                         });
    format->addSeparator();
    m_font = new QFontComboBox(format);
    m_font->setObjectName(QStringLiteral("FontName"));
    format->addWidget(m_font);
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        QTextCharFormat f;
        f.setFontFamilies({font.family()});
        mergeFormat(f);
    });
    m_size = new QComboBox(format);
    m_size->setObjectName(QStringLiteral("FontSize"));
    m_size->setEditable(true);
    for (int points : {8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 36, 48, 72})
        m_size->addItem(QString::number(points));
    format->addWidget(m_size);
    connect(m_size, &QComboBox::textActivated, this, [this](const QString &text) {
        bool ok = false;
        const qreal points = text.toDouble(&ok);
        if (ok && points > 0 && points <= 1638) { // what RTF's half points can hold
            QTextCharFormat f;
            f.setFontPointSize(points);
            mergeFormat(f);
        }
    });
    format->addAction(QIcon::fromTheme(QStringLiteral("format-text-color")), QStringLiteral("&Colour..."), this, [this] {
        const QColor colour = chooseColour(this, m_edit->textColor());
        if (colour.isValid()) {
            QTextCharFormat f;
            f.setForeground(colour);
            mergeFormat(f);
        }
    });
    format->addSeparator();
    for (const auto &[theme, text, align] :
         {std::tuple{"format-justify-left", "Align &Left", Qt::AlignLeft},
          std::tuple{"format-justify-center", "&Centre", Qt::AlignHCenter},
          std::tuple{"format-justify-right", "Align &Right", Qt::AlignRight}}) {
        format->addAction(QIcon::fromTheme(QLatin1String(theme)), QLatin1String(text), this,
                          [this, align = align] { m_edit->setAlignment(align); });
    }
    m_bullets = format->addAction(QIcon::fromTheme(QStringLiteral("format-list-unordered")), QStringLiteral("B&ullets"));
    m_bullets->setCheckable(true);
    connect(m_bullets, &QAction::triggered, this, [this](bool on) {
        QTextCursor cursor = m_edit->textCursor();
        if (on) {
            cursor.createList(QTextListFormat::ListDisc);
        } else if (QTextList *list = cursor.currentList()) {
            list->remove(cursor.block());
            QTextBlockFormat plain = cursor.blockFormat();
            plain.setIndent(0);
            cursor.setBlockFormat(plain);
        }
    });
}

void RtfEditorWindow::mergeFormat(const QTextCharFormat &format)
{
    // The selection takes the format; without one, what is typed next.
    m_edit->mergeCurrentCharFormat(format);
    m_edit->setFocus();
}

void RtfEditorWindow::showFormat(const QTextCharFormat &format)
{
    const QFont font = format.font();
    m_bold->setChecked(font.bold());
    m_italic->setChecked(font.italic());
    m_underline->setChecked(font.underline());
    {
        const QSignalBlocker quiet(m_font);
        m_font->setCurrentFont(font);
    }
    m_size->setEditText(QString::number(font.pointSizeF()));
}

void RtfEditorWindow::updateTitle()
{
    const QString name = m_fileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_fileName).fileName();
    setWindowTitle(QStringLiteral("RTF Editor - ") + name + (m_edit->document()->isModified() ? QStringLiteral(" *") : QString()));
}

bool RtfEditorWindow::maySwitchAway()
{
    if (!m_edit->document()->isModified())
        return true;
    const QString name = m_fileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_fileName).fileName();
    switch (showMessage(this, MessageKind::Question, QString(), QStringLiteral("Save the changes to %1?").arg(name),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return save();
    case QMessageBox::No: return true;
    default: return false;
    }
}

void RtfEditorWindow::newFile()
{
    if (!maySwitchAway())
        return;
    m_edit->clear();
    m_fileName.clear();
    m_edit->document()->setModified(false);
    updateTitle();
}

void RtfEditorWindow::open()
{
    if (!maySwitchAway())
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Open Rich Text...");
    request.filters = rtfFilters();
    const QString path = chooseFile(this, request);
    if (!path.isEmpty())
        openFile(path);
}

bool RtfEditorWindow::openFile(const QString &path)
{
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes) {
        showMessage(this, MessageKind::Error, QString(), bytes.error);
        return false;
    }
    fillDocument(*m_edit->document(), readRtf(decodeRtf(*bytes)));
    m_fileName = path;
    m_edit->document()->setModified(false);
    updateTitle();
    return true;
}

bool RtfEditorWindow::save() { return m_fileName.isEmpty() ? saveAs() : saveTo(m_fileName); }

bool RtfEditorWindow::saveAs()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Save Rich Text As...");
    request.filters = rtfFilters();
    request.defaultSuffix = QStringLiteral("rtf");
    request.proposedPath = m_fileName;
    const QString path = chooseFile(this, request);
    return !path.isEmpty() && saveTo(path);
}

bool RtfEditorWindow::saveTo(const QString &path)
{
    const Status written = writeFileAtomically(path, writeRtf(richTextOf(*m_edit->document())).toUtf8());
    if (!written) {
        showMessage(this, MessageKind::Error, QString(), written.error);
        return false;
    }
    m_fileName = path;
    m_edit->document()->setModified(false);
    updateTitle();
    return true;
}

void RtfEditorWindow::closeEvent(QCloseEvent *event)
{
    if (maySwitchAway())
        event->accept();
    else
        event->ignore();
}

} // namespace tagloom
