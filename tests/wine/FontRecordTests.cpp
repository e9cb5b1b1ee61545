// Font records through the registry store, against the real registry.
#include "components/FontRecords.h"
#include "components/RegistryStore_win.h"

#include <gtest/gtest.h>

namespace wine_tests {
namespace {

using components::CharFormatRecord;

CharFormatRecord SampleFormat()
{
    CharFormatRecord f;
    f.size = 92;
    f.mask = 0xA800000F;
    f.effects = 3;
    f.height = 240;
    f.offset = -20;
    f.textColor = 0x00112233;
    f.charSet = 204;
    f.pitchAndFamily = 0x22;
    f.faceName = components::MakeFaceName(u"Courier New");
    return f;
}

TEST(FontRecords, RegistryStoreRoundTripsThroughTheRealRegistry)
{
    components::RegistryStore store;
    const std::u16string base = u"Software\\VornViewTests";
    ASSERT_TRUE(components::SaveCharFormat(store, base, u"EditFont", SampleFormat()));
    CharFormatRecord loaded;
    ASSERT_TRUE(components::LoadCharFormat(store, base, u"EditFont", loaded));
    EXPECT_EQ(loaded.offset, -20);
    EXPECT_EQ(loaded.textColor, 0x00112233u);
    EXPECT_EQ(components::FaceNameText(loaded.faceName), u"Courier New");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VornViewTests");
}

}  // namespace
}  // namespace wine_tests
