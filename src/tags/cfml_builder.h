#pragma once
// The CFML expression builder's tables and its one piece of mark-up. The
// builder composes an expression line by line in its own small editor: each
// operator button and each picked function, constant or operator becomes a
// new line below that editor's caret line; OK puts the whole expression into
// the document as new lines below the caret line.

#include "base/result.h"
#include "document/insertion.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tagloom {

// A leaf of the category tree and the list file that fills the list for it.
struct CfmlCategory {
    const char *root;  // "Functions", "Constants" or "Operators"
    const char *leaf;  // the caption in the tree
    const char *file;  // below the data folder, starting with "/"
};

// Every leaf in tree order, grouped by root.
const std::array<CfmlCategory, 21> &cfmlCategories();
// The three roots in tree order.
QStringList cfmlRoots();

// The full path of `leaf`'s list file below `dataFolder`; nothing for a root
// or any other caption.
std::optional<QString> cfmlCategoryFile(const QString &dataFolder, const QString &leaf);
// The entries of a category file, one per line; a file that cannot be read
// gives the reason.
Result<QStringList> loadCfmlCategory(const QString &path);

struct CfmlOperator {
    const char *caption; // on the button, as shown
    const char *text;    // the line it adds
};
const std::array<CfmlOperator, 17> &cfmlOperators();

// A picked entry or operator: one new line below the builder editor's caret
// line.
inline Insertion cfmlPieceInsertion(const QString &piece) { return lineInsertion(piece); }

// The builder's whole text (lines ending at LF, CR LF or CR) as it goes into
// the document: its lines joined with CR LF, as one new line below the caret
// line. An empty expression is one empty line.
Insertion cfmlExpressionInsertion(const QString &expression);

// The list before a category is chosen, and the warning for a pick from an
// empty list.
inline QString cfmlChooseTypePrompt() { return QStringLiteral("Please choose a type"); }
inline QString cfmlSelectTypeWarning() { return QStringLiteral("Please select a type first."); }

} // namespace tagloom
