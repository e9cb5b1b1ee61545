#pragma once
// The test program replaces the global operator new and delete with ones
// that count the bytes held, so tests can bound what a read allocates.
#include <cstddef>

namespace counting_allocator {

size_t CurrentBytes();
// Starts a new measurement: the peak from now on is measured from here.
void ResetPeak();
// Most bytes held at once since ResetPeak, beyond what was held then.
size_t PeakBytesSinceReset();

}  // namespace counting_allocator
