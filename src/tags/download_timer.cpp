#include "tags/download_timer.h"

#include <cmath>

namespace tagloom {

const std::array<ConnectionRate, 6> &connectionRates()
{
    static const std::array<ConnectionRate, 6> rates = {{
        {" 9.6 k Modem", 1.1719},
        {" 14.4 k Modem", 1.7578},
        {" 28.8 k Modem", 3.5156},
        {" 56.6 k Modem", 6.835},
        {" ISDN Modem", 7.8125},
        {" ISDN Modem x2", 16.625},
    }};
    return rates;
}

QString formatWholeKilobytes(double kilobytes)
{
    const qint64 whole = std::llround(kilobytes);
    return QStringLiteral("%1").arg(whole, 2, 10, QLatin1Char('0'));
}

QString formatSeconds(double seconds)
{
    // Rounded in hundredths first, so that 0.995 cannot come out as "0.100".
    const qint64 hundredths = std::llround(seconds * 100.0);
    return QStringLiteral("%1.%2 Secs").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

DownloadTimes downloadTimes(qint64 bytes)
{
    const double kilobytes = double(bytes) / 1024.0;
    DownloadTimes result;
    result.fileSize = formatWholeKilobytes(kilobytes);
    for (const ConnectionRate &rate : connectionRates())
        result.times.append(formatSeconds(kilobytes / rate.kilobytesPerSecond));
    return result;
}

} // namespace tagloom
