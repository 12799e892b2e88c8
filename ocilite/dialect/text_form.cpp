#include "ocilite/dialect/text_form.h"

#include "ocilite/engine/errors.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace ocilite {
namespace {

// NUMBER holds magnitudes up to 9.99...E+125.
constexpr double kNumberLimit = 1e126;

const char *const kMonths[] = {"JANUARY",   "FEBRUARY", "MARCH",    "APRIL",
                               "MAY",       "JUNE",     "JULY",     "AUGUST",
                               "SEPTEMBER", "OCTOBER",  "NOVEMBER", "DECEMBER"};
const char *const kDays[] = {"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                             "THURSDAY", "FRIDAY", "SATURDAY"};

std::string upper(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Oracle prints a name in the case of the format element: MON -> JAN, Mon -> Jan.
std::string inCaseOf(const std::string &element, const std::string &name) {
    const bool first = std::isupper(static_cast<unsigned char>(element[0]));
    const bool second = element.size() > 1 && std::isupper(static_cast<unsigned char>(element[1]));
    std::string out = name;
    for (size_t i = 0; i < out.size(); ++i) {
        const bool up = i == 0 ? first : (first && second);
        out[i] = static_cast<char>(up ? std::toupper(static_cast<unsigned char>(out[i]))
                                      : std::tolower(static_cast<unsigned char>(out[i])));
    }
    return out;
}

int weekday(const DateTime &d) {
    // Zeller-like count from a known Sunday, proleptic Gregorian calendar.
    int y = d.year, m = d.month;
    if (m < 3) {
        m += 12;
        --y;
    }
    const int k = y % 100, j = y / 100;
    const int h = (d.day + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7; // 0 = Saturday
    return (h + 6) % 7;
}

// One element of a date format model.
struct Element {
    std::string text; // as written in the format (case kept)
    std::string key;  // upper-case element name, or empty for literal text
};

std::vector<Element> splitFormat(const std::string &format) {
    static const char *const kKeys[] = {"MONTH", "YYYY", "RRRR", "HH24", "HH12", "SYYYY", "MON",
                                        "DAY",   "YYY",  "AM",   "PM",   "A.M.", "P.M.",  "YY",
                                        "RR",    "MM",   "DD",   "DY",   "HH",   "MI",    "SS",
                                        "FM",    "FX",   "D",    "J",    "Y"};
    std::vector<Element> out;
    const std::string up = upper(format);
    for (size_t i = 0; i < format.size();) {
        if (format[i] == '"') {
            const size_t close = format.find('"', i + 1);
            if (close == std::string::npos)
                throw OraError(kOraDateFormatNotRecognized);
            out.push_back({format.substr(i + 1, close - i - 1), ""});
            i = close + 1;
            continue;
        }
        if (!std::isalnum(static_cast<unsigned char>(format[i]))) {
            out.push_back({std::string(1, format[i]), ""});
            ++i;
            continue;
        }
        bool found = false;
        for (const char *key : kKeys) {
            const std::string k = key;
            if (up.compare(i, k.size(), k) == 0) {
                out.push_back({format.substr(i, k.size()), k});
                i += k.size();
                found = true;
                break;
            }
        }
        if (!found)
            throw OraError(kOraDateFormatNotRecognized);
    }
    return out;
}

class DateReader {
public:
    DateReader(const std::string &text, DateTime &d) : m_text(text), m_date(d) {}

    void read(const std::vector<Element> &format) {
        size_t e = 0;
        for (; e < format.size(); ++e) {
            skipBlanks();
            if (m_pos >= m_text.size())
                break;
            readElement(format[e]);
        }
        for (; e < format.size(); ++e)
            if (!format[e].key.empty() && format[e].key != "FM" && format[e].key != "FX")
                break;
        skipBlanks();
        if (m_pos < m_text.size())
            throw OraError(kOraDateFormatEnds);
        if (m_pm && m_date.hour < 12)
            m_date.hour += 12;
        if (m_am && m_date.hour == 12)
            m_date.hour = 0;
        if (m_date.day > daysInMonth(m_date.year, m_date.month))
            throw OraError(kOraInvalidDay);
    }

private:
    void skipBlanks() {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
    }

    // How many digits follow the read position (after a sign).
    size_t digitsAhead() const {
        size_t i = m_pos;
        if (i < m_text.size() && (m_text[i] == '-' || m_text[i] == '+'))
            ++i;
        const size_t first = i;
        while (i < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[i])))
            ++i;
        return i - first;
    }

    int number(size_t maxDigits, int error = kOraNonNumeric) {
        size_t start = m_pos;
        bool negative = false;
        if (m_pos < m_text.size() && (m_text[m_pos] == '-' || m_text[m_pos] == '+'))
            negative = m_text[m_pos++] == '-';
        int value = 0;
        size_t digits = 0;
        while (m_pos < m_text.size() && digits < maxDigits &&
               std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            value = value * 10 + (m_text[m_pos++] - '0');
            ++digits;
        }
        if (digits == 0) {
            m_pos = start;
            throw OraError(error);
        }
        return negative ? -value : value;
    }

    int name(const char *const *names, int count, size_t abbreviation, int error) {
        const std::string rest = upper(m_text.substr(m_pos));
        for (int i = 0; i < count; ++i) {
            const std::string full = names[i];
            const std::string shortName = full.substr(0, abbreviation);
            if (rest.compare(0, full.size(), full) == 0) {
                m_pos += full.size();
                return i;
            }
            if (rest.compare(0, shortName.size(), shortName) == 0) {
                m_pos += shortName.size();
                return i;
            }
        }
        throw OraError(error);
    }

    void readLiteral(const Element &el) {
        // Oracle lets any punctuation stand for the punctuation of the format, and a blank
        // of the format may match nothing.
        for (char c : el.text) {
            const bool inputLeft = m_pos < m_text.size();
            const auto in = inputLeft ? static_cast<unsigned char>(m_text[m_pos]) : 0;
            if (inputLeft && !std::isalnum(in))
                ++m_pos;
            else if (c == ' ')
                continue;
            else if (inputLeft && std::toupper(in) == std::toupper(static_cast<unsigned char>(c)))
                ++m_pos;
            else
                throw OraError(kOraLiteralMismatch);
        }
    }

    void readElement(const Element &el) {
        const std::string &k = el.key;
        if (k.empty())
            return readLiteral(el);
        if (k == "FM")
            return;
        if (k == "FX") {
            m_exact = true;
            return;
        }
        // Without FX, a text that does not fit MM is tried as MON or MONTH (Oracle's
        // alternative elements; readYear has those of YY and RR).
        if (k == "YYYY" || k == "RRRR" || k == "SYYYY" || k == "YYY" || k == "YY" || k == "RR" ||
            k == "Y") {
            readYear(k);
        } else if (k == "MM" && (m_exact || digitsAhead() > 0)) {
            m_date.month = number(2);
            if (m_date.month < 1 || m_date.month > 12)
                throw OraError(kOraInvalidMonth);
        } else if (k == "MON" || k == "MONTH" || k == "MM") {
            m_date.month = name(kMonths, 12, 3, kOraInvalidMonth) + 1;
        } else if (k == "DD") {
            m_date.day = number(2);
            if (m_date.day < 1 || m_date.day > 31)
                throw OraError(kOraInvalidDay);
        } else if (k == "DY" || k == "DAY") {
            name(kDays, 7, 3, kOraLiteralMismatch);
        } else if (k == "HH" || k == "HH12") {
            m_date.hour = number(2);
            if (m_date.hour < 1 || m_date.hour > 12)
                throw OraError(kOraInvalidHour);
        } else if (k == "HH24") {
            m_date.hour = number(2);
            if (m_date.hour > 23)
                throw OraError(kOraInvalidHour);
        } else if (k == "MI") {
            m_date.minute = number(2);
            if (m_date.minute > 59)
                throw OraError(kOraInvalidMinute);
        } else if (k == "SS") {
            m_date.second = number(2);
            if (m_date.second > 59)
                throw OraError(kOraInvalidSecond);
        } else if (k == "AM" || k == "PM" || k == "A.M." || k == "P.M.") {
            const std::string rest = upper(m_text.substr(m_pos, k.size()));
            if (rest == "PM" || rest == "P.M.")
                m_pm = true;
            else if (rest == "AM" || rest == "A.M.")
                m_am = true;
            else
                throw OraError(kOraLiteralMismatch);
            m_pos += k.size();
        } else {
            throw OraError(kOraDateFormatNotRecognized);
        }
    }

    // Without FX, a text that does not fit YY or RR is read as YYYY or RRRR.
    void readYear(const std::string &k) {
        const bool twoDigits = k == "YY" || k == "RR";
        if (k == "YYYY" || k == "RRRR" || k == "SYYYY" ||
            (twoDigits && !m_exact && digitsAhead() > 2)) {
            const size_t start = m_pos;
            const int y = number(4);
            m_date.year = (k[0] == 'R' && m_pos - start <= 2) ? rrYear(y) : y;
            if (m_date.year == 0 || m_date.year < -4712 || m_date.year > 9999)
                throw OraError(kOraYearRange);
            return;
        }
        const int y = number(k.size());
        const int century = currentDate().year / 100 * 100;
        m_date.year = k == "RR" ? rrYear(y) : century + y;
    }

    static int rrYear(int yy) {
        if (yy >= 100)
            return yy;
        const int now = currentDate().year;
        const int century = now / 100 * 100;
        const int nowYY = now % 100;
        if (yy < 50)
            return nowYY < 50 ? century + yy : century + 100 + yy;
        return nowYY < 50 ? century - 100 + yy : century + yy;
    }

    const std::string &m_text;
    DateTime &m_date;
    size_t m_pos = 0;
    bool m_pm = false;
    bool m_am = false;
    bool m_exact = false;
};

std::string twoDigits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

// Fifteen significant digits the short way, for the usual magnitudes: %.15g's positional
// form (which std::to_chars gives without stdio), with the zero before the point dropped.
// False when the value would need the exponent form; the general path handles it.
bool quickNumberText(double value, std::string &text) {
    char buf[48];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    if (result.ec != std::errc() || std::find(buf, result.ptr, 'e') != result.ptr)
        return false;
    text.assign(buf, result.ptr);
    const size_t zero = text[0] == '-' ? 1 : 0;
    if (text.size() > zero + 1 && text[zero] == '0' && text[zero + 1] == '.')
        text.erase(zero, 1); // Oracle prints .5 and -.5
    return true;
}

// A number format model with D and G spelt '.' and ','; fill is false under FM.
struct NumberModel {
    std::string model;
    bool fill = true;
};

NumberModel readNumberModel(const std::string &format) {
    const std::string fmt = upper(format);
    NumberModel m;
    for (size_t i = 0; i < fmt.size(); ++i) {
        if (fmt.compare(i, 2, "FM") == 0) {
            m.fill = false;
            ++i;
        } else if (std::string("90.,DG$").find(fmt[i]) != std::string::npos) {
            m.model += fmt[i] == 'D' ? '.' : fmt[i] == 'G' ? ',' : fmt[i];
        } else {
            throw OraError(kOraInvalidNumber, "invalid number format model");
        }
    }
    return m;
}

// The integer digits laid into the model's integer part, right to left: 9 and 0 take a
// digit (0 also pads, and so does a 9 right of a 0), ',' shows between digits, '$' always.
std::string integerText(const std::string &intPart, const std::string &intModel) {
    std::string intText;
    size_t next = intPart.size();
    for (size_t i = intModel.size(); i-- > 0;) {
        const char c = intModel[i];
        if (c == '9' || c == '0') {
            if (next > 0)
                intText.insert(intText.begin(), intPart[--next]);
            else if (c == '0' || intModel.find('0') < i)
                intText.insert(intText.begin(), '0');
        } else if (c == ',') {
            if (next > 0)
                intText.insert(intText.begin(), ',');
        } else if (c == '$') {
            intText.insert(intText.begin(), '$');
        }
    }
    return intText;
}

// The value's fifteen significant digits (trailing zeros dropped) and its decimal exponent.
// Rounded, unless rounding would carry the value past the largest double or out of NUMBER's
// range while the value itself is inside: then cut, so that the text reads back.
void significantDigits(double magnitude, std::string &digits, int &exponent) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", magnitude);
    const double rounded = std::strtod(buf, nullptr);
    if (std::isinf(rounded) || (magnitude < kNumberLimit && rounded >= kNumberLimit)) {
        std::snprintf(buf, sizeof buf, "%.20e", magnitude);
        const char *e = std::strchr(buf, 'e');
        std::memmove(buf + 16, e, std::strlen(e) + 1); // "d.dddddddddddddd" + exponent
    }
    const char *e = std::strchr(buf, 'e');
    exponent = std::atoi(e + 1);
    digits.clear();
    for (const char *p = buf; p < e; ++p)
        if (std::isdigit(static_cast<unsigned char>(*p)))
            digits += *p;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
}

} // namespace

int daysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::string numberText(int64_t value) {
    return std::to_string(value);
}

std::string numberText(double value) {
    if (std::isnan(value) || std::isinf(value))
        return value < 0 ? "-~" : "~";
    if (value == 0)
        return "0";
    if (std::fabs(value) < 1e15 && value == std::floor(value))
        return std::to_string(static_cast<int64_t>(value));
    if (std::string quick; quickNumberText(value, quick))
        return quick;
    // Fifteen significant digits: what a decimal NUMBER would have held for the value.
    std::string digits;
    int exponent = 0;
    significantDigits(std::fabs(value), digits, exponent);
    const std::string sign = value < 0 ? "-" : "";
    std::string text;
    if (exponent >= 0) {
        const size_t intLength = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intLength)
            text = digits + std::string(intLength - digits.size(), '0');
        else
            text = digits.substr(0, intLength) + "." + digits.substr(intLength);
    } else {
        // Oracle drops the zero before the decimal point: .5, -.5.
        text = "." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    if (sign.size() + text.size() <= 64)
        return sign + text;
    // Too long for the text form: scientific notation, as TO_CHAR's TM model does.
    std::string mantissa = digits.substr(0, 1);
    if (digits.size() > 1)
        mantissa += "." + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return sign + mantissa + exp;
}

