#include "model/Refs.h"

namespace model {

void SkipLegacyReferences(LoadArchive& ar)
{
    const int32_t count = ar.ReadLong();
    for (int32_t i = 0; i < count; ++i) {
        ar.ReadClassTag(docfile::ArchiveClass::Ref);
        ar.ReadDword();
        ar.ReadDword();
        ar.ReadDword();
    }
}

}  // namespace model
