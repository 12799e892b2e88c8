// Calendar arithmetic on the engine's dates (private header): a date as seconds from
// 1970-01-01 and back, in the proleptic Gregorian calendar Oracle's DATE uses.
#pragma once

#include "ocilite/dialect/text_form.h"

namespace ocilite {

// Days since 1970-01-01 of a civil date.
long long daysFromCivil(int y, int m, int d);
DateTime civilFromSeconds(long long seconds);
long long secondsOf(const DateTime &d);
// 0 for Sunday ... 6 for Saturday.
int dayOfWeek(const DateTime &d);

} // namespace ocilite
