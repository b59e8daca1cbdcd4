#include "codetools/document_analysis.h"

#include "base/text_codec.h"
#include "codetools/analysis_rules.h"
#include "codetools/html5_rules.h"
#include "codetools/html_parser.h"
#include "codetools/html_tag_stream.h"
#include "codetools/tag_tokens.h"

#include <QStringDecoder>
#include <algorithm>
#include <string>

namespace tagloom {

namespace {

// Views of the two kinds of text a tag is checked in: the parser's UTF-16
// nodes and a page's own bytes.
QStringView viewOf(const std::u16string &text)
{
    return QStringView(text.data(), qsizetype(text.size()));
}
QByteArrayView viewOf(const std::string &text)
{
    return QByteArrayView(text.data(), qsizetype(text.size()));
}

// A line feed in a raw tag stands for server-side code (no other raw tag
// holds one): a name with one in it is partly written by that code.
template <typename Char>
bool writtenByServer(const Char *p, qsizetype n)
{
    return std::find(p, p + n, Char('\n')) != p + n;
}

// The findings of one tag, from its raw text, handed to `report` as
// (invalid, message, type, where): `where` is the raw offset of the
// attribute named, or -1 for the tag itself. Names are upper-cased into
// reused strings and the message is built in one.
template <typename Char>
class TagChecker {
public:
    using String = std::basic_string<Char>;

    explicit TagChecker(const RuleTable &rules = html4Rules())
        : m_rules(&rules), m_foreign(rules.hasForeign()), m_slash(rules.selfClosingSlash())
    {
    }

    // `serverCode`: the raw text holds server code, whose names are not judged.
    template <typename Report>
    void check(const Char *raw, qsizetype n, Report &&report, bool serverCode = false)
    {
        const qsizetype nameEnd = tag_tokens::nameEnd(raw, n);
        if (serverCode && writtenByServer(raw, nameEnd))
            return;
        upperInto(m_tag, raw, closedName(raw, nameEnd));
        const auto tag = viewOf(m_tag);
        if (m_foreign && insideForeign(raw, n))
            return;
        const int rule = m_rules->element(tag);
        if (rule >= 0) {
            qsizetype at = nameEnd < n ? nameEnd + 1 : n;
            tag_tokens::Token token;
            while (tag_tokens::nextToken(raw, n, at, token)) {
                if (serverCode && writtenByServer(raw + token.start, token.nameEnd - token.start))
                    continue;
                qsizetype end = token.nameEnd;
                if (m_slash && at >= n && token.nameEnd == token.end &&
                    raw[end - 1] == Char('/')) { // "<br />", "<input disabled/>"
                    if (--end == token.start)
                        continue;
                }
                upperInto(m_attribute, raw + token.start, end - token.start);
                const auto attribute = viewOf(m_attribute);
                switch (m_rules->attribute(rule, attribute)) {
                case RuleTable::Verdict::Permitted:
                    break;
                case RuleTable::Verdict::Unknown:
                    message({"UNKNOWN PROPERTY: ", &m_attribute, " IN <", &m_tag, ">"});
                    report(attribute, viewOf(m_message), kError, token.start);
                    break;
                case RuleTable::Verdict::Obsolete:
                    message({"SUPERCEEDED/DISCONTINUED: ", &m_attribute, " IN <", &m_tag, ">"});
                    report(attribute, viewOf(m_message), kDeprecated, token.start);
                    break;
                }
            }
        }
        if (m_rules->isSuperseded(tag)) {
            message({"SUPERCEEDED/DISCONTINUED: <", &m_tag, ">"});
            report(tag, viewOf(m_message), kDeprecated, qsizetype(-1));
        }
    }

private:
    // The name's length without the "/" of "<br/>" where the rules read it so.
    qsizetype closedName(const Char *raw, qsizetype nameEnd) const
    {
        return m_slash && nameEnd > 1 && raw[nameEnd - 1] == Char('/') ? nameEnd - 1 : nameEnd;
    }

    // Whether `tag` stands inside SVG or MathML (its own tags included);
    // counts their opening and end tags to know where they end.
    bool insideForeign(const Char *raw, qsizetype n)
    {
        const bool end = !m_tag.empty() && m_tag[0] == Char('/');
        const auto name = end ? viewOf(m_tag).sliced(1) : viewOf(m_tag);
        if (m_rules->isForeign(name)) {
            if (end)
                m_foreignDepth = m_foreignDepth > 0 ? m_foreignDepth - 1 : 0;
            else if (raw[n - 1] != Char('/'))
                ++m_foreignDepth;
            return true;
        }
        return m_foreignDepth > 0;
    }

    static void upperInto(String &out, const Char *p, qsizetype n)
    {
        out.assign(p, size_t(n));
        for (Char &c : out)
            if (c >= Char('a') && c <= Char('z'))
                c = Char(c - 32);
    }

    // A message of ASCII texts and names.
    struct Piece {
        Piece(const char *ascii) : ascii(ascii) {}
        Piece(const String *name) : name(name) {}
        const char *ascii = nullptr;
        const String *name = nullptr;
    };
    void message(std::initializer_list<Piece> pieces)
    {
        m_message.clear();
        for (const Piece &piece : pieces) {
            if (piece.name)
                m_message += *piece.name;
            else
                for (const char *c = piece.ascii; *c; ++c)
                    m_message += Char(*c);
        }
    }

