#pragma once
// The inputs of tagloom-tools: regular files, or standard input ("-"). An
// input is read only when the command's work on it fits in the memory the
// process may still use, so a huge or endless input is refused with a
// message instead of ending the program.

#include "base/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace tagloom {

// What a command needs to work on an input.
struct InputDemand {
    const char *work;      // what is done, for messages: "validate"
    double bytesPerByte;   // peak memory per byte of input
};

// The most tagloom-tools reads from standard input.
constexpr qint64 kStandardInputLimit = qint64(256) << 20;

// A size for messages ("1.00 GiB").
QString sizeText(qint64 bytes);

// The whole of `path` ("-" for standard input), or why it was not read.
Result<QByteArray> readToolInput(const QString &path, const InputDemand &demand);

// `path` read block by block, for work that keeps little of what it has
// read: each block goes to `block` and is gone after the call. Returns the
// number of bytes read, or why reading failed (perhaps after some blocks).
Result<qint64> streamToolInput(const QString &path, const InputDemand &demand,
                               const std::function<void(QByteArrayView)> &block);

} // namespace tagloom
