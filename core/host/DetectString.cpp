#include "core/host/DetectString.h"

#include <cstring>

namespace core {

void WriteDetectString(char* buffer, int capacity)
{
    if (!buffer || capacity <= 0)
        return;
    if (static_cast<size_t>(capacity) <= kDetectString.size()) {
        buffer[0] = '\0';
        return;
    }
    std::memcpy(buffer, kDetectString.data(), kDetectString.size());
    buffer[kDetectString.size()] = '\0';
}

}  // namespace core