    static constexpr const char *kError = "Error";
    static constexpr const char *kDeprecated = "Deprecated";

    const RuleTable *m_rules;
    bool m_foreign; // the rules have SVG and MathML to pass over
    bool m_slash;   // the rules read "<br/>" as a closed tag
    int m_foreignDepth = 0; // open SVG and MathML elements
    String m_tag;       // the tag's name, upper-cased
    String m_attribute; // the parameter's name, upper-cased
    String m_message;
};

} // namespace

class PageAnalysis::Work {
public:
    Work(Visit visit, const AnalysisOptions &options)
        : m_visit(std::move(visit)), m_rules(rulesOf(options, m_problem)), m_checker(*m_rules),
          m_tags([this](QByteArrayView raw) { checkTag(raw); }, options.skipServerCode, options.positions)
    {
    }
    void feed(QByteArrayView bytes)
    {
        if (reportedProblem())
            return;
        m_tags.feed(bytes);
    }
    void finish()
    {
        if (!reportedProblem())
            m_tags.finish();
    }
    qint64 count() const { return m_count; }

private:
    // The table `options` choose; when it cannot be had, the HTML 4 table
    // stands in (unused) and `problem` says why.
    static std::shared_ptr<const RuleTable> rulesOf(const AnalysisOptions &options, QByteArray &problem)
    {
        const std::shared_ptr<const RuleTable> html4(std::shared_ptr<const RuleTable>(), &html4Rules());
        if (options.rules != AnalysisRules::Html5)
            return html4;
        auto html5 = html5Rules(options.dataFolder);
        if (html5)
            return *html5;
        problem = (QStringLiteral("The HTML 5 table could not be read: ") + html5.error).toUtf8();
        return html4;
    }

    // Without its table the analysis would pass every page: it says so,
    // once, in place of any finding, and checks nothing.
    bool reportedProblem()
    {
        if (m_problem.isEmpty())
            return false;
        if (!m_problemReported) {
            m_problemReported = true;
            ++m_count;
            m_visit({QByteArrayView("HTML 5"), QByteArrayView(m_problem), QByteArrayView("Error"), 1, 1});
        }
        return true;
    }

    void checkTag(QByteArrayView raw)
    {
        m_checker.check(raw.data(), raw.size(),
                        [this](QByteArrayView invalid, QByteArrayView message, const char *type, qsizetype where) {
                            ++m_count;
                            const TextPosition at = where < 0 ? m_tags.tagPosition() : m_tags.positionOf(where);
                            m_visit({invalid, message, QByteArrayView(type), at.line, at.column});
                        },
                        m_tags.holdsServerCode());
    }

    Visit m_visit;
    QByteArray m_problem; // why the chosen table cannot be had
    bool m_problemReported = false;
    std::shared_ptr<const RuleTable> m_rules;
    TagChecker<char> m_checker;
    HtmlTagStream m_tags;
    qint64 m_count = 0;
};

PageAnalysis::PageAnalysis(Visit visit, const AnalysisOptions &options)
    : m_work(std::make_unique<Work>(std::move(visit), options))
{
}
PageAnalysis::~PageAnalysis() = default;

void PageAnalysis::feed(QByteArrayView bytes)
{
    m_work->feed(bytes);
}

void PageAnalysis::finish()
{
    m_work->finish();
}

qint64 PageAnalysis::count() const
{
    return m_work->count();
}

qint64 scanFindings(QByteArrayView fileBytes, const PageAnalysis::Visit &visit, const AnalysisOptions &options)
{
    PageAnalysis analysis(visit, options);
    analysis.feed(fileBytes);
    analysis.finish();
    return analysis.count();
}

namespace {

QVector<AnalysisRow> withAllClear(QVector<AnalysisRow> rows)
{
    if (rows.isEmpty())
        rows.append({QString(), QStringLiteral("No errors found in this document."), QString()});
    return rows;
}

} // namespace

QVector<AnalysisRow> analyseDocument(const THTMLParser &parsed)
{
    QVector<AnalysisRow> rows;
    TagChecker<char16_t> checker;
    for (const THTMLNode &node : parsed.Nodes) {
        const auto *tag = std::get_if<THTMLTag>(&node);
        if (!tag)
            continue;
        checker.check(tag->RawText.utf16(), tag->RawText.size(),
                      [&rows](QStringView invalid, QStringView message, const char *type, qsizetype) {
                          rows.append({invalid.toString(), message.toString(), QString::fromLatin1(type)});
                      });
    }
    return withAllClear(std::move(rows));
}

QVector<AnalysisRow> analyseFile(const QByteArray &fileBytes, const AnalysisOptions &options)
{
    AnalysisOptions withoutPositions = options; // the rows show none
    withoutPositions.positions = false;
    // Findings are in the page's own bytes; they read as the page does. A
    // name may begin with a byte-order mark, which is a character there.
    const bool utf8 = isValidUtf8(fileBytes);
    const auto text = [utf8](QByteArrayView bytes) {
        return utf8 ? QString(QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)(bytes))
                    : QString::fromLatin1(bytes);
    };
    QVector<AnalysisRow> rows;
    scanFindings(fileBytes, [&](const AnalysisFinding &f) {
        rows.append({text(f.invalid), text(f.message), text(f.type)});
    }, withoutPositions);
    return withAllClear(std::move(rows));
}

} // namespace tagloom
