#include "document/date_stamp.h"

namespace tagloom {

namespace {

int runLength(const QString &format, int i, QChar letter)
{
    int n = 0;
    while (i + n < format.size() && format.at(i + n).toLower() == letter)
        ++n;
    return n;
}

bool startsWithAt(const QString &format, int i, QLatin1String token)
{
    return format.mid(i, token.size()).compare(token, Qt::CaseInsensitive) == 0;
}

// "AM/PM", "A/P" or "AMPM" at i: the length of the marker, or 0.
int amPmMarkerAt(const QString &format, int i)
{
    if (startsWithAt(format, i, QLatin1String("am/pm")))
        return 5;
    if (startsWithAt(format, i, QLatin1String("ampm")))
        return 4;
    if (startsWithAt(format, i, QLatin1String("a/p")))
        return 3;
    return 0;
}

bool amPmFollows(const QString &format, int from)
{
    for (int i = from; i < format.size(); ++i)
        if (amPmMarkerAt(format, i) > 0)
            return true;
    return false;
}

QString number(int value, int run)
{
    return run >= 2 ? QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')) : QString::number(value);
}

// Letters of `text` in the case of the matching letters written in the format.
QString inWrittenCase(const QString &text, const QString &written)
{
    QString out = text;
    for (int i = 0; i < out.size() && i < written.size(); ++i)
        out[i] = written.at(i).isLower() ? out.at(i).toLower() : out.at(i).toUpper();
    return out;
}

QString amPmText(const QString &format, int i, int length, const QTime &time, const QLocale &locale)
{
    const bool pm = time.hour() >= 12;
    if (length == 4)
        return pm ? locale.pmText() : locale.amText();
    if (length == 3)
        return inWrittenCase(pm ? QStringLiteral("P") : QStringLiteral("A"), format.mid(pm ? i + 2 : i, 1));
    return inWrittenCase(pm ? QStringLiteral("PM") : QStringLiteral("AM"), format.mid(pm ? i + 3 : i, 2));
}

QString separatorOf(const QString &qtFormat, const QString &fallback)
{
    for (const QChar c : qtFormat)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return QString(c);
    return fallback;
}

QString format(const QString &fmt, const QDateTime &when, const DateStampSystem &system, int depth);

} // namespace

QString dateStampFormatFromQt(const QString &qtFormat)
{
    QString out;
    bool quoted = false;
    for (int i = 0; i < qtFormat.size(); ++i) {
        const QChar c = qtFormat.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted) {
            out += c;
            continue;
        }
        const int run = runLength(qtFormat, i, c.toLower());
        switch (c.toLatin1()) {
        case 'h': case 'H': out += QString(run, QLatin1Char('h')); break;
        case 'm': out += QString(run, QLatin1Char('n')); break;
        case 's': out += QString(run, QLatin1Char('s')); break;
        case 'A': case 'a':
            // "AP" or "A": the locale's AM and PM texts.
            out += QStringLiteral("AMPM");
            if (i + 1 < qtFormat.size() && qtFormat.at(i + 1).toLower() == QLatin1Char('p'))
                ++i;
            continue;
        case 'z': case 't': break; // milliseconds and time zone have no counterpart
        default: out += c; continue;
        }
        i += run - 1;
    }
    return out.trimmed();
}

DateStampSystem dateStampSystemOf(const QLocale &locale)
{
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    return {locale,
            separatorOf(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/")),
            separatorOf(shortTime, QStringLiteral(":")),
            dateStampFormatFromQt(shortTime),
            dateStampFormatFromQt(locale.timeFormat(QLocale::LongFormat))};
}

QString formatDateStamp(const QString &fmt, const QDateTime &when, const DateStampSystem &system)
{
    return format(fmt, when, system, 0);
}

QString formatDateStamp(const QString &fmt, const QDateTime &when, const QLocale &locale)
{
    return formatDateStamp(fmt, when, dateStampSystemOf(locale));
}

namespace {

QString format(const QString &fmt, const QDateTime &when, const DateStampSystem &system, int depth)
{
    const QDate date = when.date();
    const QTime time = when.time();
    const QLocale &locale = system.locale;
    QString out;
    QChar lastLetter; // m right after an h means minutes
    for (int i = 0; i < fmt.size();) {
        const QChar c = fmt.at(i);
        const QChar letter = c.toLower();
        const int run = runLength(fmt, i, letter);
        int used = run;
        switch (letter.toLatin1()) {
        case 'd':
            out += run == 1 || run == 2 ? number(date.day(), run)
                   : locale.dayName(date.dayOfWeek(), run == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case 'm':
            if (lastLetter == QLatin1Char('h'))
                out += number(time.minute(), run);
            else
                out += run <= 2 ? number(date.month(), run)
                       : locale.monthName(date.month(), run == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case 'y':
            out += run <= 2 ? number(date.year() % 100, 2) : QString::number(date.year());
            break;
        case 'h': {
            int hour = time.hour();
            if (amPmFollows(fmt, i + run))
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += number(hour, run);
            break;
        }
        case 'n': out += number(time.minute(), run); break;
        case 's': out += number(time.second(), run); break;
        case 't':
            used = std::min(run, 2);
            // The system's formats could name "t" themselves; one level is enough.
            if (depth == 0)
                out += format(used == 1 ? system.shortTimeFormat : system.longTimeFormat, when, system, depth + 1);
            break;
        case 'a':
            if (const int marker = amPmMarkerAt(fmt, i)) {
                out += amPmText(fmt, i, marker, time, locale);
                used = marker;
            } else if (run >= 3) {
                used = std::min(run, 4);
                out += locale.dayName(date.dayOfWeek(), used == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            } else {
                out += c;
                used = 1;
            }
            break;
        default:
            used = 1;
            if (c == QLatin1Char('/'))
                out += system.dateSeparator;
            else if (c == QLatin1Char(':'))
                out += system.timeSeparator;
            else
                out += c;
        }
        if (letter.isLetter())
            lastLetter = letter;
        i += used;
    }
    return out;
}

} // namespace

const std::array<DateStampItem, 9> &dateStampItems()
{
    static const std::array<DateStampItem, 9> items = {{
        {"DD/MM/YYYY", "dd/mm/yyyy "},
        {"MM/DD/YYYY", "mm/dd/yyyy "},
        {"DD MMM YYYY", "dd mmm yyyy "},
        {"DD MMMM YYYY", "dd mmmm yyyy "},
        {"Day Month YYYY", "dddd d mmmmm yyyy "},
        {"HH:MM:ss", "HH:NN:SS "},
        {"H:M AM/PM", "h:n AM/PM "},
        {"Day Month YYYY at HH:MM:ss", "dddd d mmmm yyyy at HH:NN:SS "},
        {"Day Month YYYY at H:M AM/PM", "dddd d mmmm yyyy at H:N AM/PM "},
    }};
    return items;
}

} // namespace tagloom
