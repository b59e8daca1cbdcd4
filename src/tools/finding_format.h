#pragma once
// How tagloom-tools writes a finding for a pipeline: one line each, either
// tab-separated (FILE LINE COLUMN NAME MESSAGE TYPE, fields escaped so a
// line always has six) or a JSON object per line with the keys "file",
// "line", "column", "name", "message" and "type".

#include <QByteArrayView>
#include <QString>

namespace tagloom {

class ToolOutput;

enum class FindingFormat {
    Plain, // validate's own four fields: FILE NAME MESSAGE TYPE
    Tsv,
    Json,
};

// "tsv" or "json"; false for anything else.
bool parseFindingFormat(const QString &text, FindingFormat &format);

// One finding. Name, message and type are bytes as the page holds them:
// UTF-8, or one byte per character when `utf8` is false (JSON output is
// always UTF-8, so those bytes are read as Latin-1 there).
struct FindingRecord {
    QString file;
    qint64 line = 0;   // from 1
    qint64 column = 0; // from 1, in characters
    QByteArrayView name;
    QByteArrayView message;
    QByteArrayView type;
    bool utf8 = true;
};

void writeFinding(ToolOutput &out, FindingFormat format, const FindingRecord &finding);

// A field with a backslash, tab, line feed and carriage return escaped as
// \\ \t \n \r, so it never splits a tab-separated line.
void writeEscapedField(ToolOutput &out, QByteArrayView field);
QString escapedField(QStringView field);

} // namespace tagloom
