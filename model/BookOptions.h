#pragma once
#include <cstdint>
#include <string>

#include "model/Records.h"

namespace model {

// Document-wide options. The viewer uses folders-first, the expansion
// policy and the optional-block option; the rest is kept as read.
struct CBookOptions {
    std::u16string text1;
    uint32_t historySwitch = 0;
    uint32_t optionalBlock = 0;
    uint32_t value1 = 1;
    uint32_t value2 = 0;
    uint32_t expansionPolicy = 0;
    uint32_t flags = 1;
    uint32_t value3 = 6;
    uint32_t historyLimit = 25;
    std::u16string text2;
    int32_t value4 = -1;
    uint32_t value5 = 0x808080;

    bool FoldersFirst() const { return (flags & 0x1) != 0; }
    void Read(LoadArchive& ar);
};

}  // namespace model
