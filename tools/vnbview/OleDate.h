#pragma once
#include <optional>
#include <string>

#include "model/Records.h"

namespace vnbview {

// An OLE automation date as ISO 8601 local time, "2026-03-14T10:30:00",
// with ".mmm" when it has milliseconds. Nothing for dates outside the
// years 100 to 9999 or that are not numbers.
std::optional<std::string> OleDateToIso(double date);

// A time stamp for listings: the ISO date when valid, else its status.
std::string TimeText(const model::DateTime& time);

}  // namespace vnbview
