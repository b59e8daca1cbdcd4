#include "net/ftp_listing_time.h"

#include <QRegularExpression>
#include <QStringList>

namespace tagloom {

namespace {

int monthOf(const QString &name)
{
    static const QStringList months{QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"),
                                    QStringLiteral("apr"), QStringLiteral("may"), QStringLiteral("jun"),
                                    QStringLiteral("jul"), QStringLiteral("aug"), QStringLiteral("sep"),
                                    QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
    return months.indexOf(name.toLower()) + 1;
}

} // namespace

QDateTime listingTime(const QString &text, const QDate &today)
{
    static const QRegularExpression unixForm(QStringLiteral("^([A-Za-z]{3})\\s+(\\d{1,2})\\s+(?:(\\d{1,2}):(\\d{2})|(\\d{4}))$"));
    static const QRegularExpression dosForm(QStringLiteral("^(\\d{2})-(\\d{2})-(\\d{2,4})\\s+(\\d{1,2}):(\\d{2})([AaPp][Mm])?$"));
    const QString trimmed = text.trimmed();
    if (const auto m = unixForm.match(trimmed); m.hasMatch()) {
        const int month = monthOf(m.captured(1));
        const int day = m.captured(2).toInt();
        if (!m.captured(5).isEmpty())
            return QDateTime(QDate(m.captured(5).toInt(), month, day), QTime(0, 0));
        // A time instead of a year: the date lies within the last half year.
        QDate date(today.year(), month, day);
        if (date > today.addDays(1))
            date = date.addYears(-1);
        return QDateTime(date, QTime(m.captured(3).toInt(), m.captured(4).toInt()));
    }
    if (const auto m = dosForm.match(trimmed); m.hasMatch()) {
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            year += year < 70 ? 2000 : 1900;
        int hour = m.captured(4).toInt();
        const QString half = m.captured(6).toUpper();
        if (half == QLatin1String("PM") && hour < 12)
            hour += 12;
        else if (half == QLatin1String("AM") && hour == 12)
            hour = 0;
        return QDateTime(QDate(year, m.captured(1).toInt(), m.captured(2).toInt()), QTime(hour, m.captured(5).toInt()));
    }
    return {};
}

} // namespace tagloom
