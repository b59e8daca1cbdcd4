#include "tools/finding_format.h"

#include "tools/tool_output.h"

#include <QFile>

namespace tagloom {

namespace {

const char *escapeOf(char16_t c)
{
    switch (c) {
    case '\\': return "\\\\";
    case '\t': return "\\t";
    case '\n': return "\\n";
    case '\r': return "\\r";
    default: return nullptr;
    }
}

// A JSON string of `bytes`: UTF-8 kept as it is, Latin-1 bytes widened.
void writeJsonString(ToolOutput &out, QByteArrayView bytes, bool utf8)
{
    static const char hex[] = "0123456789abcdef";
    out.write("\"");
    qsizetype plain = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        char escaped[8] = {};
        if (c == '"' || c == '\\') {
            escaped[0] = '\\';
            escaped[1] = char(c);
        } else if (c < 0x20) {
            const char *named = c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : nullptr;
            if (named)
                qstrcpy(escaped, named);
            else
                qstrcpy(escaped, QByteArray("\\u00") .append(hex[c >> 4]).append(hex[c & 15]).constData());
        } else if (c >= 0x80 && !utf8) {
            escaped[0] = char(0xC0 | (c >> 6));
            escaped[1] = char(0x80 | (c & 0x3F));
        } else {
            continue;
        }
        out.write(bytes.sliced(plain, i - plain));
        out.write(QByteArrayView(escaped));
        plain = i + 1;
    }
    out.write(bytes.sliced(plain));
    out.write("\"");
}

} // namespace

bool parseFindingFormat(const QString &text, FindingFormat &format)
{
    if (text == QLatin1String("tsv"))
        format = FindingFormat::Tsv;
    else if (text == QLatin1String("json"))
        format = FindingFormat::Json;
    else
        return false;
    return true;
}

void writeEscapedField(ToolOutput &out, QByteArrayView field)
{
    qsizetype plain = 0; // the start of bytes written as they are
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char *escaped = escapeOf(char16_t(static_cast<unsigned char>(field[i])));
        if (!escaped)
            continue;
        out.write(field.sliced(plain, i - plain));
        out.write(QByteArrayView(escaped));
        plain = i + 1;
    }
    out.write(field.sliced(plain));
}

QString escapedField(QStringView field)
{
    QString line;
    line.reserve(field.size());
    for (const QChar c : field) {
        if (const char *escaped = escapeOf(c.unicode()))
            line += QLatin1String(escaped);
        else
            line += c;
    }
    return line;
}

void writeFinding(ToolOutput &out, FindingFormat format, const FindingRecord &f)
{
    // A file has many findings: its name is encoded once.
    static QString lastFile;
    static QByteArray file, escapedFile;
    if (f.file != lastFile || file.isEmpty()) {
        lastFile = f.file;
        file = QFile::encodeName(f.file);
        escapedFile = QFile::encodeName(escapedField(f.file));
    }
    if (format == FindingFormat::Json) {
        out.write("{\"file\":");
        writeJsonString(out, file, true);
        out.write(",\"line\":");
        out << f.line;
        out.write(",\"column\":");
        out << f.column;
        out.write(",\"name\":");
        writeJsonString(out, f.name, f.utf8);
        out.write(",\"message\":");
        writeJsonString(out, f.message, f.utf8);
        out.write(",\"type\":");
        writeJsonString(out, f.type, f.utf8);
        out.write("}\n");
        return;
    }
    out.write(escapedFile);
    if (format == FindingFormat::Tsv) {
        out.write("\t");
        out << f.line;
        out.write("\t");
        out << f.column;
    }
    for (QByteArrayView field : {f.name, f.message, f.type}) {
        out.write("\t");
        writeEscapedField(out, field);
    }
    out.write("\n");
}

} // namespace tagloom
