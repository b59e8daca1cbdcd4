#include "vocabulary/format_snippets.h"

namespace tagloom {

Insertion fontApply(const QString &face, const QString &size)
{
    return wrapInsertion(QStringLiteral("<FONT face=\"") + face + QStringLiteral("\" size=\"") + size +
                             QStringLiteral("\">"),
                         QStringLiteral("</font>"));
}

Insertion fontSize(const QString &caption)
{
    QString size = caption;
    if (size.startsWith(QLatin1Char('+')))
        size.remove(0, 1);
    return wrapInsertion(QStringLiteral("<FONT size=\"") + size + QStringLiteral("\">"), QStringLiteral("</font>"));
}

Insertion boldWrap() { return wrapInsertion(QStringLiteral("<B>"), QStringLiteral("</b>")); }
Insertion italicWrap() { return wrapInsertion(QStringLiteral("<I>"), QStringLiteral("</i>")); }
Insertion underlineWrap() { return wrapInsertion(QStringLiteral("<U>"), QStringLiteral("</u>")); }
Insertion horizontalRule() { return lineInsertion(QStringLiteral("<HR>")); }
Insertion anchorLine() { return lineInsertion(QStringLiteral("<A name=\"..\">")); }
Insertion commentLine() { return lineInsertion(QStringLiteral("<!-- //-->")); }
Insertion lineBreak() { return appendInsertion(QStringLiteral("<BR>")); }
Insertion nonBreakingSpace() { return appendInsertion(QStringLiteral("&nbsp;")); }

const QStringList &formatBarFonts()
{
    static const QStringList fonts = {
        QStringLiteral("Arial, Helvetica, sans-serif"),
        QStringLiteral("Courier New, Courier, mono"),
        QStringLiteral("Georgia, Times New Roman, Times, serif"),
        QStringLiteral("Times New Roman, Times, serif"),
        QStringLiteral("Verdana, Arial, Helvetica, sans-serif"),
    };
    return fonts;
}

QString formatBarInitialFont() { return QStringLiteral("Verdana, Arial, Helvetica, sans-serif"); }

const QStringList &formatBarSizes()
{
    static const QStringList sizes = {
        QStringLiteral("+5"), QStringLiteral("+4"), QStringLiteral("+3"), QStringLiteral("+2"),
        QStringLiteral("+1"), QStringLiteral("-1"), QStringLiteral("-2"),
    };
    return sizes;
}

QString formatBarInitialSize() { return QStringLiteral("+2"); }

namespace {

FormatSnippet wrapped(const char *id, const char *open, const char *close)
{
    return {QLatin1String(id), wrapInsertion(QLatin1String(open), QLatin1String(close))};
}

QList<FormatSnippet> buildDocumentSnippets()
{
    QList<FormatSnippet> s = {
        {QStringLiteral("Format.Bold"), boldWrap()},
        {QStringLiteral("Format.Italic"), italicWrap()},
        {QStringLiteral("Format.Underline"), underlineWrap()},
        wrapped("Format.Strikethrough", "<STRIKE>", "</strike>"),
        wrapped("Format.Blink", "<BLINK>", "</blink>"),
    };
    for (const char *size : {"+5", "+4", "+3", "+2", "+1", "0", "-1", "-2"})
        s.append({QStringLiteral("Format.Size.") + QLatin1String(size), fontSize(QLatin1String(size))});
    for (int level = 1; level <= 5; ++level) {
        const QString n = QString::number(level);
        s.append({QStringLiteral("Format.H") + n,
                  wrapInsertion(QStringLiteral("<H%1>").arg(n), QStringLiteral("</h%1>").arg(n))});
    }
    s.append({
        wrapped("Format.Align.Left", "<div align=\"left\">", "</div>"),
        wrapped("Format.Align.Center", "<div align=\"center\">", "</div>"),
        wrapped("Format.Align.Right", "<div align=\"right\">", "</div>"),
        {QStringLiteral("Insert.Anchor"), anchorLine()},
        {QStringLiteral("Insert.Comment"), commentLine()},
        {QStringLiteral("Insert.Nbsp"), nonBreakingSpace()},
        {QStringLiteral("Insert.LineBreak"), lineBreak()},
        wrapped("Insert.Blank.Pair", "<>", "</>"),
        wrapped("Insert.Blank.Open", "<>", ""),
        wrapped("Insert.Blank.Close", "", "</>"),
        wrapped("Insert.Blank.Comment", "<!-- ", " //-->"),
        wrapped("Insert.Blank.Asp", "<% ", " %>"),
        wrapped("Insert.Blank.AspValue", "<%= ", " %>"),
        wrapped("Insert.Blank.Php", "<? ", " ?>"),
        wrapped("Insert.Blank.PhpLong", "<?php ", " ?>"),
    });
    return s;
}

} // namespace

const QList<FormatSnippet> &documentSnippets()
{
    static const QList<FormatSnippet> snippets = buildDocumentSnippets();
    return snippets;
}

std::optional<Insertion> documentSnippet(const QString &actionId)
{
    for (const FormatSnippet &s : documentSnippets())
        if (s.actionId == actionId)
            return s.insertion;
    return std::nullopt;
}

Insertion timestampInsertion()
{
    return lineInsertion(QStringLiteral(
        "Page was last updated on: <SCRIPT Language=\"JavaScript\"> document.write(document.lastModified); </SCRIPT>"));
}

} // namespace tagloom
