// Dates as days since 30 Dec 1899, converted with std::chrono's calendar
// types, and their text form in the one short date format of the program.
#include "platform/core/DateTime.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Strings.h"

namespace {

using namespace std::chrono;

// 30 Dec 1899 lies this many days before the system clock's epoch (1 Jan 1970).
constexpr long long kDaysBeforeUnixEpoch = 25569;
constexpr long long kMsPerDay = 86400000;
// 1 Jan 0001 and 31 Dec 9999: the dates this program can show.
constexpr long long kFirstDay = -693593, kLastDay = 2958465;

std::optional<TDateTime> fixedNow;

// ---------------------------------------------------------------- day numbers

sys_days ToSysDays(long long day) { return sys_days{days{day - kDaysBeforeUnixEpoch}}; }

long long ToDayNumber(const year_month_day& ymd) { return sys_days{ymd}.time_since_epoch().count() + kDaysBeforeUnixEpoch; }

// Splits a value into its day number and milliseconds of the day. A negative
// value counts its days back from 30 Dec 1899 and its time of day forward
// from that day's midnight (-1.25 = 29 Dec 1899, 6:00).
void SplitDateTime(TDateTime value, long long& day, long long& msOfDay) {
    if (std::isnan(value)) value = 0;
    double magnitude = std::fabs(value);
    if (magnitude > static_cast<double>(kLastDay + 1)) magnitude = static_cast<double>(kLastDay + 1);
    long long ms = std::llround(magnitude * kMsPerDay);
    day = ms / kMsPerDay;
    msOfDay = ms % kMsPerDay;
    if (value < 0) day = -day;
    if (day < kFirstDay) day = kFirstDay;
    if (day > kLastDay) day = kLastDay;
}

bool TryEncodeDate(int y, int m, int d, TDateTime& value) {
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return false;
    year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!ymd.ok()) return false;
    value = static_cast<TDateTime>(ToDayNumber(ymd));
    return true;
}

// ---------------------------------------------------------------- the short date format

// The format split into its three fields, in order, and their separator.
struct DateLayout {
    char field[3];  // 'd', 'M' or 'y'
    int width[3];   // letters in the field: d/dd, M/MM, yy/yyyy
    char separator;
};

bool ParseLayout(const AnsiString& format, DateLayout& layout) {
    int fields = 0;
    char separator = 0;
    size_t i = 0;
    while (i < format.size()) {
        char letter = format[i];
        char kind = (letter == 'd' || letter == 'D') ? 'd' : (letter == 'm' || letter == 'M') ? 'M'
                  : (letter == 'y' || letter == 'Y') ? 'y' : 0;
        if (kind == 0) return false;
        size_t start = i;
        while (i < format.size() && format[i] == letter) ++i;
        int width = static_cast<int>(i - start);
        if (fields == 3 || width > (kind == 'y' ? 4 : 2)) return false;
        for (int f = 0; f < fields; ++f)
            if (layout.field[f] == kind) return false;
        layout.field[fields] = kind;
        layout.width[fields] = kind == 'y' ? (width <= 2 ? 2 : 4) : width;
        ++fields;
        if (i == format.size()) break;
        // Exactly one separator character, the same between every pair of fields.
        if (separator == 0) separator = format[i];
        if (format[i] != separator || i + 1 == format.size()) return false;
        ++i;
    }
    layout.separator = separator;
    return fields == 3 && separator != 0;
}

const char* const kDefaultFormat = "MM/dd/yyyy";
AnsiString shortDateFormat = kDefaultFormat;
DateLayout shortDateLayout = {{'M', 'd', 'y'}, {2, 2, 4}, '/'};

}  // namespace

