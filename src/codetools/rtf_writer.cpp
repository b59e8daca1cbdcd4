#include "codetools/rtf_writer.h"

#include <QStringList>

namespace tagloom {

namespace {

constexpr int BulletIndent = 360; // twips

// Collects the font and colour tables as the runs use them.
struct Tables {
    QStringList fonts;
    QList<RichColour> colours{RichColour{}}; // entry 0: the default colour
    int symbolFont = -1;

    int font(const QString &family)
    {
        qsizetype at = fonts.indexOf(family);
        if (at < 0) {
            fonts.append(family);
            at = fonts.size() - 1;
        }
        return int(at);
    }
    int colour(const std::optional<RichColour> &c)
    {
        if (!c)
            return 0;
        qsizetype at = colours.indexOf(*c);
        if (at < 0) {
            colours.append(*c);
            at = colours.size() - 1;
        }
        return int(at);
    }
};

// A font name may not hold the characters that end or nest a table entry.
QString cleanFontName(const QString &name)
{
    QString out;
    for (const QChar c : name)
        if (c != QLatin1Char(';') && c != QLatin1Char('{') && c != QLatin1Char('}') && c != QLatin1Char('\\') &&
            c.unicode() >= 32)
            out.append(c);
    return out;
}

class RtfBuilder {
public:
    explicit RtfBuilder(const RichText &text) : m_text(text)
    {
        m_tables.font(defaultFont());
        for (const RichParagraph &p : text.paragraphs) {
            for (const RichRun &run : p.runs) {
                m_tables.font(run.fontFamily.isEmpty() ? defaultFont() : run.fontFamily);
                m_tables.colour(run.colour);
            }
            if (p.bullet && m_tables.symbolFont < 0)
                m_tables.symbolFont = m_tables.font(QStringLiteral("Symbol"));
        }
    }

    QString build()
    {
        raw(QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl"));
        for (int i = 0; i < m_tables.fonts.size(); ++i)
            raw(QStringLiteral("{\\f%1\\fnil\\fcharset%2 %3;}")
                    .arg(i)
                    .arg(i == m_tables.symbolFont ? 2 : 0)
                    .arg(cleanFontName(m_tables.fonts.at(i))));
        raw(QStringLiteral("}\r\n{\\colortbl"));
        for (const RichColour &c : m_tables.colours)
            raw(QStringLiteral("\\red%1\\green%2\\blue%3;").arg(c.red).arg(c.green).arg(c.blue));
        raw(QStringLiteral("}\r\n"));
        word(QStringLiteral("\\deflang1033"));

        const QList<RichParagraph> &paragraphs = m_text.paragraphs;
        bool inList = false;
        for (qsizetype k = 0; k < paragraphs.size(); ++k) {
            const RichParagraph &p = paragraphs.at(k);
            word(QStringLiteral("\\pard"));
            if (p.alignment == RichAlignment::Centre)
                word(QStringLiteral("\\qc"));
            else if (p.alignment == RichAlignment::Right)
                word(QStringLiteral("\\qr"));
            if (p.bullet)
                bullet(!inList);
            inList = p.bullet;
            for (const RichRun &run : p.runs)
                writeRun(run);
            if (k + 1 < paragraphs.size())
                raw(QStringLiteral("\\par \r\n"));
        }
        raw(QStringLiteral("}"));
        return m_out;
    }

private:
    QString defaultFont() const
    {
        return m_text.defaultFont.isEmpty() ? QStringLiteral("Arial") : m_text.defaultFont;
    }

    // A control word: the text after it needs a delimiting space.
    void word(const QString &w)
    {
        m_out += w;
        m_delimit = true;
    }
    void raw(const QString &s)
    {
        m_out += s;
        m_delimit = false;
    }

    // The bullet of a list item; the first item of a list also starts the
    // list ("\fi" with a parameter, which the hanging indent then overrides).
    void bullet(bool firstItem)
    {
        if (firstItem)
            word(QStringLiteral("\\fi0"));
        const QString symbol = QString::number(m_tables.symbolFont);
        raw(QStringLiteral("{\\pntext\\f%1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf%1\\pnindent%2{\\pntxtb\\'b7}}")
                .arg(symbol)
                .arg(BulletIndent));
        word(QStringLiteral("\\fi-%1\\li%1").arg(BulletIndent));
    }

    void writeRun(const RichRun &run)
    {
        const int font = m_tables.font(run.fontFamily.isEmpty() ? defaultFont() : run.fontFamily);
        const int halfPoints = run.halfPoints > 0 ? run.halfPoints : m_text.defaultHalfPoints;
        const int colour = m_tables.colour(run.colour);
        // Bold, italic and underline end only with "\plain", which also puts
        // font, size and colour back to their defaults.
        if ((m_bold && !run.bold) || (m_italic && !run.italic) || (m_underline && !run.underline)) {
            word(QStringLiteral("\\plain"));
            m_bold = m_italic = m_underline = false;
            m_font = m_halfPoints = -1;
            m_colour = 0;
        }
        if (font != m_font)
            word(QStringLiteral("\\f%1").arg(m_font = font));
        if (halfPoints != m_halfPoints)
            word(QStringLiteral("\\fs%1").arg(m_halfPoints = halfPoints));
        if (colour != m_colour)
            word(QStringLiteral("\\cf%1").arg(m_colour = colour));
        if (run.bold && !m_bold)
            word(QStringLiteral("\\b"));
        if (run.italic && !m_italic)
            word(QStringLiteral("\\i"));
        if (run.underline && !m_underline)
            word(QStringLiteral("\\ul"));
        m_bold = run.bold;
        m_italic = run.italic;
        m_underline = run.underline;
        writeText(run.text);
    }

    void writeText(const QString &text)
    {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u == '\t') {
                word(QStringLiteral("\\tab"));
                continue;
            }
            if (u == '\n') {
                word(QStringLiteral("\\line"));
                continue;
            }
            if (u < 32)
                continue;
            if (u == '\\' || u == '{' || u == '}') {
                raw(QLatin1Char('\\') + c);
            } else if (u == ';' || (u >= 128 && u <= 255)) {
                // ";" right after a control word would be taken as part of it.
                raw(QStringLiteral("\\'%1").arg(int(u), 2, 16, QLatin1Char('0')));
            } else if (u > 255) {
                m_out += QStringLiteral("\\u%1").arg(int(qint16(u)));
                m_out += c; // the one-character fallback
                m_delimit = false;
            } else {
                if (m_delimit)
                    m_out += QLatin1Char(' ');
                raw(QString(c));
            }
        }
    }

    const RichText &m_text;
    Tables m_tables;
    QString m_out;
    bool m_delimit = false;
    // The character format in force, as the reader will have it.
    bool m_bold = false, m_italic = false, m_underline = false;
    int m_font = -1, m_halfPoints = -1, m_colour = 0;
};

} // namespace

QString writeRtf(const RichText &text)
{
    return RtfBuilder(text).build();
}

} // namespace tagloom
