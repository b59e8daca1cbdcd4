#include "document/server_time_format.h"

namespace tagloom {

namespace {

const char *const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char *const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// The broken-down time the conversions read.
struct Fields {
    QDateTime local; // in the zone asked for
    int weekday;     // 0 = Sunday
    int yearDay;     // 0-based
    bool utc;
    QTimeZone zone;
};

enum class Pad { Default, None, Blank, Zero };

QString number(qint64 value, int width, Pad pad, QChar defaultFill)
{
    const QString digits = QString::number(value);
    if (pad == Pad::None || digits.size() >= width)
        return digits;
    const QChar fill = pad == Pad::Blank ? QLatin1Char(' ') : pad == Pad::Zero ? QLatin1Char('0') : defaultFill;
    return QString(width - digits.size(), fill) + digits;
}

QString offsetText(int seconds)
{
    const QChar sign = seconds < 0 ? QLatin1Char('-') : QLatin1Char('+');
    const int minutes = qAbs(seconds) / 60;
    return sign + number(minutes / 60, 2, Pad::Zero, {}) + number(minutes % 60, 2, Pad::Zero, {});
}

QString zoneName(const Fields &f)
{
    if (f.utc)
        return QStringLiteral("GMT");
    const QString abbreviation = f.zone.abbreviation(f.local);
    return abbreviation.isEmpty() ? offsetText(f.zone.offsetFromUtc(f.local)) : abbreviation;
}

int hour12(int hour)
{
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

QString convert(char c, Pad pad, const Fields &f, bool &known);

// A conversion defined as a format of other conversions.
QString composite(const char *format, const Fields &f)
{
    QString out;
    for (const char *p = format; *p; ++p) {
        bool known = true;
        if (*p == '%' && p[1])
            out += convert(*++p, Pad::Default, f, known);
        else
            out += QLatin1Char(*p);
    }
    return out;
}

QString convert(char c, Pad pad, const Fields &f, bool &known)
{
    const QDate date = f.local.date();
    const QTime time = f.local.time();
    const QChar zero(QLatin1Char('0')), blank(QLatin1Char(' '));
    switch (c) {
    case 'a': return QLatin1String(kDayNames[f.weekday]).left(3);
    case 'A': return QLatin1String(kDayNames[f.weekday]);
    case 'b':
    case 'h': return QLatin1String(kMonthNames[date.month() - 1]).left(3);
    case 'B': return QLatin1String(kMonthNames[date.month() - 1]);
    case 'c': return composite("%a %b %e %H:%M:%S %Y", f);
    case 'C': return number(date.year() / 100, 2, pad, zero);
    case 'd': return number(date.day(), 2, pad, zero);
    case 'D':
    case 'x': return composite("%m/%d/%y", f);
    case 'e': return number(date.day(), 2, pad, blank);
    case 'F': return composite("%Y-%m-%d", f);
    case 'G': {
        int isoYear = 0;
        date.weekNumber(&isoYear);
        return number(isoYear, 1, pad, zero);
    }
    case 'g': {
        int isoYear = 0;
        date.weekNumber(&isoYear);
        return number(isoYear % 100, 2, pad, zero);
    }
    case 'H': return number(time.hour(), 2, pad, zero);
    case 'I': return number(hour12(time.hour()), 2, pad, zero);
    case 'j': return number(f.yearDay + 1, 3, pad, zero);
    case 'k': return number(time.hour(), 2, pad, blank);
    case 'l': return number(hour12(time.hour()), 2, pad, blank);
    case 'm': return number(date.month(), 2, pad, zero);
    case 'M': return number(time.minute(), 2, pad, zero);
    case 'n': return QStringLiteral("\n");
    case 'p': return time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
    case 'P': return time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
    case 'r': return composite("%I:%M:%S %p", f);
    case 'R': return composite("%H:%M", f);
    case 's': return QString::number(f.local.toSecsSinceEpoch());
    case 'S': return number(time.second(), 2, pad, zero);
    case 't': return QStringLiteral("\t");
    case 'T':
    case 'X': return composite("%H:%M:%S", f);
    case 'u': return QString::number(f.weekday == 0 ? 7 : f.weekday);
    case 'U': return number((f.yearDay + 7 - f.weekday) / 7, 2, pad, zero);
    case 'V': return number(date.weekNumber(), 2, pad, zero);
    case 'w': return QString::number(f.weekday);
    case 'W': return number((f.yearDay + 7 - (f.weekday + 6) % 7) / 7, 2, pad, zero);
    case 'y': return number(date.year() % 100, 2, pad, zero);
    case 'Y': return number(date.year(), 1, pad, zero);
    case 'z': return offsetText(f.utc ? 0 : f.zone.offsetFromUtc(f.local));
    case 'Z': return zoneName(f);
    case '%': return QStringLiteral("%");
    default: known = false; return QString();
    }
}

} // namespace

QString formatServerTime(const QString &format, const QDateTime &instant, const QTimeZone &zone)
{
    Fields f;
    f.utc = zone == QTimeZone::utc() || (zone.isValid() && zone.id() == "UTC");
    f.zone = zone.isValid() ? zone : QTimeZone::utc();
    f.local = instant.toTimeZone(f.zone);
    f.weekday = f.local.date().dayOfWeek() % 7;
    f.yearDay = f.local.date().dayOfYear() - 1;

    QString out;
    out.reserve(format.size() * 2);
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != QLatin1Char('%') || i + 1 >= format.size()) {
            out += format[i];
            continue;
        }
        qsizetype j = i + 1;
        Pad pad = Pad::Default;
        if (format[j] == QLatin1Char('-'))
            pad = Pad::None;
        else if (format[j] == QLatin1Char('_'))
            pad = Pad::Blank;
        else if (format[j] == QLatin1Char('0'))
            pad = Pad::Zero;
        if (pad != Pad::Default)
            ++j;
        if (j < format.size() && (format[j] == QLatin1Char('E') || format[j] == QLatin1Char('O')))
            ++j;
        bool known = j < format.size() && format[j].unicode() < 128;
        const QString text = known ? convert(char(format[j].unicode()), pad, f, known) : QString();
        if (!known) {
            out += format[i]; // written as it stands, the rest follows as text
            continue;
        }
        out += text;
        i = j;
    }
    return out;
}

QString sizeInBytesText(qint64 bytes)
{
    QString digits = QString::number(qAbs(bytes));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return bytes < 0 ? QLatin1Char('-') + digits : digits;
}

QString abbreviatedSizeText(qint64 bytes)
{
    // Below 973 of a unit the next unit would show "0.9"; the server shows
    // the smaller unit then, with at most three digits.
    static const char kUnits[] = " KMGTPE";
    if (bytes < 0)
        return QStringLiteral("-");
    if (bytes < 973)
        return QString::number(bytes);
    qint64 size = bytes;
    for (int unit = 1;; ++unit) {
        qint64 remain = size & 1023;
        size >>= 10;
        if (size >= 973)
            continue;
        if (size < 9 || (size == 9 && remain < 973)) {
            remain = (remain * 5 + 256) / 512;
            if (remain >= 10) {
                ++size;
                remain = 0;
            }
            return QStringLiteral("%1.%2%3").arg(size).arg(remain).arg(QLatin1Char(kUnits[unit]));
        }
        if (remain >= 512)
            ++size;
        return QString::number(size) + QLatin1Char(kUnits[unit]);
    }
}

} // namespace tagloom
