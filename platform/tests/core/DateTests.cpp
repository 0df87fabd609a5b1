#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"

namespace {

// Today is Sunday 15 March 2026, 10:00; each test picks its date format.
class Dates : public ::testing::Test {
protected:
    void SetUp() override { SetFixedNow(EncodeDate(2026, 3, 15) + 10.0 / 24); }
    void TearDown() override {
        SetFixedNow(std::nullopt);
        SetShortDateFormat("MM/dd/yyyy");
    }
};

}  // namespace

TEST_F(Dates, DayNumbersCountFromThe30thOfDecember1899) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 3, 1), 61);
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585);
    int y, m, d;
    DecodeDate(36585.75, y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{2000, 2, 29}));
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(2023, 13, 1), EConvertError);
    EXPECT_EQ(Date(), EncodeDate(2026, 3, 15));
    EXPECT_NEAR(Now() - Date(), 10.0 / 24, 1e-9);
}

TEST_F(Dates, DayOfWeekStartsOnSunday) {
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 3, 15)), 1);  // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 3, 21) + 0.9), 7);  // Saturday, late in the day
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 29)), 5);  // Thursday
}

TEST_F(Dates, TextRoundTripsInEachFormat) {
    struct Case { const char* format; const char* text; };
    for (auto [format, text] : {Case{"MM/dd/yyyy", "02/09/2026"}, Case{"dd.MM.yyyy", "09.02.2026"},
                                Case{"yyyy-MM-dd", "2026-02-09"}, Case{"M/d/yyyy", "2/9/2026"},
                                Case{"dd/MM/yy", "09/02/26"}}) {
        SetShortDateFormat(format);
        TDateTime date = EncodeDate(2026, 2, 9);
        EXPECT_EQ(DateToStr(date), text) << format;
        EXPECT_EQ(StrToDate(text), date) << format;
        EXPECT_EQ(StrToDate(std::string("  ") + text + " "), date) << "surrounding blanks, " << format;
    }
}

TEST_F(Dates, ShortFormsOfTheYearAreWidened) {
    SetShortDateFormat("dd.MM.yyyy");
    EXPECT_EQ(StrToDate("1.2.2026"), EncodeDate(2026, 2, 1));
    EXPECT_EQ(StrToDate("1.2"), EncodeDate(2026, 2, 1)) << "year omitted = this year";
    // Two digits name the year within 1976..2075.
    EXPECT_EQ(StrToDate("1.2.75"), EncodeDate(2075, 2, 1));
    EXPECT_EQ(StrToDate("1.2.76"), EncodeDate(1976, 2, 1));
    EXPECT_EQ(StrToDate("1.2.05"), EncodeDate(2005, 2, 1));
    EXPECT_EQ(StrToDate("1.2.0987"), EncodeDate(987, 2, 1)) << "four digits stand as written";
    SetShortDateFormat("yyyy-MM-dd");
    EXPECT_EQ(StrToDate("12-24"), EncodeDate(2026, 12, 24)) << "month and day in the format's order";
}

TEST_F(Dates, TextThatIsNotADateThrows) {
    for (const char* bad : {"", "02/31/2026", "13/01/2026", "0/1/2026", "1/0/2026", "tomorrow", "1/2/3/4",
                            "1//2026", "1/2/", "001/2/2026", "1/2/20266", "1-2-2026", "1 /2/2026", "+1/2/2026"}) {
        TDateTime value = -1;
        EXPECT_FALSE(TryStrToDate(bad, value)) << bad;
        EXPECT_THROW(StrToDate(bad), EConvertError) << bad;
    }
    try {
        StrToDate("31/02");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'31/02' is not a valid date");
    }
}

TEST_F(Dates, DateAndTimeTogether) {
    TDateTime date = EncodeDate(2026, 7, 4);
    EXPECT_EQ(DateTimeToStr(date), "07/04/2026") << "no time of day, no time";
    EXPECT_EQ(DateTimeToStr(date + (13 * 3600 + 5 * 60 + 9) / 86400.0), "07/04/2026 13:05:09");
    EXPECT_EQ(DateTimeToStr(date + 0.9999999999), "07/05/2026") << "a hair before midnight rounds to it";

    EXPECT_DOUBLE_EQ(StrToDateTime("07/04/2026"), date);
    EXPECT_DOUBLE_EQ(StrToDateTime(" 07/04/2026  9:30 "), date + 9.5 / 24);
    EXPECT_DOUBLE_EQ(StrToDateTime("07/04/2026 1:30:30 pm"), date + (13.5 * 3600 + 30) / 86400);
    EXPECT_DOUBLE_EQ(StrToDateTime("07/04/2026 12:00AM"), date);
    for (const char* bad : {"07/04/2026 24:00", "07/04/2026 9:60", "07/04/2026 13:00 PM", "07/04/2026 9:30 xm",
                            "07/04/2026 9", "9:30", "07/04/2026 9:30:00:00"})
        EXPECT_THROW(StrToDateTime(bad), EConvertError) << bad;
    try {
        StrToDateTime("07/04/2026 25:00");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'07/04/2026 25:00' is not a valid date and time");
    }
}

TEST_F(Dates, FormatsComeFromTheCLibraryDateFormat) {
    EXPECT_EQ(ShortDateFormatFromStrftime("%m/%d/%y"), "MM/dd/yyyy");
    EXPECT_EQ(ShortDateFormatFromStrftime("%d.%m.%Y"), "dd.MM.yyyy");
    EXPECT_EQ(ShortDateFormatFromStrftime("%F"), "yyyy-MM-dd");
    EXPECT_EQ(ShortDateFormatFromStrftime("%D"), "MM/dd/yyyy");
    EXPECT_EQ(ShortDateFormatFromStrftime("%e/%-m/%C%y"), "d/M/yyyy");
    EXPECT_EQ(ShortDateFormatFromStrftime("%Y. %m. %d."), "yyyy.MM.dd");
    EXPECT_EQ(ShortDateFormatFromStrftime("%A %H"), "");
    EXPECT_THROW(SetShortDateFormat("dd/MM"), EConvertError);
    EXPECT_THROW(SetShortDateFormat("dd/MM-yyyy"), EConvertError);
}

TEST_F(Dates, TheCLocaleGivesMonthFirstAndTheGlobalLocaleIsLeftAlone) {
    std::string numericBefore = std::setlocale(LC_NUMERIC, nullptr);
    std::string ctypeBefore = std::setlocale(LC_CTYPE, nullptr);
    const char* lcAll = std::getenv("LC_ALL");
    std::string savedLcAll = lcAll ? lcAll : "";
    ::setenv("LC_ALL", "C", 1);
    SetShortDateFormat("dd.MM.yyyy");
    InitShortDateFormatFromLocale();
    if (lcAll) ::setenv("LC_ALL", savedLcAll.c_str(), 1); else ::unsetenv("LC_ALL");
    EXPECT_EQ(ShortDateFormat(), "MM/dd/yyyy");
    EXPECT_EQ(DateToStr(EncodeDate(2026, 3, 5)), "03/05/2026");
    EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), numericBefore);
    EXPECT_EQ(std::setlocale(LC_CTYPE, nullptr), ctypeBefore);
}
