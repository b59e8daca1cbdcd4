#pragma once
// The tags of a page read straight from its bytes, block by block as they
// arrive, for work that needs tags only (the document analysis). The tags
// are those THTMLParser gives for the same bytes: a "<" opens a tag and a
// ">" ends one (outside a tag, an empty one); inside a tag, line breaks
// vanish and a further "<" is dropped; a tag still open at the end of the
// page counts when it holds anything.
//
// Only ASCII bytes mean anything to the tokenizer, and UTF-8 uses none of
// them inside a character, so a tag's raw bytes are the page's own: its
// UTF-8 when the page is UTF-8, one byte per character otherwise. Nothing
// is decoded, and nothing but the tag under way is kept between blocks.

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

namespace tagloom {

class HtmlTagStream {
public:
    // Each tag's raw bytes, valid only during the call.
    using Visit = std::function<void(QByteArrayView rawTag)>;
    explicit HtmlTagStream(Visit visit);

    // The page's next bytes.
    void feed(QByteArrayView bytes);
    // The end of the page.
    void finish();

private:
    Visit m_visit;
    QByteArray m_tag; // the tag under way, once it spans a block's end or a break
    bool m_inside = false;
};

// A tag's raw bytes split as TagParamTokens splits its text. Names come as
// written (not upper-cased); every view points into the raw bytes.
class TagByteTokens {
public:
    struct Param {
        QByteArrayView name;
        QByteArrayView value;
        QByteArrayView raw;
    };
    explicit TagByteTokens(QByteArrayView rawTag);
    QByteArrayView name() const { return m_name; }
    // The next token; false after the last.
    bool next(Param &param);

private:
    QByteArrayView m_raw;
    QByteArrayView m_name;
    qsizetype m_i = 0;
};

} // namespace tagloom
