#pragma once
// Memory for records kept by the million: whole blocks straight from the
// system, touched only where used, freed in one piece.
#include <cstddef>

namespace platform {

// A zeroed block of `bytes`, or nullptr. With `hugePages` the system may back
// it with large pages where it can: fewer faults while a large book is read.
void* AllocateLarge(size_t bytes, bool hugePages);
void FreeLarge(void* block, size_t bytes);

}  // namespace platform