bool looksNumeric(const std::string &text) {
    size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    while (n > i && text[n - 1] == ' ')
        --n;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t expDigits = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

double parseNumber(const std::string &text) {
    if (!looksNumeric(text))
        throw OraError(kOraInvalidNumber);
    const double value = std::strtod(text.c_str(), nullptr);
    checkNumberRange(value);
    return value;
}

void checkNumberRange(double value) {
    if (!(std::fabs(value) < kNumberLimit))
        throw OraError(kOraNumericOverflow);
}

std::string storedDate(const DateTime &d) {
    if (d.year == 0 || d.year < -4712 || d.year > 9999)
        throw OraError(kOraYearRange);
    if (d.year < 1)
        throw OraError(kOraUnimplemented, "dates before the year 1");
    if (d.month < 1 || d.month > 12)
        throw OraError(kOraInvalidMonth);
    if (d.day < 1 || d.day > daysInMonth(d.year, d.month))
        throw OraError(kOraInvalidDay);
    if (d.hour < 0 || d.hour > 23)
        throw OraError(kOraInvalidHour);
    if (d.minute < 0 || d.minute > 59)
        throw OraError(kOraInvalidMinute);
    if (d.second < 0 || d.second > 59)
        throw OraError(kOraInvalidSecond);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour,
                  d.minute, d.second);
    return buf;
}

