#pragma once
// LZ ("SZDD") files: expansion through libmspack, and a writer of the format
// for what we pack ourselves (the updater we carry, test files).

#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace tagloom {

// The name a compressed file expands to: its last character replaced by the
// header's missing character ("upd.ex_" with 'e' -> "upd.exe"); without one
// (or with one that is no plain file-name character) a trailing '_' is
// dropped, or ".out" appended.
QString expandedSzddName(const QString &compressedName, char missingChar);

// Expands the SZDD file at `path` beside itself under the name its header
// gives, replacing a file of that name, and deletes the compressed file.
// Returns the expanded file's path; on failure nothing is replaced and the
// compressed file stays.
Result<QString> expandSzddInPlace(const QString &path);

// `data` in SZDD form with every byte a literal: larger than the input by
// one byte in eight, read by any SZDD reader.
QByteArray storeAsSzdd(const QByteArray &data, char missingChar);

} // namespace tagloom
