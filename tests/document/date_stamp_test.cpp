#include "document/date_stamp.h"

#include <gtest/gtest.h>

using namespace tagloom;

namespace {

// --- date stamps -----------------------------------------------------------

DateStampSystem englishSystem()
{
    return {QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("/"), QStringLiteral(":"),
            QStringLiteral("h:mm AMPM"), QStringLiteral("hh:nn:ss AMPM")};
}

const QDateTime kTuesday(QDate(2026, 12, 8), QTime(14, 5, 9));

TEST(DateStampTest, TheNineItemsGiveTheWorkedExamples)
{
    const char *const expected[] = {
        "08/12/2026 ",
        "12/08/2026 ",
        "08 Dec 2026 ",
        "08 December 2026 ",
        "Tuesday 8 December 2026 ",
        "14:05:09 ",
        "2:5 PM ",
        "Tuesday 8 December 2026 a2:05 PM 14:05:09 ",
        "Tuesday 8 December 2026 a2:05 PM 2:5 PM ",
    };
    const auto &items = dateStampItems();
    ASSERT_EQ(items.size(), 9u);
    for (size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(formatDateStamp(QLatin1String(items[i].format), kTuesday, englishSystem()),
                  QLatin1String(expected[i]))
            << items[i].caption;
}

TEST(DateStampTest, FormatLanguage)
{
    struct Row {
        const char *name;
        const char *format;
        QDateTime when;
        const char *expected;
    };
    const QDateTime morning(QDate(2026, 3, 1), QTime(9, 7, 3));
    const QDateTime midnight(QDate(2026, 3, 1), QTime(0, 30, 0));
    const QDateTime noon(QDate(2026, 3, 1), QTime(12, 0, 0));
    const Row rows[] = {
        {"minutes and seconds without zeros", "h:n AM/PM ", morning, "9:7 AM "},
        {"24-hour clock with zeros", "hh:nn:ss", morning, "09:07:03"},
        {"hour 0 on the 12-hour clock is 12", "h:nn am/pm", midnight, "12:30 am"},
        {"noon is PM", "h AM/PM", noon, "12 PM"},
        {"A/P in the written case", "h a/p|H A/P", morning, "9 a|9 A"},
        {"AMPM uses the locale's texts", "h AMPM", noon, "12 PM"},
        {"mixed case AM/PM keeps each letter", "h Am/pM", noon, "12 pM"},
        {"m after h means minutes", "h:m", morning, "9:7"},
        {"mm after h means minutes", "hh:mm", morning, "09:07"},
        {"m after another letter is the month", "d/m", morning, "1/3"},
        {"short names", "ddd mmm", morning, "Sun Mar"},
        {"five m's are the long month name", "mmmmm", morning, "March"},
        {"two-digit year", "yy", morning, "26"},
        {"three y's give four digits", "yyy", morning, "2026"},
        {"lone a is copied, letter case kept", "a A", morning, "a A"},
        {"aaa and aaaa are day names", "aaa aaaa", morning, "Sun Sunday"},
        {"t is the short time format", "t", morning, "9:07 AM"},
        {"tt is the long time format", "tt", morning, "09:07:03 AM"},
        {"other characters are copied", "[x] #", morning, "[x] #"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(formatDateStamp(QLatin1String(row.format), row.when, englishSystem()), QLatin1String(row.expected))
            << row.name;
}

TEST(DateStampTest, SeparatorsComeFromTheSystem)
{
    DateStampSystem system = englishSystem();
    system.dateSeparator = QStringLiteral(".");
    system.timeSeparator = QStringLiteral("-");
    EXPECT_EQ(formatDateStamp(QStringLiteral("dd/mm/yyyy hh:nn"), kTuesday, system), QStringLiteral("08.12.2026 14-05"));
}

TEST(DateStampTest, QtTimeFormatsConvert)
{
    EXPECT_EQ(dateStampFormatFromQt(QStringLiteral("h:mm AP")), QStringLiteral("h:nn AMPM"));
    EXPECT_EQ(dateStampFormatFromQt(QStringLiteral("HH:mm:ss t")), QStringLiteral("hh:nn:ss"));
    const DateStampSystem system = dateStampSystemOf(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(system.dateSeparator, QStringLiteral("."));
    EXPECT_EQ(formatDateStamp(QStringLiteral("dddd"), kTuesday, system), QStringLiteral("Dienstag"));
}

} // namespace
