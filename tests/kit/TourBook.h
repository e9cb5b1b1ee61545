#pragma once
// The tour notebook shipped as a sample: every page kind, labels, icons,
// attachments, favourites, links and several scripts.
#include <filesystem>

#include "tests/kit/Records.h"

namespace kit {

// Where the tour's page texts are (samples/tour in the source tree).
inline std::filesystem::path TourTextFolder() { return VV_TOUR_TEXTS; }

// Throws std::runtime_error when a text cannot be read.
BookSpec MakeTourBook(const std::filesystem::path& textFolder = TourTextFolder());

// Password of the protected sample.
inline constexpr char16_t kTourPassword[] = u"vornview";

}  // namespace kit
