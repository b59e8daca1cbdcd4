#include "codetools/rtf_reader.h"

#include <QHash>
#include <QStringView>

namespace tagloom {

namespace {

enum class Destination { Text, FontTable, ColourTable, Skip };

struct CharFormat {
    int font = -1;
    int halfPoints = 24; // RTF's own default size, 12 points
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct GroupState {
    CharFormat format;
    Destination destination = Destination::Text;
    int skipAfterUnicode = 1; // "\ucN"
};

// Groups whose text is no part of the document.
bool isSkippedDestination(QStringView word)
{
    static const QStringView skipped[] = {u"stylesheet", u"info", u"pict", u"header", u"footer", u"headerl",
                                          u"headerr", u"headerf", u"footerl", u"footerr", u"footerf",
                                          u"footnote", u"object", u"field", u"fldinst", u"listtable",
                                          u"listoverridetable", u"revtbl", u"rsidtbl", u"generator",
                                          u"themedata", u"colorschememapping", u"latentstyles", u"datastore",
                                          u"xmlnstbl", u"mmathPr", u"pntext", u"pntxta", u"pntxtb"};
    for (QStringView s : skipped)
        if (word == s)
            return true;
    return false;
}

// The characters RTF writes as named control words.
QChar specialCharacter(QStringView word)
{
    static const QHash<QString, char16_t> table = {
        {QStringLiteral("emdash"), 0x2014},    {QStringLiteral("endash"), 0x2013},
        {QStringLiteral("bullet"), 0x2022},    {QStringLiteral("lquote"), 0x2018},
        {QStringLiteral("rquote"), 0x2019},    {QStringLiteral("ldblquote"), 0x201C},
        {QStringLiteral("rdblquote"), 0x201D}, {QStringLiteral("emspace"), 0x2003},
        {QStringLiteral("enspace"), 0x2002},
    };
    const auto it = table.constFind(word.toString());
    return it == table.constEnd() ? QChar() : QChar(*it);
}

class Reader {
public:
    explicit Reader(QStringView source) : m_s(source) {}

    RichText read()
    {
        while (m_i < m_s.size()) {
            const QChar c = m_s[m_i++];
            switch (c.unicode()) {
            case '{':
                m_groups.append(state());
                break;
            case '}':
                if (m_groups.size() > 1)
                    m_groups.removeLast();
                break;
            case '\\':
                controlSymbolOrWord();
                break;
            case '\r':
            case '\n':
                break;
            default:
                character(c);
                break;
            }
        }
        finish();
        return m_text;
    }

private:
    GroupState &state() { return m_groups.last(); }

    void controlSymbolOrWord()
    {
        if (m_i >= m_s.size())
            return;
        const QChar c = m_s[m_i];
        if (!c.isLetter()) {
            ++m_i;
            switch (c.unicode()) {
            case '\\':
            case '{':
            case '}':
                character(c);
                break;
            case '\'':
                hexCharacter();
                break;
            case '*':
                state().destination = Destination::Skip; // a destination we may ignore
                break;
            case '~':
                character(QChar(0x00A0));
                break;
            case '_':
                character(QLatin1Char('-'));
                break;
            case '\r':
            case '\n':
                paragraphEnd();
                break;
            default:
                break; // "\-" and other symbols: nothing to keep
            }
            return;
        }
        const qsizetype start = m_i;
        while (m_i < m_s.size() && m_s[m_i].isLetter())
            ++m_i;
        const QStringView word = m_s.sliced(start, m_i - start);
        bool hasParameter = false;
        int parameter = 0;
        const qsizetype numberStart = m_i;
        if (m_i < m_s.size() && (m_s[m_i] == QLatin1Char('-') || m_s[m_i].isDigit())) {
            ++m_i;
            while (m_i < m_s.size() && m_s[m_i].isDigit())
                ++m_i;
            parameter = m_s.sliced(numberStart, m_i - numberStart).toInt(&hasParameter);
        }
        if (m_i < m_s.size() && m_s[m_i] == QLatin1Char(' '))
            ++m_i; // the delimiting space belongs to the word
        controlWord(word, hasParameter, parameter);
    }

    void hexCharacter()
    {
        if (m_i + 2 > m_s.size())
            return;
        bool ok = false;
        const int byte = m_s.sliced(m_i, 2).toInt(&ok, 16);
        m_i += 2;
        if (ok)
            character(QChar(byte)); // Western text: the byte is its Latin-1 character
    }

