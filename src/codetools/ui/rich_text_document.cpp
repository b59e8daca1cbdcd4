#include "codetools/ui/rich_text_document.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <cmath>

namespace tagloom {

namespace {

int halfPointsOf(const QFont &font)
{
    const qreal points = font.pointSizeF();
    return points > 0 ? int(std::lround(points * 2)) : 0;
}

RichRun runOf(const QTextFragment &fragment, const RichText &text)
{
    const QTextCharFormat format = fragment.charFormat();
    RichRun run;
    for (const QChar c : fragment.text()) {
        if (c == QChar::LineSeparator)
            run.text += QLatin1Char('\n');
        else if (c != QChar::ObjectReplacementCharacter)
            run.text += c;
    }
    const QFont font = format.font();
    const QStringList families = font.families();
    const QString family = families.isEmpty() ? font.family() : families.first();
    if (family != text.defaultFont)
        run.fontFamily = family;
    const int halfPoints = halfPointsOf(font);
    if (halfPoints != text.defaultHalfPoints)
        run.halfPoints = halfPoints;
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
        const QColor c = format.foreground().color();
        run.colour = RichColour{c.red(), c.green(), c.blue()};
    }
    run.bold = font.bold();
    run.italic = font.italic();
    run.underline = font.underline();
    return run;
}

} // namespace

RichText richTextOf(const QTextDocument &document)
{
    RichText text;
    const QFont base = document.defaultFont();
    text.defaultFont = base.family();
    if (const int halfPoints = halfPointsOf(base))
        text.defaultHalfPoints = halfPoints;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        RichParagraph paragraph;
        const Qt::Alignment align = block.blockFormat().alignment();
        if (align & Qt::AlignHCenter)
            paragraph.alignment = RichAlignment::Centre;
        else if (align & Qt::AlignRight)
            paragraph.alignment = RichAlignment::Right;
        paragraph.bullet = block.textList() != nullptr;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid())
                paragraph.runs.append(runOf(it.fragment(), text));
        text.paragraphs.append(paragraph);
    }
    return text;
}

void fillDocument(QTextDocument &document, const RichText &text)
{
    document.clear();
    QFont base = document.defaultFont();
    base.setFamily(text.defaultFont);
    if (text.defaultHalfPoints > 0)
        base.setPointSizeF(text.defaultHalfPoints / 2.0);
    document.setDefaultFont(base);
    QTextCursor cursor(&document);
    QTextList *list = nullptr;
    for (qsizetype k = 0; k < text.paragraphs.size(); ++k) {
        const RichParagraph &p = text.paragraphs.at(k);
        QTextBlockFormat block;
        block.setAlignment(p.alignment == RichAlignment::Centre  ? Qt::AlignHCenter
                           : p.alignment == RichAlignment::Right ? Qt::AlignRight
                                                                 : Qt::AlignLeft);
        if (k == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block, QTextCharFormat());
        if (p.bullet) {
            if (list)
                list->add(cursor.block());
            else
                list = cursor.createList(QTextListFormat::ListDisc);
        } else {
            list = nullptr;
        }
        for (const RichRun &run : p.runs) {
            QTextCharFormat format;
            format.setFontFamilies({run.fontFamily.isEmpty() ? text.defaultFont : run.fontFamily});
            const int halfPoints = run.halfPoints > 0 ? run.halfPoints : text.defaultHalfPoints;
            if (halfPoints > 0)
                format.setFontPointSize(halfPoints / 2.0);
            if (run.colour)
                format.setForeground(QColor(run.colour->red, run.colour->green, run.colour->blue));
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            QString shown = run.text;
            shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(shown, format);
        }
    }
}

} // namespace tagloom
