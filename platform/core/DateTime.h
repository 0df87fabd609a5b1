// Dates: TDateTime is days since 30 Dec 1899 as a double (whole part = day,
// fraction = time of day). Text conversion uses one settable short date format,
// taken from the user's locale at start-up.
#ifndef TRAILBOOK_PLATFORM_DATETIME_H
#define TRAILBOOK_PLATFORM_DATETIME_H

#include <optional>
#include <string>

using AnsiString = std::string;
using TDateTime = double;

TDateTime EncodeDate(int year, int month, int day);  // EConvertError on an invalid date
void DecodeDate(TDateTime value, int& year, int& month, int& day);
// Today at midnight / now; a test can fix both with SetFixedNow.
TDateTime Date();
TDateTime Now();
void SetFixedNow(std::optional<TDateTime> now);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime value);

// Format letters: d, dd, M, MM, yy, yyyy and one separator character, e.g.
// "MM/dd/yyyy", "dd.MM.yyyy", "yyyy-MM-dd".
AnsiString ShortDateFormat();
void SetShortDateFormat(const AnsiString& format);
// Reads LC_TIME's date format (nl_langinfo D_FMT); a two-digit year is widened
// to four digits; the C/POSIX locale gives MM/dd/yyyy.
void InitShortDateFormatFromLocale();
// The format letters for a C library date format ("%d.%m.%Y" gives
// "dd.MM.yyyy"); "" when it does not name day, month and year.
AnsiString ShortDateFormatFromStrftime(const AnsiString& pattern);

AnsiString DateToStr(TDateTime value);
// Date followed by a blank and the time (h:mm:ss) when the value has a time of day.
AnsiString DateTimeToStr(TDateTime value);
// Day, month and year in the order of the short date format, separated by its
// separator; the year may be omitted (this year) or have two digits (widened
// to the nearest century within 50 years of today). Anything else throws
// EConvertError "'text' is not a valid date".
TDateTime StrToDate(const AnsiString& text);
bool TryStrToDate(const AnsiString& text, TDateTime& value);
// A date, optionally followed by a time h:mm[:ss]; EConvertError
// "'text' is not a valid date and time" otherwise.
TDateTime StrToDateTime(const AnsiString& text);

#endif
