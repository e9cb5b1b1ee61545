#pragma once
#include "model/Records.h"

namespace model {

// Steps over a legacy reference list (schema-12 books): LONG n, then n times
// a "CRef" class tag and three DWORDs. Nothing of it is kept.
void SkipLegacyReferences(LoadArchive& ar);

}  // namespace model
