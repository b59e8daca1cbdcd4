#pragma once
// Date and time stamps: the format language of the context menu's
// "Insert Current Date and Time" items (d, m, y, h, n, s, t, AM/PM ...),
// with names and separators taken from a locale.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <array>

namespace tagloom {

// What the format language takes from the system. Time formats are written
// in the format language itself (see dateStampSystemOf).
struct DateStampSystem {
    QLocale locale; // day and month names, AM and PM texts
    QString dateSeparator;
    QString timeSeparator;
    QString shortTimeFormat; // what "t" expands to
    QString longTimeFormat;  // what "tt" expands to
};

// The system values of `locale`, its Qt time formats converted to the format
// language.
DateStampSystem dateStampSystemOf(const QLocale &locale);

// Qt's time format text (h:mm AP) in the format language (h:nn AMPM).
QString dateStampFormatFromQt(const QString &qtFormat);

QString formatDateStamp(const QString &format, const QDateTime &when, const DateStampSystem &system);
QString formatDateStamp(const QString &format, const QDateTime &when, const QLocale &locale);

struct DateStampItem {
    const char *caption;
    const char *format;
};

// The nine items of "Insert Current Date and Time", in menu order.
const std::array<DateStampItem, 9> &dateStampItems();

} // namespace tagloom
