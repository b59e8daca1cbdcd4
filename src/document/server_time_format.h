#pragma once
// The time and size texts a web server's include directives print: times in
// the C library's strftime notation (English day and month names, whatever
// the user's locale), sizes as bytes with thousands separators or
// abbreviated to K, M, G.

#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace tagloom {

// The time format a server uses until a page configures its own.
inline constexpr char DefaultServerTimeFormat[] = "%A, %d-%b-%Y %H:%M:%S %Z";

// `instant` as seen in `zone`, written by `format`. Knows the conversions of
// strftime, including %e %k %l %P %s %u %V %G; the flags "-" (no padding),
// "_" (blank padding) and "0" (zero padding) may stand after the "%"; the
// E and O modifiers are read and ignored. An unknown conversion is written
// as it stands. %Z is "GMT" for UTC, else the zone's abbreviation.
QString formatServerTime(const QString &format, const QDateTime &instant, const QTimeZone &zone);

// "1,234,567"
QString sizeInBytesText(qint64 bytes);
// "512", "1.2K", "20K", "3.4M": at most three digits and a unit.
QString abbreviatedSizeText(qint64 bytes);

} // namespace tagloom
