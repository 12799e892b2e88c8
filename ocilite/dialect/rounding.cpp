// ROUND and TRUNC of numbers and dates, and NEXT_DAY. A date rounds or truncates to the unit
// its format model names (Oracle's table of ROUND and TRUNC date formats: century, year, ISO
// year, quarter, month, week, day, hour, minute); a number to a count of decimal places,
// exactly in decimal, so ROUND(1.005, 2) is 1.01.
#include "ocilite/dialect/calendar.h"
#include "ocilite/dialect/sql_function_args.h"
#include "ocilite/dialect/sql_functions.h"
#include "ocilite/engine/oracle_number.h"

#include <array>
#include <cctype>
#include <string_view>

namespace ocilite {
namespace {

enum class Unit {
    Century,
    Year,
    IsoYear,
    Quarter,
    Month,
    YearWeek,
    IsoWeek,
    MonthWeek,
    Day,
    Week,
    Hour,
    Minute
};

struct UnitName {
    std::string_view name;
    Unit unit;
};

// Longest names first, so that a scan of a format takes the longest element.
constexpr std::array<UnitName, 27> kUnits = {{
    {"SYYYY", Unit::Year},  {"SYEAR", Unit::Year},   {"MONTH", Unit::Month}, {"YYYY", Unit::Year},
    {"YEAR", Unit::Year},   {"IYYY", Unit::IsoYear}, {"HH24", Unit::Hour},   {"HH12", Unit::Hour},
    {"SCC", Unit::Century}, {"YYY", Unit::Year},     {"IYY", Unit::IsoYear}, {"MON", Unit::Month},
    {"DDD", Unit::Day},     {"DAY", Unit::Week},     {"CC", Unit::Century},  {"YY", Unit::Year},
    {"IY", Unit::IsoYear},  {"MM", Unit::Month},     {"RM", Unit::Month},    {"WW", Unit::YearWeek},
    {"IW", Unit::IsoWeek},  {"DD", Unit::Day},       {"DY", Unit::Week},     {"HH", Unit::Hour},
    {"MI", Unit::Minute},   {"Y", Unit::Year},       {"I", Unit::IsoYear},
}};

std::string upper(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// How many rounding units a format names, scanning it element by element.
int unitsIn(const std::string &format) {
    int count = 0;
    for (size_t i = 0; i < format.size();) {
        size_t step = 1;
        for (const UnitName &u : kUnits)
            if (std::string_view(format).substr(i, u.name.size()) == u.name) {
                step = u.name.size();
                ++count;
                break;
            }
        i += step;
    }
    return count;
}

// The unit a format model names. A format Oracle cannot read is ORA-01821; one of several
// units ORA-01898; one naming no unit (seconds, a meridian) ORA-01899.
Unit unitOf(const std::string &text) {
    const std::string format = upper(text);
    for (const UnitName &u : kUnits)
        if (format == u.name)
            return u.unit;
    for (const char *single : {"Q", "W", "J", "D"})
        if (format == single)
            return format == "Q"   ? Unit::Quarter
                   : format == "W" ? Unit::MonthWeek
                   : format == "J" ? Unit::Day
                                   : Unit::Week;
    formatDate(DateTime{}, text); // throws ORA-01821 for what is no format model
    throw OraError(unitsIn(format) > 1 ? kOraTooManyPrecision : kOraBadPrecision);
}

DateTime dayOnly(DateTime d) {
    d.hour = d.minute = d.second = 0;
    return d;
}

DateTime addDays(const DateTime &d, long long days) {
    return civilFromSeconds(secondsOf(d) + days * 86400);
}

// Monday of the first ISO week of an ISO year: the week that holds 4 January.
DateTime isoYearStart(int year) {
    DateTime jan4;
    jan4.year = year;
    jan4.day = 4;
    return addDays(jan4, -((dayOfWeek(jan4) + 6) % 7));
}

DateTime isoYearOf(const DateTime &d) {
    const DateTime day = dayOnly(d);
    for (int year = d.year + 1; year >= d.year - 1; --year)
        if (year <= 9999 && secondsOf(isoYearStart(year)) <= secondsOf(day))
            return isoYearStart(year);
    return isoYearStart(d.year - 1);
}

// The start of the unit's period that holds d; `next` gives the start of the following one.
DateTime periodStart(const DateTime &d, Unit unit, bool next) {
    DateTime s = dayOnly(d);
    const int step = next ? 1 : 0;
    switch (unit) {
    case Unit::Century:
        return DateTime{((d.year - 1) / 100 + step) * 100 + 1};
    case Unit::Year:
        return DateTime{d.year + step};
    case Unit::IsoYear:
        return next ? isoYearStart(isoYearOf(d).year + 1 + (isoYearOf(d).month == 12))
                    : isoYearOf(d);
    case Unit::Quarter: {
        const int month = (d.month - 1) / 3 * 3 + 1 + 3 * step;
        return DateTime{d.year + (month > 12), (month - 1) % 12 + 1};
    }
    case Unit::Month:
        return DateTime{d.year + (d.month + step > 12), (d.month + step - 1) % 12 + 1};
    case Unit::YearWeek:
        return addDays(
            s,
            7 * step - (daysFromCivil(d.year, d.month, d.day) - daysFromCivil(d.year, 1, 1)) % 7);
    case Unit::IsoWeek:
        return addDays(s, 7 * step - (dayOfWeek(d) + 6) % 7);
    case Unit::MonthWeek:
        return addDays(s, 7 * step - (d.day - 1) % 7);
    case Unit::Week:
        return addDays(s, 7 * step - dayOfWeek(d));
    case Unit::Day:
        return addDays(s, step);
    case Unit::Hour:
        s.hour = d.hour;
        return civilFromSeconds(secondsOf(s) + 3600 * step);
    case Unit::Minute:
        s.hour = d.hour;
        s.minute = d.minute;
        return civilFromSeconds(secondsOf(s) + 60 * step);
    }
    return s;
}

// Where a unit rounds up: a year on 1 July, a quarter on the sixteenth day of its second
// month, a month on its sixteenth day; the others at the middle of the period.
bool roundsUp(const DateTime &d, Unit unit, const DateTime &start, const DateTime &end) {
    switch (unit) {
    case Unit::Century:
        return d.year - start.year >= 50;
    case Unit::Year:
        return d.month >= 7;
    case Unit::Quarter:
        return (d.month - start.month) * 100 + d.day >= 116;
    case Unit::Month:
        return d.day >= 16;
    default:
        return 2 * (secondsOf(d) - secondsOf(start)) >= secondsOf(end) - secondsOf(start);
    }
}

DateTime roundDate(const DateTime &d, Unit unit, bool round) {
    const DateTime start = periodStart(d, unit, false);
    if (!round)
        return start;
    const DateTime end = periodStart(d, unit, true);
    return roundsUp(d, unit, start, end) ? end : start;
}

// A number rounded (or truncated) to `places` decimal places, in decimal.
void roundNumber(sqlite3_context *ctx, sqlite3_value *value, long long places, bool round) {
    if (sqlite3_value_type(value) == SQLITE_INTEGER && places >= 0)
        return sqlite3_result_value(ctx, value);
    Decimal d = sqlite3_value_type(value) == SQLITE_INTEGER
                    ? decimalOf(static_cast<long long>(sqlite3_value_int64(value)))
                    : decimalOf(argNumber(value));
    const auto kept = static_cast<long long>(d.exponent) + places;
    if (kept < static_cast<long long>(d.digits.size())) {
        const bool up = round && kept >= 0 && d.digits[static_cast<size_t>(kept)] >= '5';
        d.digits.resize(static_cast<size_t>(std::max(0LL, kept)));
        if (up) {
            d.digits.insert(d.digits.begin(), '0');
            ++d.exponent;
            size_t k = d.digits.size();
            while (k-- > 0 && d.digits[k] == '9')
                d.digits[k] = '0';
            if (k < d.digits.size())
                ++d.digits[k];
            d = decimalOfText((d.negative ? "-0." : "0.") + d.digits + "E" +
                              std::to_string(d.exponent));
        }
        while (!d.digits.empty() && d.digits.back() == '0')
            d.digits.pop_back();
        if (d.digits.empty())
            return sqlite3_result_int(ctx, 0);
    }
    long long whole = 0;
    if (asInteger(d, whole))
        return sqlite3_result_int64(ctx, whole);
    resultNumber(ctx, asDouble(d));
}

void roundOrTrunc(sqlite3_context *ctx, int argc, sqlite3_value **argv, bool round) {
    if (isNull(argv[0]) || (argc > 1 && isNull(argv[1])))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        if (auto date = argDate(argv[0])) {
            const Unit unit = argc > 1 ? unitOf(argText(argv[1])) : Unit::Day;
            return resultText(ctx, storedDate(roundDate(*date, unit, round)));
        }
        const long long places = argc > 1 ? argInteger(argv[1], -130, 130) : 0;
        roundNumber(ctx, argv[0], places, round);
    });
}

void fnRound(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    roundOrTrunc(ctx, argc, argv, true);
}

void fnTrunc(sqlite3_context *ctx, int argc, sqlite3_value **argv) {
    roundOrTrunc(ctx, argc, argv, false);
}

// The day of the week a name gives, in the session's language (American): the full name or
// at least its three-letter abbreviation, whatever follows the abbreviation being ignored.
int weekdayNamed(const std::string &text) {
    static const char *const kDays[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    const std::string name = upper(text);
    for (int i = 0; i < 7; ++i)
        if (name.compare(0, 3, kDays[i]) == 0)
            return i;
    throw OraError(kOraNotDayOfWeek);
}

// NEXT_DAY: the first later date that falls on the named day, time of day kept.
void fnNextDay(sqlite3_context *ctx, int, sqlite3_value **argv) {
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const DateTime d = dateArgument(argv[0]);
        const int ahead = (weekdayNamed(argText(argv[1])) - dayOfWeek(d) + 7) % 7;
        resultText(ctx, storedDate(addDays(d, ahead == 0 ? 7 : ahead)));
    });
}

} // namespace

void registerRoundingFunctions(sqlite3 *db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    for (int args = 1; args <= 2; ++args) {
        sqlite3_create_function_v2(db, "ROUND", args, flags, nullptr, fnRound, nullptr, nullptr,
                                   nullptr);
        sqlite3_create_function_v2(db, "TRUNC", args, flags, nullptr, fnTrunc, nullptr, nullptr,
                                   nullptr);
    }
    sqlite3_create_function_v2(db, "NEXT_DAY", 2, flags, nullptr, fnNextDay, nullptr, nullptr,
                               nullptr);
}

} // namespace ocilite
