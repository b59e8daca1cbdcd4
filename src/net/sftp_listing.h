#pragma once
// One line of an SFTP folder listing as libcurl hands it over: the server's
// "long name", laid out as `ls -l` lays it out
//   drwxr-xr-x    2 web      web          4096 Dec  9 22:55 images
// curl reads no SFTP listing itself, so the session reads the type, size,
// time and name from these lines. Nothing for "." and "..", or for a line
// that is not an entry.

#include "net/simple_ftp.h"

#include <QDate>
#include <optional>

namespace tagloom {

std::optional<TFTPFindData> sftpListingEntry(const QString &line, const QDate &today);

} // namespace tagloom
