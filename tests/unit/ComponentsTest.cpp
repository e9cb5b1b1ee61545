// Font records against an in-memory store, and the splitter's arithmetic.
#include "components/FontRecords.h"
#include "components/SplitterGeometry.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace component_tests {
namespace {

using components::CharFormatRecord;
using components::LogFontRecord;

class MapStore : public components::KeyValueStore {
public:
    struct Key {
        std::map<std::u16string, uint32_t> numbers;
        std::map<std::u16string, std::u16string> texts;
        std::vector<std::u16string> order;  // names in the order written
    };
    std::map<std::u16string, Key> keys;

    std::unique_ptr<components::KeyValues> OpenKey(std::u16string_view path) override
    {
        auto it = keys.find(std::u16string(path));
        return it == keys.end() ? nullptr : std::make_unique<Values>(it->second);
    }
    std::unique_ptr<components::KeyValues> CreateKey(std::u16string_view path) override
    {
        return std::make_unique<Values>(keys[std::u16string(path)]);
    }

private:
    struct Values : components::KeyValues {
        explicit Values(Key& k) : key(k) {}
        std::optional<uint32_t> ReadNumber(std::u16string_view name) const override
        {
            auto it = key.numbers.find(std::u16string(name));
            return it == key.numbers.end() ? std::nullopt : std::optional<uint32_t>(it->second);
        }
        std::optional<std::u16string> ReadText(std::u16string_view name) const override
        {
            auto it = key.texts.find(std::u16string(name));
            return it == key.texts.end() ? std::nullopt : std::optional<std::u16string>(it->second);
        }
        bool WriteNumber(std::u16string_view name, uint32_t value) override
        {
            key.numbers[std::u16string(name)] = value;
            key.order.emplace_back(name);
            return true;
        }
        bool WriteText(std::u16string_view name, std::u16string_view value) override
        {
            key.texts[std::u16string(name)] = std::u16string(value);
            key.order.emplace_back(name);
            return true;
        }
        Key& key;
    };
};

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

TEST(FontRecords, CharacterFormatIsWrittenValueByValueUnderItsStoredNames)
{
    MapStore store;
    ASSERT_TRUE(components::SaveCharFormat(store, u"Base", u"EditFont", SampleFormat()));
    const MapStore::Key& key = store.keys.at(u"Base\\EditFont");
    EXPECT_EQ(key.order, (std::vector<std::u16string>{u"Mask", u"Effects", u"Height", u"Offser", u"TextColor",
                                                      u"Charset", u"Pitch", u"Facename"}));
    EXPECT_EQ(key.numbers.at(u"Offser"), static_cast<uint32_t>(-20));
    EXPECT_EQ(key.numbers.at(u"Charset"), 204u);
    EXPECT_EQ(key.texts.at(u"Facename"), u"Courier New");

    CharFormatRecord loaded;
    ASSERT_TRUE(components::LoadCharFormat(store, u"Base", u"EditFont", loaded));
    EXPECT_EQ(loaded.size, 0u) << "the size member is never stored";
    EXPECT_EQ(loaded.mask, 0xA800000Fu);
    EXPECT_EQ(loaded.height, 240);
    EXPECT_EQ(loaded.offset, -20);
    EXPECT_EQ(loaded.charSet, 204);
    EXPECT_EQ(components::FaceNameText(loaded.faceName), u"Courier New");

    EXPECT_FALSE(components::SaveCharFormat(store, u"Base", u"", SampleFormat()));
    EXPECT_FALSE(components::LoadCharFormat(store, u"Base", u"Missing", loaded));
}

TEST(FontRecords, ReadingKeepsMembersOfMissingValuesAndCutsLongNames)
{
    MapStore store;
    auto& key = store.keys[u"B\\EditFont"];
    key.numbers[u"Mask"] = 1;
    key.numbers[u"Charset"] = 0x1FF;  // only the low byte is taken
    key.texts[u"Facename"] = u"An extraordinarily long face name of forty";
    CharFormatRecord f = SampleFormat();
    ASSERT_TRUE(components::LoadCharFormat(store, u"B", u"EditFont", f));
    EXPECT_EQ(f.mask, 1u);
    EXPECT_EQ(f.height, 240) << "a missing Height leaves the height";
    EXPECT_EQ(f.charSet, 0xFF);
    EXPECT_EQ(components::FaceNameText(f.faceName), u"An extraordinarily long face na");
    EXPECT_EQ(components::FaceNameText(f.faceName).size(), 31u);
}

TEST(FontRecords, AFontWithoutFaceNameHoldsNoFontAndIsNotWritten)
{
    MapStore store;
    store.keys[u"B\\TreeFont"].numbers[u"LF_HEIGHT"] = 12;
    LogFontRecord font;
    font.weight = 400;
    EXPECT_FALSE(components::LoadFont(store, u"B", u"TreeFont", font));
    EXPECT_EQ(font.height, 12);
    EXPECT_EQ(font.weight, components::kNoFontWeight);
    store.keys.clear();
    EXPECT_FALSE(components::SaveFont(store, u"B", u"TreeFont", font));
    EXPECT_TRUE(store.keys.empty());

    font.weight = 700;
    font.italic = 1;
    font.faceName = components::MakeFaceName(u"Tahoma");
    ASSERT_TRUE(components::SaveFont(store, u"B", u"TreeFont", font));
    EXPECT_EQ(store.keys.at(u"B\\TreeFont").order.size(), 14u);
    LogFontRecord back;
    ASSERT_TRUE(components::LoadFont(store, u"B", u"TreeFont", back));
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.italic, 1);
    EXPECT_EQ(components::FaceNameText(back.faceName), u"Tahoma");
}

