#pragma once
// 8-bit text of list files. Files written by us or by hand on this system are
// UTF-8; older files are single-byte (Latin-1). Reading takes UTF-8 when the
// bytes are valid UTF-8 and Latin-1 otherwise, so no byte is ever dropped.

#include <QByteArray>
#include <QString>

namespace tagloom {

bool isValidUtf8(const QByteArray &bytes);
// UTF-8 bytes as text; a byte-order mark at the start stays, as U+FEFF, so
// that encoding the text again gives the same bytes.
QString decodeUtf8(const QByteArray &bytes);
QString decode8Bit(const QByteArray &bytes);
// UTF-8, which is plain ASCII for ASCII text.
QByteArray encode8Bit(const QString &text);

} // namespace tagloom
