#include <gtest/gtest.h>

#include "core/links/PageNavigation.h"

#include <functional>
#include <vector>

using core::PageNavigation;
using Report = PageNavigation::Report;

namespace {

TEST(PageNavigation, TheViewerHearsOfAPageThatWillNotShowAndOfOneThatShowsAfterAll)
{
    using Step = std::function<Report(PageNavigation&)>;
    const Step refused = [](PageNavigation& n) { return n.Refused(); };
    const Step arrived = [](PageNavigation& n) { return n.DocumentArrived(); };
    const Step silent = [](PageNavigation& n) { return n.TimedOut(false); };
    const Step here = [](PageNavigation& n) { return n.TimedOut(true); };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<Report> reports;
    };
    const Case cases[] = {
        {"refused, then shown after all", {refused, arrived, refused}, {Report::NotShown, Report::Shown, Report::None}},
        {"shown at once", {arrived, silent, refused}, {Report::None, Report::None, Report::None}},
        {"silence", {silent, silent, arrived}, {Report::NotShown, Report::None, Report::Shown}},
        {"the document was there", {here, refused}, {Report::None, Report::None}},
        {"refused twice", {refused, refused}, {Report::NotShown, Report::None}},
    };
    for (const Case& c : cases) {
        PageNavigation navigation;
        navigation.Start();
        std::vector<Report> reports;
        for (const Step& step : c.steps)
            reports.push_back(step(navigation));
        EXPECT_EQ(reports, c.reports) << c.name;
    }
    PageNavigation never;
    EXPECT_EQ(never.DocumentArrived(), Report::None) << "no page was given";
    EXPECT_EQ(never.TimedOut(false), Report::None);
}

TEST(PageNavigation, AnAddressNamesThePageFileInAnyCaseAndSpelling)
{
    const std::u16string_view file = u"C:\\Users\\Me\\Temp\\abc1F2.tmp.htm";
    EXPECT_TRUE(core::AddressNamesFile(u"C:\\Users\\Me\\Temp\\abc1F2.tmp.htm", file));
    EXPECT_TRUE(core::AddressNamesFile(u"file:///C:/users/me/temp/ABC1F2.TMP.HTM", file));
    EXPECT_TRUE(core::AddressNamesFile(u"mhtml:file://C:\\t\\abc1f2.tmp.htm!x", file));
    EXPECT_FALSE(core::AddressNamesFile(u"file:///C:/Users/Me/Temp/abc1F3.tmp.htm", file));
    EXPECT_FALSE(core::AddressNamesFile(u"about:blank", u""));
}

}  // namespace
