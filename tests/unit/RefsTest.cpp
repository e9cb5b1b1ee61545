#include <gtest/gtest.h>

#include "model/Refs.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

using namespace testing_helpers;

TEST(LegacyReferences, AreSteppedOverExactly)
{
    static constexpr uint32_t kNextField = 0xC0FFEE;
    for (size_t count : {0u, 2u}) {
        kit::ArchiveWriter w;
        kit::WriteRefs(w, std::vector<kit::RefSpec>(count));
        w.Dword(kNextField);
        ReadBytes(w.Bytes(), [](docfile::LoadArchive& ar) {
            model::SkipLegacyReferences(ar);
            EXPECT_EQ(ar.ReadDword(), kNextField);
        });
    }
    kit::ArchiveWriter wrong;
    wrong.Long(1);
    wrong.NewClassTag("CIcon", 1);
    EXPECT_EQ(ErrorReading(wrong.Bytes(), [](auto& ar) { model::SkipLegacyReferences(ar); }), kUnexpected);
}
