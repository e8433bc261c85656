#include "app/calendar.hpp"

#include <cmath>

#include "app/conversions.hpp"
#include "app/fixed_columns.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {
const std::int32_t kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Added to the hours of a date before their whole part is taken, so that an
// hour a hair below its mark counts as that hour (single-precision 0.49).
constexpr double kHourRounding = 0.49000000953674316;
static_assert(kHourRounding == double(0.49f));

// The natural logarithm of 10 in single precision.
constexpr double kLn10 = 2.3025851249694824;
static_assert(kLn10 == double(2.30258509f));
}  // namespace

bool leap(std::int32_t year) { return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0); }

double leapyr(std::int32_t year) { return leap(year) ? 1.0 : 0.0; }

double diy(std::int32_t year) { return leap(year) ? 366.0 : 365.0; }

std::int32_t dimo(std::int32_t year, std::int32_t month) {
    if (month < 1 || month > 12) return 0;
    return kMonthLength[month - 1] + (month == 2 && leap(year) ? 1 : 0);
}

std::int32_t tdaeom(std::int32_t year, std::int32_t month) {
    std::int32_t days = 0;
    for (std::int32_t m = 1; m <= month && m <= 12; ++m) days += dimo(year, m);
    return days;
}

std::int32_t days_before_month(std::int32_t year, std::int32_t month) {
    if (month < 2 || month > 12) return 0;
    return tdaeom(year, month - 1);
}

double dsf(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour) {
    float fraction = static_cast<float>(hour) / 24.0f;
    return static_cast<double>(days_before_month(year, month)) + (day == 0 ? 15 : day) +
           static_cast<double>(fraction);
}

CalendarDate dates(double t) {
    CalendarDate out;
    if (!std::isfinite(t) || std::fabs(t) > 1.0e7) return out;  // no calendar date
    out.year = static_cast<std::int32_t>(t);
    double x = (t - out.year) * diy(out.year);
    auto whole = static_cast<std::int32_t>(x);
    out.hour = static_cast<std::int32_t>((x - whole) * 24.0 + kHourRounding);
    std::int32_t day_of_year = whole;
    if (out.hour >= 24) {
        out.hour -= 24;
        ++day_of_year;
    }
    if (day_of_year < 1) {
        --out.year;
        day_of_year += static_cast<std::int32_t>(diy(out.year));
    } else if (day_of_year > static_cast<std::int32_t>(diy(out.year))) {
        day_of_year -= static_cast<std::int32_t>(diy(out.year));
        ++out.year;
    }
    out.month = 1;
    while (out.month < 12 && tdaeom(out.year, out.month) < day_of_year) ++out.month;
    out.day = day_of_year - days_before_month(out.year, out.month);
    return out;
}

double decimal_year(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour) {
    return year + dsf(year, month, day, hour) / diy(year);
}

double dt2dyear(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour, std::int32_t minute) {
    double days = days_before_month(year, month) + day - 1 + hour / 24.0 + minute / 1440.0;
    return year + days / diy(year);
}

std::string date_text(std::int32_t year, std::int32_t month, std::int32_t day) {
    std::string text = "    /  /  ";
    put_int(text, date_col::year, year);
    put_int(text, date_col::month, month, 2);
    put_int(text, date_col::day, day, 2);
    return text;
}

std::string month_date_text(std::int32_t month, std::int32_t year) {
    std::string text = "  /    ";
    put_int(text, date_col::month_form_month, month, 2);
    put_int(text, date_col::month_form_year, year);
    return text;
}

std::optional<CalendarDate> date2ymd(const std::string& text) {
    auto field = [&](ColumnField f) {
        std::string piece = column_text(text, f);
        return char2int(piece, f.width());
    };
    CalendarDate out;
    std::optional<std::int32_t> y, m, d;
    if (column_text(text, date_col::month_form_mark) != "/") {
        y = field(date_col::year);
        m = field(date_col::month);
        d = field(date_col::day);
    } else {
        m = field(date_col::month_form_month);
        y = field(date_col::month_form_year);
        d = 0;
    }
    if (!y || !m || !d) return std::nullopt;
    out.year = *y;
    out.month = *m;
    out.day = *d;
    return out;
}

std::string date_fault(const CalendarDate& date) {
    auto n = [](std::int32_t v) { return std::to_string(v); };
    if (date.year < kFirstYear) return "year " + n(date.year) + " is not " + n(kFirstYear) + " or later";
    if (date.month < 0 || date.month > 12) return "month " + n(date.month) + " is not 00 to 12";
    if (date.month == 0) return date.day == 0 ? "" : "day " + n(date.day) + " is not 00 in a yearly average";
    std::int32_t last = dimo(date.year, date.month);
    if (date.day < 0 || date.day > last) {
        std::string month = trim(date_text(date.year, date.month, 0).substr(0, 7));  // "2019/02"
        return "day " + n(date.day) + " is not 00 to " + n(last) + " in " + month;
    }
    return "";
}

bool possible_date(const CalendarDate& date) { return date_fault(date).empty(); }

double linterp(double x1, double x2, double y1, double y2, double x) {
    return y2 + (y2 - y1) / (x2 - x1) * (x - x2);
}

double extrapolate(double x1, double x2, double y1, double y2, double x) {
    return linterp(x1, x2, y1, y2, x);
}

namespace fmath {
double log10(double x) { return std::log(x) / kLn10; }
}  // namespace fmath

}  // namespace tolv7
