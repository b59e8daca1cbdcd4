#include "tags/master_font_markup.h"

namespace tagloom {

const std::array<FontStyleInfo, FontStyleCount> &fontStyles()
{
    static const std::array<FontStyleInfo, FontStyleCount> styles = {{
        {FontStyle::Bold, "Bold", "<B>", "</B>"},
        {FontStyle::Italics, "Italics", "<I>", "</I>"},
        {FontStyle::Underline, "Underline", "<U>", "</U>"},
        {FontStyle::Typewriter, "Typewritter", "<TT>", "</TT>"},
        {FontStyle::Code, "Code", "<CODE>", "</CODE>"},
        {FontStyle::Blink, "Blink", "<BLINK>", "</BLINK>"},
        {FontStyle::Strikethrough, "Strikethrough", "<STRIKE>", "</STRIKE>"},
        {FontStyle::Citation, "Citation", "<CITE>", "</CITE>"},
        {FontStyle::Keyboard, "Keyboard", "<KBD>", "</KBD>"},
        {FontStyle::Definition, "Definition", "<DFN>", "</DFN>"},
    }};
    return styles;
}

const QList<NamedColour> &namedColours()
{
    // The sixteen colours HTML also knows by these names, so that the FONT
    // tag's colour means the same in every browser.
    static const QList<NamedColour> colours = {
        {"clBlack", 0, 0, 0},         {"clMaroon", 128, 0, 0},    {"clGreen", 0, 128, 0},
        {"clOlive", 128, 128, 0},     {"clNavy", 0, 0, 128},      {"clPurple", 128, 0, 128},
        {"clTeal", 0, 128, 128},      {"clGray", 128, 128, 128},  {"clSilver", 192, 192, 192},
        {"clRed", 255, 0, 0},         {"clLime", 0, 255, 0},      {"clYellow", 255, 255, 0},
        {"clBlue", 0, 0, 255},        {"clFuchsia", 255, 0, 255}, {"clAqua", 0, 255, 255},
        {"clWhite", 255, 255, 255},
    };
    return colours;
}

QString fontColourText(const QString &colourName)
{
    if (colourName.startsWith(QLatin1String("cl")))
        return colourName.mid(2);
    return colourName;
}

MarkupOutcome masterFontMarkup(const MasterFontFields &fields)
{
    QString open;
    QString closing;
    for (const FontStyleInfo &info : fontStyles()) {
        if (!fields.styles[size_t(info.style)])
            continue;
        open += QLatin1String(info.open);
        closing += QLatin1String(info.close);
    }
    open += QStringLiteral("<FONT face=\"") + fields.fontName + QStringLiteral("\" size=\"") + fields.size +
            QStringLiteral("\" color=\"") + fontColourText(fields.colourName) + QStringLiteral("\">");
    return MarkupOutcome::inserting(wrapInsertion(open, QStringLiteral("</FONT>") + closing));
}

} // namespace tagloom