// Letters for the C library date format: %d/%e day, %m/%b month, %y/%Y year,
// %D and %F for whole dates; the first punctuation between fields separates.
AnsiString ShortDateFormatFromStrftime(const AnsiString& pattern) {
    AnsiString expanded;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 'D' || pattern[i + 1] == 'x')) {
            expanded += "%m/%d/%y";
            ++i;
        } else if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 'F') {
            expanded += "%Y-%m-%d";
            ++i;
        } else {
            expanded += pattern[i];
        }
    }

    std::vector<AnsiString> fields;
    AnsiString separator;
    for (size_t i = 0; i < expanded.size(); ++i) {
        char c = expanded[i];
        if (c != '%') {
            // The first plain ASCII punctuation or blank between the first two fields separates them all.
            bool usable = c == ' ' || (c > 32 && c < 127 && !std::isalnum(static_cast<unsigned char>(c)));
            if (fields.size() == 1 && (separator.empty() || separator == " ") && usable) separator = c;
            continue;
        }
        bool unpadded = false;
        while (i + 1 < expanded.size() && AnsiString("-_0^#EO").find(expanded[i + 1]) != AnsiString::npos) {
            unpadded = unpadded || expanded[i + 1] == '-';
            ++i;
        }
        if (++i >= expanded.size()) break;
        switch (expanded[i]) {
            case 'd': fields.push_back(unpadded ? "d" : "dd"); break;
            case 'e': fields.push_back("d"); break;
            case 'm': fields.push_back(unpadded ? "M" : "MM"); break;
            case 'b': case 'B': case 'h': fields.push_back("MM"); break;
            case 'y': case 'Y': case 'G': case 'g': fields.push_back("yyyy"); break;
            default: break;  // %C (century) and anything else adds no field
        }
    }
    if (fields.size() != 3) return AnsiString();
    if (separator.empty()) separator = '/';
    AnsiString format = fields[0] + separator + fields[1] + separator + fields[2];
    DateLayout check;
    return ParseLayout(format, check) ? format : AnsiString();
}

namespace {

AnsiString Padded(int value, int width) {
    AnsiString digits = std::to_string(value);
    while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
    return digits;
}

bool AllDigits(const AnsiString& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int ThisYear() {
    int y, m, d;
    DecodeDate(Date(), y, m, d);
    return y;
}

// h:mm[:ss], optionally followed by AM or PM; as a fraction of a day.
bool TryParseTime(const AnsiString& text, double& fraction) {
    size_t i = 0;
    auto number = [&](int& out) {
        size_t start = i;
        while (i < text.size() && i - start < 2 && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == start) return false;
        out = std::stoi(text.substr(start, i - start));
        return true;
    };
    int h = 0, m = 0, s = 0;
    if (!number(h) || i >= text.size() || text[i++] != ':' || !number(m)) return false;
    if (i < text.size() && text[i] == ':') {
        ++i;
        if (!number(s)) return false;
    }
    AnsiString suffix = UpperCase(Trim(text.substr(i)));
    if (!suffix.empty() && suffix != "AM" && suffix != "PM") return false;
    if (!suffix.empty()) {
        if (h > 12) return false;
        if (h == 12) h = 0;
        if (suffix == "PM") h += 12;
    }
    if (h > 23 || m > 59 || s > 59) return false;
    fraction = (h * 3600 + m * 60 + s) / 86400.0;
    return true;
}

TDateTime FromLocalTime(std::time_t seconds, int milliseconds) {
    std::tm local{};
    localtime_r(&seconds, &local);
    TDateTime day = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return day + ((local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 1000 + milliseconds) / double(kMsPerDay);
}

}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime value = 0;
    if (!TryEncodeDate(year, month, day, value)) throw EConvertError("Invalid argument to date encode");
    return value;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    long long dayNumber = 0, msOfDay = 0;
    SplitDateTime(value, dayNumber, msOfDay);
    year_month_day ymd{ToSysDays(dayNumber)};
    year = static_cast<int>(ymd.year());
    month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    day = static_cast<int>(static_cast<unsigned>(ymd.day()));
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Now() {
    if (fixedNow) return *fixedNow;
    auto now = system_clock::now();
    auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count();
    return FromLocalTime(static_cast<std::time_t>(ms / 1000), static_cast<int>(ms % 1000));
}

void SetFixedNow(std::optional<TDateTime> now) { fixedNow = now; }

int DayOfWeek(TDateTime value) {
    long long dayNumber = 0, msOfDay = 0;
    SplitDateTime(value, dayNumber, msOfDay);
    return static_cast<int>(weekday{ToSysDays(dayNumber)}.c_encoding()) + 1;
}

AnsiString ShortDateFormat() { return shortDateFormat; }

void SetShortDateFormat(const AnsiString& format) {
    DateLayout layout;
    if (!ParseLayout(format, layout)) throw EConvertError("'" + format + "' is not a valid date format");
    shortDateFormat = format;
    shortDateLayout = layout;
}

void InitShortDateFormatFromLocale() {
    // A locale object of its own: the process's global locale stays as it is.
    AnsiString format;
    if (locale_t userTime = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0))) {
        format = ShortDateFormatFromStrftime(nl_langinfo_l(D_FMT, userTime));
        freelocale(userTime);
    }
    SetShortDateFormat(format.empty() ? AnsiString(kDefaultFormat) : format);
}

