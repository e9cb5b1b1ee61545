#include "platform/ProfilePlaces.h"

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::u16string>;

TEST(ProfilePlaces, BesideTheHostsFileElseInTheUsersFolderAndTheOldBareNameReadLast)
{
    constexpr std::u16string_view kData = u"C:\\Users\\u\\AppData\\Roaming";
    const std::u16string inData = u"C:\\Users\\u\\AppData\\Roaming\\VornView\\VornView.INI";
    const struct Case {
        std::u16string_view host;
        std::u16string_view data;
        Paths writes;
    } cases[] = {
        {u"C:\\Programs\\Lister\\host.ini", kData, {u"C:\\Programs\\Lister\\VornView.INI", inData}},
        {u"\\\\server\\share\\lister\\host.ini", kData, {u"\\\\server\\share\\lister\\VornView.INI", inData}},
        {u"d:/lister/host.ini", kData, {u"d:/lister/VornView.INI", inData}},
        {u"D:\\host.ini", u"", {u"D:\\VornView.INI"}},
        // No host file, or one whose place depends on the current folder.
        {u"", kData, {inData}},
        {u"host.ini", kData, {inData}},
        {u"C:host.ini", kData, {inData}},
        {u"\\lister\\host.ini", kData, {inData}},
        {u"C:\\Users\\u\\AppData\\Roaming\\VornView\\host.ini", kData, {inData}},  // one place, once
        {u"", u"C:\\Roaming\\", {u"C:\\Roaming\\VornView\\VornView.INI"}},
        {u"", u"", {u"VornView.INI"}},
    };
    for (const Case& c : cases) {
        const auto places = platform::ChooseProfilePlaces({c.host, c.data, u"VornView", u"VornView.INI"});
        EXPECT_EQ(places.writes, c.writes) << std::string(c.host.begin(), c.host.end());
        Paths reads = c.writes;
        if (reads.back() != u"VornView.INI")
            reads.push_back(u"VornView.INI");
        EXPECT_EQ(places.reads, reads) << std::string(c.host.begin(), c.host.end());
    }
}

}  // namespace
