#pragma once

#include <functional>
#include <string>

namespace ormel {

// A time of day on the local clock, 0..23 hours.
struct TClockTime {
    int Hour = 0;
    int Minute = 0;
};

// Gives the present time. The history takes one, so that tests can fix the times it records.
using TClock = std::function<TClockTime()>;

TClockTime LocalClockTime();

// "hh:mm am/pm": the two-digit hour on the 12-hour clock (midnight and noon are 12), the
// minutes, then "am" before noon and "pm" from noon on.
std::string FormatStepTime(TClockTime time);

} // namespace ormel
