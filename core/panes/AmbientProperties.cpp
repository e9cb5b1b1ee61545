#include "core/panes/AmbientProperties.h"

namespace core {

std::optional<int32_t> AmbientAnswer(int32_t dispatchId)
{
    if (dispatchId == kAmbientDownloadControl)
        return static_cast<int32_t>(kDownloadControlFlags);
    return std::nullopt;
}

}  // namespace core
