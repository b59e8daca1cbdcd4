#include "codetools/document_analysis.h"

#include "base/text_codec.h"
#include "codetools/analysis_rules.h"
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

    // `serverCode`: the raw text holds server code, whose names are not judged.
    template <typename Report>
    void check(const Char *raw, qsizetype n, Report &&report, bool serverCode = false)
    {
        const qsizetype nameEnd = tag_tokens::nameEnd(raw, n);
        if (serverCode && writtenByServer(raw, nameEnd))
            return;
        upperInto(m_tag, raw, nameEnd);
        const auto tag = viewOf(m_tag);
        if (const ElementRule *rule = findElementRule(tag)) {
            qsizetype at = nameEnd < n ? nameEnd + 1 : n;
            tag_tokens::Token token;
            while (tag_tokens::nextToken(raw, n, at, token)) {
                if (serverCode && writtenByServer(raw + token.start, token.nameEnd - token.start))
                    continue;
                upperInto(m_attribute, raw + token.start, token.nameEnd - token.start);
                const auto attribute = viewOf(m_attribute);
                if (!attributePermitted(*rule, attribute)) {
                    message({"UNKNOWN PROPERTY: ", &m_attribute, " IN <", &m_tag, ">"});
                    report(attribute, viewOf(m_message), kError, token.start);
                }
            }
        }
        if (isSupersededElement(tag)) {
            message({"SUPERCEEDED/DISCONTINUED: <", &m_tag, ">"});
            report(tag, viewOf(m_message), kDeprecated, qsizetype(-1));
        }
    }

private:
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

    String m_tag;       // the tag's name, upper-cased
    String m_attribute; // the parameter's name, upper-cased
    String m_message;
};

} // namespace

class PageAnalysis::Work {
public:
    Work(Visit visit, const AnalysisOptions &options)
        : m_visit(std::move(visit)),
          m_tags([this](QByteArrayView raw) { checkTag(raw); }, options.skipServerCode)
    {
    }
    HtmlTagStream &tags() { return m_tags; }
    qint64 count() const { return m_count; }

private:
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
    m_work->tags().feed(bytes);
}

void PageAnalysis::finish()
{
    m_work->tags().finish();
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
    }, options);
    return withAllClear(std::move(rows));
}

} // namespace tagloom