AnsiString DateToStr(TDateTime value) {
    int y, m, d;
    DecodeDate(value, y, m, d);
    const DateLayout& layout = shortDateLayout;
    AnsiString text;
    for (int f = 0; f < 3; ++f) {
        if (f > 0) text += layout.separator;
        switch (layout.field[f]) {
            case 'd': text += Padded(d, layout.width[f]); break;
            case 'M': text += Padded(m, layout.width[f]); break;
            default: text += Padded(layout.width[f] == 2 ? y % 100 : y, layout.width[f]); break;
        }
    }
    return text;
}

AnsiString DateTimeToStr(TDateTime value) {
    long long dayNumber = 0, msOfDay = 0;
    SplitDateTime(value, dayNumber, msOfDay);
    AnsiString text = DateToStr(value);
    if (msOfDay != 0) {
        long long seconds = msOfDay / 1000;
        text += ' ' + std::to_string(seconds / 3600) + ':' + Padded(static_cast<int>(seconds / 60 % 60), 2) + ':' +
                Padded(static_cast<int>(seconds % 60), 2);
    }
    return text;
}

// The three numbers of a date in the format's order; the year may be left out.
bool TryStrToDate(const AnsiString& text, TDateTime& value) {
    const DateLayout& layout = shortDateLayout;
    const std::vector<AnsiString> parts = SplitString(Trim(text), layout.separator);
    if (parts.size() != 2 && parts.size() != 3) return false;

    int day = 0, month = 0, year = 0;
    bool yearGiven = parts.size() == 3;
    size_t next = 0;
    for (int f = 0; f < 3; ++f) {
        char kind = layout.field[f];
        if (kind == 'y' && !yearGiven) continue;
        const AnsiString& part = parts[next++];
        size_t maxDigits = kind == 'y' ? 4 : 2;
        if (!AllDigits(part) || part.size() > maxDigits) return false;
        int number = std::stoi(part);
        if (kind == 'd') day = number;
        else if (kind == 'M') month = number;
        else year = number;
        if (kind == 'y' && part.size() <= 2) {
            // Two-digit years fall within 50 years of this year.
            int base = ThisYear() - 50;
            year += base / 100 * 100;
            if (year < base) year += 100;
        }
    }
    if (!yearGiven) year = ThisYear();
    return TryEncodeDate(year, month, day, value);
}

TDateTime StrToDate(const AnsiString& text) {
    TDateTime value = 0;
    if (!TryStrToDate(text, value)) throw EConvertError("'" + text + "' is not a valid date");
    return value;
}

TDateTime StrToDateTime(const AnsiString& text) {
    const AnsiString trimmed = Trim(text);
    // With a ":" the time follows the last blank before it.
    size_t colon = trimmed.find(':');
    TDateTime date = 0;
    double fraction = 0;
    bool ok;
    if (colon == AnsiString::npos) {
        ok = TryStrToDate(trimmed, date);
    } else {
        size_t blank = trimmed.rfind(' ', colon);
        ok = blank != AnsiString::npos && TryStrToDate(trimmed.substr(0, blank), date) &&
             TryParseTime(Trim(trimmed.substr(blank + 1)), fraction);
    }
    if (!ok) throw EConvertError("'" + text + "' is not a valid date and time");
    return date + fraction;
}
