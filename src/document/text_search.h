#pragma once
// The editor's own search (Find and Replace of one document): plain functions
// over the document's lines and a caret, so the rules can be tested without
// an editor. Lines and columns are 1-based; columns count characters.

#include <QString>
#include <QStringList>
#include <optional>

namespace tagloom {

struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool backwards = false;
};

struct TextPosition {
    int line = 1;
    int column = 1;
};

struct SearchMatch {
    int line = 1;
    int column = 1; // first character of the match
    int length = 0; // in characters
    bool operator==(const SearchMatch &o) const { return line == o.line && column == o.column && length == o.length; }
};

// The first match after the caret (forwards, to the end of the document) or
// the nearest one ending before it (backwards, up to the start). A match lies
// within one line; an empty needle finds nothing.
std::optional<SearchMatch> findText(const QStringList &lines, TextPosition caret, const QString &needle,
                                    const SearchOptions &options);

// Case conversion of the ASCII letters alone; every other character stays.
QString asciiUpper(const QString &text);
QString asciiLower(const QString &text);

// A goto-line text as a line number: a whole number, blanks around it
// allowed; nullopt for anything else.
std::optional<int> parseLineNumber(const QString &text);

} // namespace tagloom
