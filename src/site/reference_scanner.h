#pragma once
// The references a page or a style sheet makes to other files, found straight
// in its bytes: the href, src, background, action, data and poster
// attributes of any tag, url(...) and @import in style sheets, <style>
// blocks and style attributes, and <!--#include file/virtual -->. Comments,
// script bodies and server-side code between tags (<? ?>, <% %>) are passed
// over. Values are handed on as written (quotes removed, nothing decoded);
// any bytes are taken, and the scan is linear in the input.

#include <QByteArrayView>
#include <functional>

namespace tagloom {

struct PageReference {
    enum class Kind {
        Attribute,      // a link attribute of a tag
        StyleUrl,       // url(...) or @import in style-sheet text
        IncludeFile,    // <!--#include file="..." -->: relative to the page
        IncludeVirtual, // <!--#include virtual="..." -->: a path on the server
    };
    Kind kind = Kind::Attribute;
    qsizetype offset = 0; // of the value's first byte in the scanned text
    QByteArrayView value; // points into the scanned text
};

// Called for each reference in the order of their offsets.
using ReferenceSink = std::function<void(const PageReference &)>;

void scanPageReferences(QByteArrayView page, const ReferenceSink &sink);
// Style-sheet text; offsets are counted from `text`'s start plus `base`.
void scanStyleReferences(QByteArrayView text, const ReferenceSink &sink, qsizetype base = 0);

} // namespace tagloom
