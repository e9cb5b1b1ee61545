#include <gtest/gtest.h>

#include "model/MetaHistory.h"
#include "tests/kit/RecordWriters.h"
#include "tests/unit/Helpers.h"

namespace {

model::MetaHistory HistoryOf(std::initializer_list<double> dates)
{
    std::vector<kit::MetaInfoSpec> specs;
    for (double date : dates)
        specs.push_back({u"PC", u"", u"user", {0, date}});
    return testing_helpers::ReadRecord<model::MetaHistory>([&](auto& w) { kit::WriteMetaHistory(w, specs); });
}

std::vector<double> Dates(const model::MetaHistory& history)
{
    std::vector<double> dates;
    for (size_t i = 0; i < history.Count(); ++i)
        dates.push_back(history.At(i).time.date);
    return dates;
}

}  // namespace

TEST(MetaHistory, TrimKeepsTheNewestInOrderOfTime)
{
    model::MetaHistory history = HistoryOf({5, 1, 9, 3, 7, 2});
    EXPECT_EQ(history.At(0).computer, u"PC");
    EXPECT_TRUE(history.At(0).loaded);
    history.Trim(6);
    EXPECT_EQ(Dates(history), (std::vector<double>{5, 1, 9, 3, 7, 2}));  // nothing to trim: order kept
    history.Trim(3);
    EXPECT_EQ(Dates(history), (std::vector<double>{5, 7, 9}));
}

TEST(MetaHistory, RecordingASaveKeepsReadEntriesAndOneNewOne)
{
    model::MetaHistory history = HistoryOf({1, 2});
    history.RecordSave();
    history.RecordSave();
    ASSERT_EQ(history.Count(), 3u);
    EXPECT_FALSE(history.At(2).loaded);
    EXPECT_EQ(HistoryOf({}).Count(), 0u);
}
