#include "model/BookOptions.h"

namespace model {

// tag, leading DWORD, former (2..9), former (3..12), value1 (>=4),
// optional block (>=5), former (6..9), history switch (>=7), value2 (>=8),
// text1 (>=9), text2 (>=11), history limit (>=12), value4, value5 (>=14),
// value3 (>=15), flags (>=16), expansion policy (>=17).
void CBookOptions::Read(LoadArchive& ar)
{
    const uint32_t s = ar.ReadClassTag(docfile::ArchiveClass::BookOptions);
    ar.ReadDword();
    if (s >= 2 && s < 10)
        ar.ReadDword();
    if (s >= 3 && s < 13)
        ar.ReadDword();
    if (s >= 4)
        value1 = ar.ReadDword();
    if (s >= 5)
        optionalBlock = ar.ReadDword();
    if (s >= 6 && s < 10)
        ar.ReadDword();
    if (s >= 7)
        historySwitch = ar.ReadDword();
    if (s >= 8)
        value2 = ar.ReadDword();
    if (s >= 9)
        text1 = ar.ReadString();
    if (s >= 11)
        text2 = ar.ReadString();
    if (s >= 12)
        historyLimit = ar.ReadDword();
    if (s >= 14) {
        value4 = ar.ReadLong();
        value5 = ar.ReadDword();
    }
    if (s >= 15)
        value3 = ar.ReadDword();
    if (s >= 16)
        flags = ar.ReadDword();
    if (s >= 17)
        expansionPolicy = ar.ReadDword();
}

}  // namespace model
