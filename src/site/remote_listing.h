#pragma once
// How the site client shows a listed remote entry: size texts ("512 bytes",
// "1.50KB", "2.25MB"), type and last-write time, and which entries it shows.

#include "net/simple_ftp.h"

#include <QString>

namespace tagloom {

struct RemoteRow {
    QString name, size, type, lastModified;
    bool isDirectory = false;
};

QString remoteSizeText(qint64 bytes);
// "." and ".." are never shown.
bool isShownEntry(const TFTPFindData &entry);
RemoteRow remoteRow(const TFTPFindData &entry);

} // namespace tagloom
