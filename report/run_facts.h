#pragma once
// The facts about a run that both command-line programs put into RunInfo.

#include <string>

namespace velmora::report {

// The current time in UTC as "YYYY-MM-DDThh:mm:ss" (JUnit's timestamp has no time zone).
std::string utcTimestampNow();

// This machine's host name; "localhost" when it cannot be told.
std::string localHostName();

} // namespace velmora::report
