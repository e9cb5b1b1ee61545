#pragma once
// Pictures embedded in RTF page texts: a device-independent bitmap of 16
// colours.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kit {

// pixel(x, y) gives an index into `palette` (0x00RRGGBB, at most 16
// entries); the picture is shown at 15 twips a pixel. Keep a margin of
// colour 0, the page's background, at least 8 pixels wide at both sides.
std::u16string PictureRtf(int width, int height, const std::vector<uint32_t>& palette,
                          const std::function<int(int x, int y)>& pixel);

}  // namespace kit
