#pragma once
// Whole-file reads and atomic whole-file writes. A write goes to a temporary
// file beside the target and is renamed into place, so a failed write never
// leaves a damaged or half-written file.

#include "base/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

namespace tagloom {

Result<QByteArray> readWholeFile(const QString &path);
Status writeFileAtomically(const QString &path, const QByteArray &bytes);

// A file written piece by piece that takes the place of `path` only when
// commit succeeds; dropped without a commit, nothing changes and no stray
// file is left.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString &path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    Status open();
    // False once a write has failed; commit then says why.
    bool write(QByteArrayView bytes);
    Status commit();

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace tagloom
