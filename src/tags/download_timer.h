#pragma once
// The download timer's estimate: how long a page of a given size takes to
// arrive over six connection types, in the texts the timer window shows.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

namespace tagloom {

struct ConnectionRate {
    const char *caption;       // the row's caption, as shown (leading space included)
    double kilobytesPerSecond; // 1 kilobyte = 1024 bytes
};

// The six rows, slowest first.
const std::array<ConnectionRate, 6> &connectionRates();

struct DownloadTimes {
    QString fileSize;  // whole kilobytes, at least two digits: "00", "13"
    QStringList times; // one per connection row, in order: "8.53 Secs"
};

// The estimate for a page of `bytes` bytes (as it would be saved).
DownloadTimes downloadTimes(qint64 bytes);

// Rounded to the nearest whole number (halves away from zero), at least two
// digits.
QString formatWholeKilobytes(double kilobytes);
// Two decimals, rounded, and " Secs".
QString formatSeconds(double seconds);

} // namespace tagloom
