#pragma once
// The last-write time of a listed entry from the time text that libcurl's
// listing parser hands over as it stood in the listing: Unix "Dec  9 22:55"
// (within the last half year, so the year is implied by `today`) or
// "Dec  9  2025", and DOS "12-09-26  10:55PM". Invalid when unreadable.

#include <QDate>
#include <QDateTime>
#include <QString>

namespace tagloom {

QDateTime listingTime(const QString &text, const QDate &today);

} // namespace tagloom
