#pragma once
// Where tagloom-tools writes: standard output or standard error, through
// their file descriptors. Writes are buffered and every one is checked; the
// first failure is kept (later writes are dropped), so a full disk, a closed
// descriptor or a size limit is never lost silently.

#include <QByteArray>
#include <QString>
#include <QStringConverter>
#include <QStringView>

namespace tagloom {

class ToolOutput {
public:
    // Writes to `fd`; `name` says which stream in messages ("standard output").
    ToolOutput(int fd, QString name);
    ToolOutput(const ToolOutput &) = delete;
    ToolOutput &operator=(const ToolOutput &) = delete;

    void write(QByteArrayView bytes);
    // Text in the given encoding; UTF-8 unless told otherwise.
    void write(QStringView text, QStringConverter::Encoding encoding = QStringConverter::Utf8);
    ToolOutput &operator<<(QStringView text);
    ToolOutput &operator<<(const QString &text) { return *this << QStringView(text); }
    ToolOutput &operator<<(const char *text);
    ToolOutput &operator<<(qint64 number);

    // Treats the stream as failed with `error` (an errno value) from now on:
    // for a descriptor found closed before anything was written.
    void fail(int error);
    // Writes what is buffered and closes the descriptor; false when any
    // write, the flush or the close failed.
    bool finish();
    bool failed() const { return m_error != 0; }
    // "cannot write to standard output: No space left on device"
    QString problem() const;

private:
    void flush();
    void writeOut(QByteArrayView bytes);

    int m_fd = -1;
    QString m_name;
    QByteArray m_buffer;
    int m_error = 0;
    bool m_finished = false;
};

} // namespace tagloom
