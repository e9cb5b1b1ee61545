#pragma once
// What the viewer tells controls hosted in its splitter (the web browser of
// HTML pages) when they ask their site for ambient properties.
#include <cstdint>
#include <optional>

namespace core {

inline constexpr int32_t kAmbientDownloadControl = -5512;

// Pictures load; scripts, Java and ActiveX controls are neither run nor
// fetched; no dialogs; offline when not connected.
inline constexpr uint32_t kDownloadControlFlags = 0x10 | 0x80 | 0x100 | 0x200 | 0x400 | 0x40000000u | 0x80000000u;

// The answer for an ambient property, or nullopt for "ask the default".
std::optional<int32_t> AmbientAnswer(int32_t dispatchId);

}  // namespace core
