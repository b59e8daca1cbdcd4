#pragma once
// Benchmark input: the HTML pages installed on this machine, and generated
// pages for when there are none or one long line is wanted.

#include <QByteArray>
#include <QString>

namespace tagloom::bench {

// The documentation pages under /usr/share/doc, concatenated (at most `limit` bytes).
QByteArray installedPages(qsizetype limit);
// The same pages written to `path`, concatenated and repeated until the file
// holds `size` bytes, one page in memory at a time (a child process counts
// what its parent held in its own peak memory). False when it could not be
// written.
bool writeInstalledPages(const QString &path, qsizetype size);
// A page of `size` bytes written as a single line.
QByteArray oneLinePage(qsizetype size);
// `pattern` repeated up to `size` bytes.
QByteArray repeated(const QByteArray &pattern, qsizetype size);

} // namespace tagloom::bench
