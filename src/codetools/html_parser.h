#pragma once
// A small, forgiving HTML tokenizer: text lines in, a flat list of tag and
// text nodes out. It builds no tree, pairs no tags and never rejects input.
// Tags know nothing of quotes, comments or scripts: every "<" and ">" counts.
// Text nodes carry their text with runs of spaces collapsed and character
// references decoded (decoded text is never decoded again).
//
// The nodes and every string they hold live as long as their parser: the
// strings are views into the parsed text (which the parser keeps) or into
// the parser's own storage, so a large page parses without an allocation or
// a copy per node. Copy a string (toString()) to keep it.

#include "base/large_blocks.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

namespace tagloom {

struct THTMLParam {
    QStringView Name;    // before the first "=", upper-cased (ASCII letters only)
    QStringView Value;   // after the first "=", one pair of enclosing double quotes removed
    QStringView RawText; // the token as collected
};

// The parameters of one tag, in source order.
class THTMLParamList {
public:
    const THTMLParam *begin() const { return m_begin; }
    const THTMLParam *end() const { return m_end; }
    qsizetype size() const { return m_end - m_begin; }
    bool isEmpty() const { return m_begin == m_end; }
    const THTMLParam &at(qsizetype i) const { return m_begin[i]; }
    const THTMLParam &first() const { return *m_begin; }

private:
    friend class THTMLParser;
    const THTMLParam *m_begin = nullptr;
    const THTMLParam *m_end = nullptr;
};

// The parameter tokens of a tag's raw text, one at a time, split as the
// tokenizer splits them: at spaces outside double quotes, runs of spaces
// giving no token. Names come as written (not upper-cased); every view
// points into the raw text.
class TagParamTokens {
public:
    explicit TagParamTokens(QStringView rawTag);
    // The tag's name part, as written: up to the first space.
    QStringView name() const { return m_name; }
    // The next token; false after the last.
    bool next(THTMLParam &param);

private:
    QStringView m_name;
    const char16_t *m_p;
    qsizetype m_n;
    qsizetype m_i;
};

struct THTMLTag {
    QStringView Name;    // up to the first space, upper-cased ("/A", "BR/", "!DOCTYPE")
    QStringView RawText; // everything between "<" and ">"
    THTMLParamList Params;
};

struct THTMLText {
    QStringView Text;    // decoded
    QStringView RawText; // as collected, an LF at each joint between source lines
};

using THTMLNode = std::variant<THTMLTag, THTMLText>;

class THTMLParser {
public:
    THTMLParser();
    ~THTMLParser();
    THTMLParser(const THTMLParser &) = delete;
    THTMLParser &operator=(const THTMLParser &) = delete;

    QStringList Source;           // the input lines, filled by the caller
    std::vector<THTMLNode, LargeBlockAllocator<THTMLNode>> Nodes; // the result of Parse

    // Splits file bytes into Source at CR LF, lone CR or lone LF; the bytes
    // are read as UTF-8 when valid, else one byte per character.
    void LoadSource(const QByteArray &fileBytes);
    // Tokenizes Source and appends the nodes.
    void Parse();
    // Tokenizes a whole text as if it were loaded into Source (lines end at
    // CR LF, a lone CR or a lone LF) without building the line list.
    void ParseText(const QString &text);
    // The same from a file's bytes, as LoadSource followed by Parse reads
    // them; the bytes are decoded once, into the parser's own memory.
    void ParseBytes(const QByteArray &fileBytes);
    // As ParseBytes, but each node is handed to `visit` instead of being
    // kept: the node and its strings are valid only during the call, and a
    // large page is read in little more memory than its text. With
    // ScanNodes::TagsOnly only tags are handed over, each with empty Params
    // (walk them with TagParamTokens): text is never collected, and a tag
    // with a million parameters costs no list of a million entries.
    enum class ScanNodes { All, TagsOnly };
    void ScanBytes(const QByteArray &fileBytes, const std::function<void(const THTMLNode &)> &visit,
                   ScanNodes nodes = ScanNodes::All);

private:
    class Storage;
    class ParamStore;
    class DecodedText;
    struct ParseState;
    // Tokenizes `text`; with `splitLines` a CR LF, lone CR or lone LF ends a
    // line as it would between two lines of Source.
    void scan(QStringView text, bool splitLines, ParseState &state);
    // The joint after a line: `lineFeed` is the LF ending it in the parsed
    // text, if it has one.
    void endLine(const char16_t *lineFeed, ParseState &state);
    void flushText(ParseState &state);
    void flushTag(ParseState &state);
    void finishParse(ParseState &state);
    void addTag(QStringView raw);
    void addText(QStringView raw);
    void deliver(THTMLNode &&node);
    void parseWholeText(QStringView text);
    QStringView keepDecoded(const QByteArray &bytes);

    std::unique_ptr<Storage> m_storage;
    std::unique_ptr<ParamStore> m_params;
    std::unique_ptr<DecodedText> m_decoded;
    QStringList m_kept; // the parsed texts and lines
    const std::function<void(const THTMLNode &)> *m_visit = nullptr; // while scanning
    bool m_tagsOnly = false; // while scanning for tags only
};

// Upper-cases ASCII letters only.
QString upperAscii(const QString &text);

// The text decoding of text nodes: LF to space, runs of spaces to one, then
// character references decoded in one left-to-right scan.
QString decodeHtmlText(QStringView raw);

} // namespace tagloom
