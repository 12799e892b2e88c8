// Oracle's text forms: numbers as TO_CHAR prints them without a format (".5", "-.5",
// "1E+125"), dates as stored by the engine ("YYYY-MM-DD HH24:MI:SS" text) and converted
// through Oracle format models (TO_DATE / TO_CHAR, the default DD-MON-RR).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ocilite {

// At most fifteen significant digits, and text that reads back as the same number (a
// value that would round past the largest double is cut instead of rounded).
std::string numberText(double value);
std::string numberText(int64_t value);
// Oracle's conversion of text to a number (TO_NUMBER, implicit): blanks around are
// allowed; anything else that is not a number throws ORA-01722, and a number beyond
// NUMBER's range ORA-01426.
double parseNumber(const std::string &text);
// A NUMBER holds magnitudes below 1E+126; anything else (an infinity, not a number) throws
// ORA-01426 numeric overflow.
void checkNumberRange(double value);
// True when the text reads as a whole number or decimal in Oracle's syntax.
bool looksNumeric(const std::string &text);

struct DateTime {
    int year = 1, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// The engine stores dates as "YYYY-MM-DD HH24:MI:SS", years 1 to 9999 (text in that form
// sorts as the dates do). A date outside them or with a field out of its range throws:
// ORA-01841 for year 0 or beyond -4712..9999, ORA-03001 for the years before 1 Oracle has
// and the engine cannot store, ORA-01843/01847/01850/01851/01852 for the other fields.
std::string storedDate(const DateTime &d);
std::optional<DateTime> parseStoredDate(const std::string &text);
DateTime currentDate();
// Days in a month of the proleptic Gregorian calendar (month 1..12).
int daysInMonth(int year, int month);

inline const char *const kDefaultDateFormat = "DD-MON-RR";

// TO_DATE: throws OraError (ORA-01861, 01830, 01840, 01843, 01847, 01850 ...).
DateTime parseDate(const std::string &text, const std::string &format = kDefaultDateFormat);
// TO_CHAR of a date; throws ORA-01821 for an unknown format element.
std::string formatDate(const DateTime &d, const std::string &format = kDefaultDateFormat);
// TO_CHAR of a number with a format model of 9, 0, '.', ',', D, G, FM, S, '$', MI.
std::string formatNumber(double value, const std::string &format);

} // namespace ocilite
