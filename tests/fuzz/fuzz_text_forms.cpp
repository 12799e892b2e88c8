// Fuzzes Oracle's text forms of numbers and dates both ways. A number's text reads back as the
// same number (to its fifteen digits) and stays within NUMBER's range; a date read through a
// format model is a date the engine can store, and printing it through the same model and
// reading that back gives the same date. Format models and texts are the input's.
//
// Input: mode byte, then texts separated by 0xFF.
#include "fuzz_input.h"

#include "ocilite/dialect/text_form.h"
#include "ocilite/engine/errors.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using ocilite::DateTime;
using ocilite::OraError;

void fail(const char *what, const std::string &detail) {
    std::fprintf(stderr, "fuzz_text_forms: %s: %s\n", what, detail.c_str());
    std::abort();
}

// A double from the input's bytes (any pattern, infinities and NaNs included).
double doubleOf(std::string_view bytes) {
    double v = 0;
    std::memcpy(&v, bytes.data(), std::min(bytes.size(), sizeof v));
    return v;
}

void numberRoundTrip(double v) {
    const std::string text = ocilite::numberText(v);
    if (!std::isfinite(v))
        return;
    const double back = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(back) || std::fabs(back - v) > std::fabs(v) * 1e-14)
        fail("number text does not read back", text);
    if (std::fabs(v) < 1e126) {
        try {
            if (ocilite::parseNumber(text) != back)
                fail("parseNumber differs from the text", text);
        } catch (const OraError &e) {
            fail("number text refused", text + " " + e.text());
        }
    }
}

void parseAnyNumber(const std::string &text) {
    try {
        const double v = ocilite::parseNumber(text);
        if (!(std::fabs(v) < 1e126))
            fail("parseNumber let an overflow through", text);
        numberRoundTrip(v);
    } catch (const OraError &e) {
        if (e.code() != ocilite::kOraInvalidNumber && e.code() != ocilite::kOraNumericOverflow)
            fail("parseNumber refused with an unexpected error", e.text());
    }
}

bool sameDate(const DateTime &a, const DateTime &b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

// Reads a date through the model; a date read must store, and its text through a model of
// whole fields (4-digit year, numeric month, 24-hour clock) must read back the same.
void dateRoundTrip(const std::string &text, const std::string &format) {
    DateTime d;
    try {
        d = ocilite::parseDate(text, format);
    } catch (const OraError &) {
        return;
    }
    std::string stored;
    try {
        stored = ocilite::storedDate(d);
    } catch (const OraError &e) {
        return; // refused with Oracle's error: years out of range, BC years
    }
    const auto again = ocilite::parseStoredDate(stored);
    if (!again || !sameDate(*again, d))
        fail("stored date does not read back", stored);
    const char *whole = "YYYY-MM-DD HH24:MI:SS";
    const std::string printed = ocilite::formatDate(d, whole);
    if (!sameDate(ocilite::parseDate(printed, whole), d))
        fail("printed date does not read back", printed);
    try {
        ocilite::formatDate(d, format);
    } catch (const OraError &) {
    }
}

void formatAnyNumber(double v, const std::string &format) {
    try {
        const std::string text = ocilite::formatNumber(v, format);
        if (text.size() > format.size() + 64)
            fail("number format longer than its model", format);
    } catch (const OraError &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::Input in(data, size);
    switch (in.below(4)) {
    case 0:
        numberRoundTrip(doubleOf(in.rest()));
        break;
    case 1:
        parseAnyNumber(std::string(in.rest()));
        break;
    case 2: {
        const std::string format(in.piece());
        dateRoundTrip(std::string(in.rest()), format.empty() ? "DD-MON-RR" : format);
        break;
    }
    default: {
        const double v = doubleOf(in.piece());
        formatAnyNumber(v, std::string(in.rest()));
        break;
    }
    }
    return 0;
}