std::optional<DateTime> parseStoredDate(const std::string &text) {
    DateTime d;
    int consumed = 0;
    if (text.size() != 19 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &d.year, &d.month, &d.day, &d.hour,
                    &d.minute, &d.second, &consumed) != 6 ||
        consumed != 19)
        return std::nullopt;
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > daysInMonth(d.year, d.month) ||
        d.hour > 23 || d.minute > 59 || d.second > 59)
        return std::nullopt;
    return d;
}

DateTime currentDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

DateTime parseDate(const std::string &text, const std::string &format) {
    DateTime d;
    const DateTime now = currentDate();
    // Oracle fills what the format leaves out with the first day of the current month.
    d.year = now.year;
    d.month = now.month;
    d.day = 1;
    DateReader(text, d).read(splitFormat(format));
    return d;
}

std::string formatDate(const DateTime &d, const std::string &format) {
    std::string out;
    for (const Element &el : splitFormat(format)) {
        const std::string &k = el.key;
        char buf[16];
        if (k.empty())
            out += el.text;
        else if (k == "FM" || k == "FX")
            continue;
        else if (k == "YYYY" || k == "RRRR" || k == "SYYYY") {
            std::snprintf(buf, sizeof buf, "%04d", d.year);
            out += buf;
        } else if (k == "YYY") {
            std::snprintf(buf, sizeof buf, "%03d", d.year % 1000);
            out += buf;
        } else if (k == "YY" || k == "RR")
            out += twoDigits(d.year % 100);
        else if (k == "Y")
            out += std::to_string(d.year % 10);
        else if (k == "MM")
            out += twoDigits(d.month);
        else if (k == "MON")
            out += inCaseOf(el.text, std::string(kMonths[d.month - 1]).substr(0, 3));
        else if (k == "MONTH") {
            std::snprintf(buf, sizeof buf, "%-9s", kMonths[d.month - 1]);
            out += inCaseOf(el.text, buf);
        } else if (k == "DD")
            out += twoDigits(d.day);
        else if (k == "D")
            out += std::to_string(weekday(d) + 1);
        else if (k == "DY")
            out += inCaseOf(el.text, std::string(kDays[weekday(d)]).substr(0, 3));
        else if (k == "DAY") {
            std::snprintf(buf, sizeof buf, "%-9s", kDays[weekday(d)]);
            out += inCaseOf(el.text, buf);
        } else if (k == "HH" || k == "HH12")
            out += twoDigits(d.hour % 12 == 0 ? 12 : d.hour % 12);
        else if (k == "HH24")
            out += twoDigits(d.hour);
        else if (k == "MI")
            out += twoDigits(d.minute);
        else if (k == "SS")
            out += twoDigits(d.second);
        else if (k == "AM" || k == "PM")
            out += inCaseOf(el.text, d.hour < 12 ? "AM" : "PM");
        else if (k == "A.M." || k == "P.M.")
            out += inCaseOf(el.text, d.hour < 12 ? "A.M." : "P.M.");
        else
            throw OraError(kOraDateFormatNotRecognized);
    }
    return out;
}

