#include "history/step_time.h"

#include <cstdio>
#include <ctime>

namespace ormel {

TClockTime LocalClockTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
        return {};
    return TClockTime{local.tm_hour, local.tm_min};
}

std::string FormatStepTime(TClockTime time)
{
    const int hour = ((time.Hour % 24) + 24) % 24;
    const int minute = ((time.Minute % 60) + 60) % 60;
    const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d %s", clockHour, minute, hour < 12 ? "am" : "pm");
    return text;
}

} // namespace ormel