    void controlWord(QStringView word, bool hasParameter, int parameter)
    {
        GroupState &g = state();
        CharFormat &f = g.format;
        const bool on = !hasParameter || parameter != 0;
        if (word == u"fonttbl") {
            g.destination = Destination::FontTable;
        } else if (word == u"colortbl") {
            g.destination = Destination::ColourTable;
            m_colourOpen = false;
        } else if (word == u"pntext" || word == u"pn") {
            m_paragraph.bullet = true;
            g.destination = Destination::Skip;
        } else if (isSkippedDestination(word)) {
            g.destination = Destination::Skip;
        } else if (g.destination == Destination::FontTable) {
            if (word == u"f" && hasParameter) {
                m_fontIndex = parameter;
                m_fontName.clear();
            }
        } else if (g.destination == Destination::ColourTable) {
            if (word == u"red" || word == u"green" || word == u"blue") {
                m_colourOpen = true;
                int &part = word == u"red" ? m_colour.red : word == u"green" ? m_colour.green : m_colour.blue;
                part = qBound(0, parameter, 255);
            }
        } else if (g.destination == Destination::Skip) {
            // nothing of a skipped group counts
        } else if (word == u"deff") {
            m_defaultFont = parameter;
        } else if (word == u"par" || word == u"sect" || word == u"page") {
            paragraphEnd();
        } else if (word == u"pard") {
            m_paragraph.alignment = RichAlignment::Left;
            m_paragraph.bullet = false;
        } else if (word == u"plain") {
            f = CharFormat();
        } else if (word == u"f") {
            f.font = parameter;
        } else if (word == u"fs") {
            f.halfPoints = parameter > 0 ? parameter : 24;
        } else if (word == u"cf") {
            f.colour = parameter;
        } else if (word == u"b") {
            f.bold = on;
        } else if (word == u"i") {
            f.italic = on;
        } else if (word == u"ul") {
            f.underline = on;
        } else if (word == u"ulnone") {
            f.underline = false;
        } else if (word == u"qc") {
            m_paragraph.alignment = RichAlignment::Centre;
        } else if (word == u"qr") {
            m_paragraph.alignment = RichAlignment::Right;
        } else if (word == u"ql" || word == u"qj") {
            m_paragraph.alignment = RichAlignment::Left;
        } else if (word == u"line") {
            character(QLatin1Char('\n'));
        } else if (word == u"tab") {
            character(QLatin1Char('\t'));
        } else if (word == u"uc") {
            g.skipAfterUnicode = qMax(0, parameter);
        } else if (word == u"u") {
            character(QChar(char16_t(qint16(parameter))));
            skipFallback(g.skipAfterUnicode);
        } else if (const QChar special = specialCharacter(word); !special.isNull()) {
            character(special);
        }
    }

    // The characters written for readers that do not know "\u".
    void skipFallback(int count)
    {
        for (int n = 0; n < count && m_i < m_s.size(); ++n) {
            if (m_s[m_i] == QLatin1Char('\\') && m_i + 1 < m_s.size() && m_s[m_i + 1] == QLatin1Char('\''))
                m_i += 4;
            else if (m_s[m_i] == QLatin1Char('{') || m_s[m_i] == QLatin1Char('}') || m_s[m_i] == QLatin1Char('\\'))
                return;
            else
                ++m_i;
        }
    }

    void character(QChar c)
    {
        switch (state().destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (c == QLatin1Char(';')) {
                if (m_fontIndex >= 0)
                    m_fonts.insert(m_fontIndex, m_fontName.trimmed());
                m_fontName.clear();
            } else {
                m_fontName += c;
            }
            return;
        case Destination::ColourTable:
            if (c == QLatin1Char(';')) {
                // The first, empty entry is the automatic colour.
                m_colours.append(m_colourOpen ? std::optional<RichColour>(m_colour) : std::nullopt);
                m_colour = RichColour();
                m_colourOpen = false;
            }
            return;
        case Destination::Text:
            break;
        }
        const CharFormat &f = state().format;
        RichRun run;
        run.fontFamily = m_fonts.value(f.font >= 0 ? f.font : m_defaultFont);
        run.halfPoints = f.halfPoints;
        run.colour = f.colour > 0 && f.colour < m_colours.size() ? m_colours.at(f.colour) : std::nullopt;
        run.bold = f.bold;
        run.italic = f.italic;
        run.underline = f.underline;
        QList<RichRun> &runs = m_paragraph.runs;
        if (!runs.isEmpty()) {
            const RichRun &last = runs.last();
            if (last.fontFamily == run.fontFamily && last.halfPoints == run.halfPoints && last.colour == run.colour &&
                last.bold == run.bold && last.italic == run.italic && last.underline == run.underline) {
                runs.last().text += c;
                return;
            }
        }
        run.text = c;
        runs.append(run);
    }

    void paragraphEnd()
    {
        if (state().destination != Destination::Text)
            return;
        m_text.paragraphs.append(m_paragraph);
        m_paragraph.runs.clear(); // alignment and bullets last until "\pard"
    }

    void finish()
    {
        if (!m_paragraph.runs.isEmpty() || !m_text.paragraphs.isEmpty())
            m_text.paragraphs.append(m_paragraph);
        if (m_fonts.contains(m_defaultFont) && !m_fonts.value(m_defaultFont).isEmpty())
            m_text.defaultFont = m_fonts.value(m_defaultFont);
    }

    QStringView m_s;
    qsizetype m_i = 0;
    QList<GroupState> m_groups{GroupState()};
    RichText m_text;
    RichParagraph m_paragraph;
    QHash<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_fontIndex = -1;
    QString m_fontName;
    QList<std::optional<RichColour>> m_colours;
    RichColour m_colour;
    bool m_colourOpen = false;
};

} // namespace

RichText readRtf(const QString &source) { return Reader(source).read(); }

} // namespace tagloom
