#pragma once
// How the raw text of a tag splits into its name and its parameter tokens,
// for text of any character type (UTF-16 nodes, or a page's own bytes):
// the name runs to the first space; a token runs to a space outside double
// quotes and keeps its quotes; runs of spaces give no token; a value
// follows the first "=" and loses one pair of enclosing double quotes. Only
// ASCII characters mean anything here, so bytes and the text they decode to
// split at the same places.

#include <QtGlobal>

namespace tagloom::tag_tokens {

// Where the tag's name ends: at its first space, or at `n`.
template <typename Char>
qsizetype nameEnd(const Char *p, qsizetype n)
{
    qsizetype i = 0;
    while (i < n && p[i] != Char(' '))
        ++i;
    return i;
}

// One token, as offsets into the raw text.
struct Token {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype nameEnd = 0;    // the first "=", or `end`
    qsizetype valueStart = 0; // value bounds; empty when there is no "="
    qsizetype valueEnd = 0;
};

// The next token at or after `i`; `i` moves past it and the one space after
// it. False when no token is left.
template <typename Char>
bool nextToken(const Char *p, qsizetype n, qsizetype &i, Token &token)
{
    // A local position, so that the compiler need not reload it from memory
    // on every character.
    qsizetype at = i;
    while (at < n) {
        const qsizetype start = at;
        qsizetype eq = -1;
        bool quoted = false;
        for (; at < n && (quoted || p[at] != Char(' ')); ++at) {
            if (p[at] == Char('"'))
                quoted = !quoted;
            else if (p[at] == Char('=') && eq < 0)
                eq = at;
        }
        const qsizetype end = at;
        if (at < n) // the one space after the token
            ++at;
        if (end == start)
            continue;
        i = at;
        token.start = start;
        token.end = end;
        token.nameEnd = eq < 0 ? end : eq;
        token.valueStart = token.valueEnd = end;
        if (eq >= 0) {
            token.valueStart = eq + 1;
            if (end - token.valueStart > 1 && p[token.valueStart] == Char('"') && p[end - 1] == Char('"')) {
                ++token.valueStart;
                token.valueEnd = end - 1;
            }
        }
        return true;
    }
    i = at;
    return false;
}

} // namespace tagloom::tag_tokens
