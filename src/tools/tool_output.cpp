#include "tools/tool_output.h"

#include <cerrno>
#include <unistd.h>

namespace tagloom {

namespace {

constexpr qsizetype kBufferBytes = 64 * 1024;
// Long texts are encoded piece by piece, so no second copy of a large
// output is ever held.
constexpr qsizetype kEncodeChars = 256 * 1024;

} // namespace

ToolOutput::ToolOutput(int fd, QString name) : m_fd(fd), m_name(std::move(name))
{
    m_buffer.reserve(kBufferBytes);
}

void ToolOutput::write(QByteArrayView bytes)
{
    if (m_error != 0 || bytes.isEmpty())
        return;
    if (m_buffer.size() + bytes.size() > kBufferBytes)
        flush();
    if (bytes.size() >= kBufferBytes)
        writeOut(bytes);
    else
        m_buffer.append(bytes);
}

void ToolOutput::write(QStringView text, QStringConverter::Encoding encoding)
{
    if (text.size() <= kEncodeChars && encoding == QStringConverter::Utf8) {
        write(text.toUtf8());
        return;
    }
    if (text.size() <= kEncodeChars && encoding == QStringConverter::Latin1) {
        write(text.toLatin1());
        return;
    }
    QStringEncoder encoder(encoding);
    for (qsizetype at = 0; at < text.size() && m_error == 0; at += kEncodeChars)
        write(QByteArray(encoder.encode(text.mid(at, kEncodeChars))));
}

ToolOutput &ToolOutput::operator<<(QStringView text)
{
    write(text);
    return *this;
}

ToolOutput &ToolOutput::operator<<(const char *text)
{
    write(QByteArrayView(text));
    return *this;
}

ToolOutput &ToolOutput::operator<<(qint64 number)
{
    write(QByteArray::number(number));
    return *this;
}

void ToolOutput::fail(int error)
{
    if (m_error == 0)
        m_error = error;
}

void ToolOutput::flush()
{
    writeOut(m_buffer);
    m_buffer.clear();
}

void ToolOutput::writeOut(QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0 && m_error == 0) {
        const ssize_t written = ::write(m_fd, data, size_t(left));
        if (written < 0) {
            if (errno != EINTR)
                m_error = errno;
            continue;
        }
        data += written;
        left -= written;
    }
}

bool ToolOutput::finish()
{
    if (m_finished)
        return m_error == 0;
    m_finished = true;
    flush();
    // Closing reports what a file system kept back until then (a full disk
    // on some of them); a stream that failed already is left as it is.
    if (m_error == 0 && ::close(m_fd) != 0 && errno != EINTR)
        m_error = errno;
    return m_error == 0;
}

QString ToolOutput::problem() const
{
    return m_error == 0 ? QString()
                        : QStringLiteral("cannot write to %1: %2").arg(m_name, qt_error_string(m_error));
}

} // namespace tagloom
