#pragma once
// A small style-sheet tokenizer for colouring: it splits CSS text into
// comments, at-rules, selectors, property names and values. It never fails;
// text it does not understand keeps the kind of its surroundings.

#include <QString>
#include <QVector>

namespace tagloom {

enum class CssKind { Comment, AtRule, Selector, Property, Value };

struct CssToken {
    qsizetype start = 0;
    qsizetype length = 0;
    CssKind kind = CssKind::Selector;
    friend bool operator==(const CssToken &a, const CssToken &b)
    {
        return a.start == b.start && a.length == b.length && a.kind == b.kind;
    }
};

QVector<CssToken> cssTokens(QStringView css);

// A style block: `start`..`end` (exclusive) is the whole block, tags included;
// `contentStart`..`contentEnd` the style sheet between the tags.
struct StyleBlock {
    qsizetype start = 0, contentStart = 0, contentEnd = 0, end = 0;
};

// The "<style ...>...</style>" blocks of a page, tag names in any letter case;
// an unclosed block runs to the end of the text.
QVector<StyleBlock> styleBlocks(QStringView html);

} // namespace tagloom
