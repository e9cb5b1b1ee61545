#pragma once
// How much of a page the reader keeps. Pages are untrusted: beyond these
// limits the reader goes on reading but keeps no more, so memory stays a
// small multiple of the page's size however it is nested.
#include <cstddef>

namespace richtext {

// Groups deeper than this are counted, not kept (the shared group stack).
inline constexpr size_t kMaxTableDepth = 16;        // tables in tables
inline constexpr size_t kMaxCellsPerRow = 64;       // more cells join the last one
inline constexpr size_t kMaxPictureBytes = 64u << 20;  // a larger picture is left out
inline constexpr size_t kMaxFieldInstruction = 4096;   // characters kept of a field's instruction
inline constexpr size_t kMaxFontName = 128;            // characters kept of a face name
inline constexpr size_t kMaxFonts = 32768;             // further fonts read as the default one

}  // namespace richtext
