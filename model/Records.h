#pragma once
// Small value types shared by the records.
#include <cstdint>

#include "docfile/LoadArchive.h"

namespace model {

using docfile::LoadArchive;

// OLE automation date (days since 1899-12-30, fraction = time of day) with
// its status: 0 valid, 1 invalid, 2 null. Stored as DWORD status, double.
struct DateTime {
    uint32_t status = 0;
    double date = 0.0;

    static DateTime Read(LoadArchive& ar)
    {
        DateTime t;
        t.status = ar.ReadDword();
        t.date = ar.ReadDouble();
        return t;
    }
    static DateTime Now();
};

// The version of the application that wrote a document.
struct CArchiveVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t release = 0;
    uint32_t build = 0;

    // class tag, then major, minor, release, build as DWORDs.
    void Read(LoadArchive& ar);
};

}  // namespace model