std::string formatNumber(double value, const std::string &format) {
    const NumberModel m = readNumberModel(format);
    const size_t point = m.model.find('.');
    const std::string intModel = m.model.substr(0, point);
    const std::string fracModel = point == std::string::npos ? "" : m.model.substr(point + 1);
    const int fracDigits = static_cast<int>(fracModel.size());
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.*f", fracDigits, std::fabs(value));
    const std::string digits = buf;
    std::string intPart = digits.substr(0, digits.find('.'));
    std::string fracPart = fracDigits ? digits.substr(digits.find('.') + 1) : "";
    if (intPart == "0" && intModel.find('0') == std::string::npos)
        intPart.clear();
    const size_t slots = static_cast<size_t>(std::count_if(
        intModel.begin(), intModel.end(), [](char c) { return c == '9' || c == '0'; }));
    if (intPart.size() > slots)
        return std::string(m.model.size() + 1, '#');
    std::string text = (value < 0 ? "-" : "") + integerText(intPart, intModel);
    if (point != std::string::npos) {
        if (!m.fill) {
            // FM drops the trailing zeros that 9s stand for, not those of 0s.
            while (!fracPart.empty() && fracPart.back() == '0' &&
                   fracModel[fracPart.size() - 1] == '9')
                fracPart.pop_back();
        }
        text += "." + fracPart;
    }
    const size_t width = m.model.size() + 1;
    if (m.fill && text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

} // namespace ocilite
