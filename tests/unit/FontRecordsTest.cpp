// Font records against an in-memory store.
#include "components/FontRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using components::CharFormatRecord;
using components::FaceNameText;
using components::LogFontRecord;

// Keys of numbers and texts, each remembering the names in the order written.
class MapStore : public components::KeyValueStore {
public:
    struct Key : components::KeyValues {
        std::map<std::u16string, uint32_t, std::less<>> numbers;
        std::map<std::u16string, std::u16string, std::less<>> texts;
        std::vector<std::u16string> order;

        std::optional<uint32_t> ReadNumber(std::u16string_view name) const override { return Find(numbers, name); }
        std::optional<std::u16string> ReadText(std::u16string_view name) const override { return Find(texts, name); }
        bool WriteNumber(std::u16string_view name, uint32_t value) override { return Write(numbers, name, value); }
        bool WriteText(std::u16string_view name, std::u16string_view value) override
        {
            return Write(texts, name, std::u16string(value));
        }
        template <class Map>
        static std::optional<typename Map::mapped_type> Find(const Map& map, std::u16string_view name)
        {
            auto it = map.find(name);
            return it == map.end() ? std::nullopt : std::optional(it->second);
        }
        template <class Map, class Value>
        bool Write(Map& map, std::u16string_view name, Value value)
        {
            map[std::u16string(name)] = std::move(value);
            order.emplace_back(name);
            return true;
        }
    };
    // Hands out views of the keys kept here.
    struct View : components::KeyValues {
        explicit View(Key& k) : key(k) {}
        std::optional<uint32_t> ReadNumber(std::u16string_view n) const override { return key.ReadNumber(n); }
        std::optional<std::u16string> ReadText(std::u16string_view n) const override { return key.ReadText(n); }
        bool WriteNumber(std::u16string_view n, uint32_t v) override { return key.WriteNumber(n, v); }
        bool WriteText(std::u16string_view n, std::u16string_view v) override { return key.WriteText(n, v); }
        Key& key;
    };
    std::map<std::u16string, Key, std::less<>> keys;

    std::unique_ptr<components::KeyValues> OpenKey(std::u16string_view path) override
    {
        auto it = keys.find(path);
        return it == keys.end() ? nullptr : std::make_unique<View>(it->second);
    }
    std::unique_ptr<components::KeyValues> CreateKey(std::u16string_view path) override
    {
        return std::make_unique<View>(keys[std::u16string(path)]);
    }
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

}  // namespace

TEST(FontRecords, CharacterFormatIsWrittenValueByValueUnderItsStoredNames)
{
    MapStore store;
    ASSERT_TRUE(components::SaveCharFormat(store, u"Base", u"EditFont", SampleFormat()));
    const MapStore::Key& key = store.keys.at(u"Base\\EditFont");
    EXPECT_EQ(key.order, (std::vector<std::u16string>{u"Mask", u"Effects", u"Height", u"Offser", u"TextColor",
                                                      u"Charset", u"Pitch", u"Facename"}));
    EXPECT_EQ(key.numbers.at(u"Offser"), static_cast<uint32_t>(-20));
    EXPECT_EQ(key.texts.at(u"Facename"), u"Courier New");

    CharFormatRecord loaded;
    ASSERT_TRUE(components::LoadCharFormat(store, u"Base", u"EditFont", loaded));
    EXPECT_EQ(loaded.size, 0u) << "the size member is never stored";
    EXPECT_EQ(loaded.mask, 0xA800000Fu);
    EXPECT_EQ(loaded.offset, -20);
    EXPECT_EQ(loaded.charSet, 204);
    EXPECT_EQ(FaceNameText(loaded.faceName), u"Courier New");
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
    EXPECT_EQ(FaceNameText(f.faceName), u"An extraordinarily long face na");  // 31 units and the NUL
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
    EXPECT_EQ(FaceNameText(back.faceName), u"Tahoma");
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
    EXPECT_EQ(FaceNameText(font.faceName), u"Courier New");

    f.mask = components::kCfmBold | components::kCfmUnderline | components::kCfmStrikeOut;
    f.effects = components::kCfmBold | components::kCfmUnderline;
    font = components::CharFormatToFont(f, 96);
    EXPECT_EQ(font.height, 0);
    EXPECT_EQ(font.weight, 0) << "bold needs italic in the mask as well";
    EXPECT_EQ(font.underline, 0) << "underline needs colour in the mask as well";
    EXPECT_EQ(FaceNameText(font.faceName), u"");
}
