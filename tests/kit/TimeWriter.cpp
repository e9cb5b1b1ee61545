#include "tests/kit/RecordWriters.h"

namespace kit {

// Stored as DWORD status, then the OLE date as a double.
void WriteTimeStamp(ArchiveWriter& w, const TimeStamp& time) {
    w.Dword(time.status);
    w.Double(time.date);
}

void WriteSystemTime(ArchiveWriter& w, const SystemTime& time) {
    for (uint16_t field : {time.year, time.month, time.dayOfWeek, time.day, time.hour, time.minute, time.second,
                           time.milliseconds}) {
        w.Word(field);
    }
}

}  // namespace kit
