#pragma once
// The inputs of tagloom-tools: regular files, or standard input ("-"). An
// input is read only when the command's work on it fits in the memory the
// process may still use, so a huge or endless input is refused with a
// message instead of ending the program.

#include "base/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

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

// An input read block by block through one reused buffer, for work that
// keeps little of what it has read.
class ToolInput {
public:
    ToolInput();
    ~ToolInput();
    ToolInput(const ToolInput &) = delete;
    ToolInput &operator=(const ToolInput &) = delete;

    // Opens `path` ("-" for standard input) for work that needs `demand`,
    // or says why it will not be read. A file is refused here when it is
    // too large; standard input that is a stream, as it is read.
    Status open(const QString &path, const InputDemand &demand);
    // The next block, valid until the next call; empty at the end.
    Result<QByteArrayView> next();
    // A file's size when it was opened: what is read of it, even if it
    // grows; -1 for a stream.
    qint64 size() const { return m_stream ? -1 : m_size; }

private:
    Result<qsizetype> read(char *into, qsizetype room);
    QString streamTooLarge() const;

    int m_fd = -1;
    bool m_stream = false;
    QString m_path;
    InputDemand m_demand{"", 1};
    qint64 m_size = 0;
    qint64 m_read = 0;
    qint64 m_available = 0; // memory, when a stream was opened
    qint64 m_most = 0;      // the most read from a stream
    std::unique_ptr<char[]> m_buffer;
};

// The whole of `path` ("-" for standard input), or why it was not read.
Result<QByteArray> readToolInput(const QString &path, const InputDemand &demand);

} // namespace tagloom