TEST(FontRecords, CharacterFormatBecomesTheFontDialogsFontByItsMask)
{
    CharFormatRecord f = SampleFormat();
    f.mask |= components::kCfmColor;
    LogFontRecord font = components::CharFormatToFont(f, 96);
    EXPECT_EQ(font.height, -16);  // 240 twips at 96 pixels per inch
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.underline, 0);
    EXPECT_EQ(font.charSet, 204);
    EXPECT_EQ(font.pitchAndFamily, 0x22);
    EXPECT_EQ(components::FaceNameText(font.faceName), u"Courier New");

    f.mask = components::kCfmBold | components::kCfmUnderline | components::kCfmStrikeOut;
    f.effects = components::kCfmBold | components::kCfmUnderline;
    font = components::CharFormatToFont(f, 96);
    EXPECT_EQ(font.height, 0);
    EXPECT_EQ(font.weight, 0) << "bold needs italic in the mask as well";
    EXPECT_EQ(font.underline, 0) << "underline needs colour in the mask as well";
    EXPECT_EQ(components::FaceNameText(font.faceName), u"");
}

TEST(SplitterGeometry, LayoutAndLimits)
{
    const components::Box client{0, 0, 450, 300};
    auto layout = components::LayoutForSplit(client, 121);
    EXPECT_EQ(layout.bar, (components::Box{118, 0, 124, 300}));
    EXPECT_EQ(layout.left, (components::Box{0, 0, 120, 300}));
    EXPECT_EQ(layout.right, (components::Box{123, 0, 450, 300}));
    EXPECT_EQ(components::DefaultSplitPosition(450), 120);
    EXPECT_EQ(components::DefaultSplitPosition(99), 0);
    EXPECT_EQ(components::ClampSplit(client, 1000, 10, 11), 439);
    EXPECT_EQ(components::ClampSplit(client, -5, 10, 11), 10);
    EXPECT_EQ(components::ClampSplit({0, 0, 15, 10}, 7, 10, 11), 10) << "the left limit wins when they cross";
    EXPECT_EQ(components::SplitterProfileSection(13), u"splt\\init_v13");
}

}  // namespace
}  // namespace component_tests
