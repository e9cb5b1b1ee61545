#include "tools/vnbview/OleDate.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace vnbview {
namespace {

// The OLE date range: 1 January 100 to 31 December 9999.
constexpr int64_t kFirstDay = -657434;
constexpr int64_t kLastDay = 2958465;
constexpr int64_t kMsPerDay = 86400000;
// Days from 1970-01-01 back to the OLE epoch, 1899-12-30.
constexpr int64_t kOleEpochFromUnix = -25569;

struct CivilDate {
    int64_t year;
    unsigned month;
    unsigned day;
};

// Proleptic Gregorian date of a day count from 1970-01-01.
CivilDate CivilFromDays(int64_t z)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int64_t>(yoe) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace

std::optional<std::string> OleDateToIso(double date)
{
    if (!std::isfinite(date) || date < static_cast<double>(kFirstDay) - 1 || date > static_cast<double>(kLastDay) + 1)
        return std::nullopt;
    // The whole part counts days from the epoch; the fraction is the time
    // of that day even for negative dates (-1.25 is 29 December, 06:00).
    const double wholeDays = std::trunc(date);
    int64_t days = static_cast<int64_t>(wholeDays);
    int64_t ms = std::llround(std::fabs(date - wholeDays) * kMsPerDay);
    if (ms >= kMsPerDay) {
        ++days;
        ms -= kMsPerDay;
    }
    if (days < kFirstDay || days > kLastDay)
        return std::nullopt;
    const CivilDate civil = CivilFromDays(days + kOleEpochFromUnix);
    const int64_t seconds = ms / 1000;
    char buffer[40];
    int length = std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02uT%02lld:%02lld:%02lld",
                               static_cast<long long>(civil.year), civil.month, civil.day,
                               static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                               static_cast<long long>(seconds % 60));
    if (ms % 1000 != 0)
        length += std::snprintf(buffer + length, sizeof buffer - length, ".%03lld", static_cast<long long>(ms % 1000));
    return std::string(buffer, static_cast<size_t>(length));
}

std::string TimeText(const model::DateTime& time)
{
    switch (time.status) {
    case 0: {
        const std::optional<std::string> iso = OleDateToIso(time.date);
        return iso ? *iso : "invalid date";
    }
    case 1: return "invalid";
    case 2: return "null";
    default: return "status " + std::to_string(time.status);
    }
}

}  // namespace vnbview
