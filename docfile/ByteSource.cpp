#include "docfile/ByteSource.h"

#include <algorithm>
#include <cstring>

namespace docfile {

size_t MemorySource::Read(void* dst, size_t n)
{
    const size_t count = std::min(n, size_ - pos_);
    if (count > 0)
        std::memcpy(dst, data_ + pos_, count);
    pos_ += count;
    return count;
}

}  // namespace docfile
