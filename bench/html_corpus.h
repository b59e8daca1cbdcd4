#pragma once
// Benchmark input: the HTML pages installed on this machine, and generated
// pages for when there are none or one long line is wanted.

#include <QByteArray>

namespace tagloom::bench {

// The documentation pages under /usr/share/doc, concatenated (at most `limit` bytes).
QByteArray installedPages(qsizetype limit);
// A page of `size` bytes written as a single line.
QByteArray oneLinePage(qsizetype size);
// `pattern` repeated up to `size` bytes.
QByteArray repeated(const QByteArray &pattern, qsizetype size);

} // namespace tagloom::bench
