#pragma once
// Builds icons in the stored form: an AND mask (1 bit per pixel, rows of
// whole WORDs) and colour bits, both top row first.
#include <cstdint>
#include <functional>

#include "tests/kit/Records.h"

namespace kit {

// pixel(x, y) gives 0xAARRGGBB; alpha 0 marks a transparent pixel.
IconSpec MakeIcon32(int size, const std::function<uint32_t(int x, int y)>& pixel);

// pixel(x, y) gives an index into the 16-colour palette, or -1 for a
// transparent pixel.
IconSpec MakeIcon4(int size, const std::function<int(int x, int y)>& pixel);

}  // namespace kit
