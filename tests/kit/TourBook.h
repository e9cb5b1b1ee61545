#pragma once
// The tour notebook shipped as a sample: every page kind, labels, icons,
// attachments, favourites, links and several scripts.
#include "tests/kit/Records.h"

namespace kit {

BookSpec MakeTourBook();

// Password of the protected sample.
inline constexpr char16_t kTourPassword[] = u"vornview";

}  // namespace kit
