#pragma once
// Whole-file reads and atomic whole-file writes. A write goes to a temporary
// file beside the target and is renamed into place, so a failed write never
// leaves a damaged or half-written file.

#include "base/result.h"

#include <QByteArray>
#include <QString>

namespace tagloom {

Result<QByteArray> readWholeFile(const QString &path);
Status writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace tagloom
