#include "model/Records.h"

#include "platform/System.h"

namespace model {

DateTime DateTime::Now() { return DateTime{0, platform::CurrentOleDate()}; }

void CArchiveVersion::Read(LoadArchive& ar)
{
    ar.ReadClassTag(docfile::ArchiveClass::ArchiveVersion);
    major = ar.ReadDword();
    minor = ar.ReadDword();
    release = ar.ReadDword();
    build = ar.ReadDword();
}

}  // namespace model
