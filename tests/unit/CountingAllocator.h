#pragma once
// The test program replaces the global operator new and delete with ones
// that count the bytes held, so tests can bound what a read allocates.
#include <cstddef>

namespace counting_allocator {

size_t CurrentBytes();
// Starts a new measurement; PeakBytesSinceReset is the most held at once
// since then, beyond what was held then.
void ResetPeak();
size_t PeakBytesSinceReset();

}  // namespace counting_allocator
