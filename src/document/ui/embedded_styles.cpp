#include "document/ui/embedded_styles.h"

#include "document/ui/code_editor.h"
#include "document/css_tokens.h"

namespace tagloom {

namespace {

using Sci = QsciScintillaBase;

// Indicators of our own, one per kind of style-sheet text, one for the tags.
constexpr int kFirstIndicator = 20;
constexpr int kTagIndicator = kFirstIndicator + 5;

long bgr(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

int indicatorOf(CssKind kind)
{
    return kFirstIndicator + static_cast<int>(kind);
}

} // namespace

EmbeddedStyles::EmbeddedStyles(CodeEditor *editor) : QObject(editor), m_editor(editor)
{
    const std::pair<CssKind, long> colours[] = {
        {CssKind::Comment, bgr(0, 128, 0)},   {CssKind::AtRule, bgr(128, 0, 128)},
        {CssKind::Selector, bgr(0, 0, 160)},  {CssKind::Property, bgr(160, 0, 0)},
        {CssKind::Value, bgr(0, 128, 255)},
    };
    for (const auto &[kind, colour] : colours) {
        const auto indicator = static_cast<unsigned long>(indicatorOf(kind));
        m_editor->SendScintilla(Sci::SCI_INDICSETSTYLE, indicator, 17L /* INDIC_TEXTFORE */);
        m_editor->SendScintilla(Sci::SCI_INDICSETFORE, indicator, colour);
    }
    const auto tag = static_cast<unsigned long>(kTagIndicator);
    m_editor->SendScintilla(Sci::SCI_INDICSETSTYLE, tag, static_cast<long>(Sci::INDIC_FULLBOX));
    m_editor->SendScintilla(Sci::SCI_INDICSETFORE, tag, bgr(255, 255, 0));
    m_editor->SendScintilla(Sci::SCI_INDICSETALPHA, tag, 255L);
    m_editor->SendScintilla(Sci::SCI_INDICSETUNDER, tag, 1L);

    m_delay.setSingleShot(true);
    m_delay.setInterval(250);
    connect(&m_delay, &QTimer::timeout, this, &EmbeddedStyles::recolour);
    connect(m_editor, &CodeEditor::changed, this, [this] {
        if (m_enabled)
            m_delay.start();
    });
}

void EmbeddedStyles::setEnabled(bool on)
{
    m_enabled = on;
    if (on)
        recolour();
    else
        clear();
}

void EmbeddedStyles::clear()
{
    const long length = m_editor->SendScintilla(Sci::SCI_GETLENGTH);
    for (int indicator = kFirstIndicator; indicator <= kTagIndicator; ++indicator) {
        m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
        m_editor->SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL, length);
    }
}

void EmbeddedStyles::recolour()
{
    clear();
    if (!m_enabled)
        return;
    // Bytes seen one per character, so every offset is a document position.
    const QString text = QString::fromLatin1(m_editor->buffer());
    auto fill = [this](int indicator, qsizetype start, qsizetype length) {
        m_editor->SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<unsigned long>(indicator));
        m_editor->SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start),
                                static_cast<long>(length));
    };
    for (const StyleBlock &block : styleBlocks(text)) {
        fill(kTagIndicator, block.start, block.contentStart - block.start);
        fill(kTagIndicator, block.contentEnd, block.end - block.contentEnd);
        const QStringView sheet = QStringView(text).mid(block.contentStart, block.contentEnd - block.contentStart);
        for (const CssToken &token : cssTokens(sheet))
            fill(indicatorOf(token.kind), block.contentStart + token.start, token.length);
    }
}

} // namespace tagloom
