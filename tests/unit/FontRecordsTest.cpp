// Font records against an in-memory store, and the font command's records:
// what the dialog is given and what it answers.
#include "components/FontRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "components/FontChoice.h"

using namespace components;

namespace {

// Values of one key, with the names in the order written.
struct Key {
    std::map<std::u16string, uint32_t, std::less<>> numbers;
    std::map<std::u16string, std::u16string, std::less<>> texts;
    std::vector<std::u16string> order;
};

struct View final : KeyValues {
    explicit View(Key& k) : key(k) {}
    std::optional<uint32_t> ReadNumber(std::u16string_view n) const override { return Find(key.numbers, n); }
    std::optional<std::u16string> ReadText(std::u16string_view n) const override { return Find(key.texts, n); }
    bool WriteNumber(std::u16string_view n, uint32_t v) override { return Write(key.numbers, n, v); }
    bool WriteText(std::u16string_view n, std::u16string_view v) override { return Write(key.texts, n, std::u16string(v)); }
    template <class Map>
    static std::optional<typename Map::mapped_type> Find(const Map& map, std::u16string_view name)
    {
        const auto it = map.find(name);
        return it == map.end() ? std::nullopt : std::optional(it->second);
    }
    template <class Map, class Value>
    bool Write(Map& map, std::u16string_view name, Value value)
    {
        key.order.emplace_back(name);
        return map[std::u16string(name)] = std::move(value), true;
    }
    Key& key;
};

struct MapStore final : KeyValueStore {
    std::map<std::u16string, Key, std::less<>> keys;
    std::unique_ptr<KeyValues> OpenKey(std::u16string_view path) override
    {
        const auto it = keys.find(path);
        return it == keys.end() ? nullptr : std::make_unique<View>(it->second);
    }
    std::unique_ptr<KeyValues> CreateKey(std::u16string_view path) override
    {
        return std::make_unique<View>(keys[std::u16string(path)]);
    }
};

const CharFormatRecord kSample{.size = 92, .mask = 0xA800000F, .effects = 3, .height = 240, .offset = -20,
                               .textColor = 0x00112233, .charSet = 204, .pitchAndFamily = 0x22,
                               .faceName = MakeFaceName(u"Courier New")};

}  // namespace

TEST(FontRecords, CharacterFormatIsWrittenValueByValueUnderItsStoredNames)
{
    MapStore store;
    ASSERT_TRUE(SaveCharFormat(store, u"Base", u"EditFont", kSample));
    const Key& key = store.keys.at(u"Base\\EditFont");
    EXPECT_EQ(key.order, (std::vector<std::u16string>{u"Mask", u"Effects", u"Height", u"Offser", u"TextColor",
                                                      u"Charset", u"Pitch", u"Facename"}));
    EXPECT_EQ(key.texts.at(u"Facename"), u"Courier New");

    CharFormatRecord loaded;
    ASSERT_TRUE(LoadCharFormat(store, u"Base", u"EditFont", loaded));
    EXPECT_EQ(loaded.size, 0u) << "the size member is never stored";
    EXPECT_EQ(loaded.mask, 0xA800000Fu);
    EXPECT_EQ(loaded.offset, -20);
    EXPECT_EQ(FaceNameText(loaded.faceName), u"Courier New");
    EXPECT_FALSE(SaveCharFormat(store, u"Base", u"", kSample));
    EXPECT_FALSE(LoadCharFormat(store, u"Base", u"Missing", loaded));

    // Reading keeps the members of missing values and cuts long names.
    Key& partial = store.keys[u"B\\EditFont"];
    partial.numbers = {{u"Mask", 1}, {u"Charset", 0x1FF}};  // only the low byte is taken
    partial.texts[u"Facename"] = u"An extraordinarily long face name of forty";
    CharFormatRecord f = kSample;
    ASSERT_TRUE(LoadCharFormat(store, u"B", u"EditFont", f));
    EXPECT_EQ(f.mask, 1u);
    EXPECT_EQ(f.height, 240) << "a missing Height leaves the height";
    EXPECT_EQ(f.charSet, 0xFF);
    EXPECT_EQ(FaceNameText(f.faceName), u"An extraordinarily long face na");  // 31 units and the NUL
}

TEST(FontRecords, AFontWithoutFaceNameHoldsNoFontAndIsNotWritten)
{
    MapStore store;
    store.keys[u"B\\TreeFont"].numbers[u"LF_HEIGHT"] = 12;
    LogFontRecord font{.weight = 400};
    EXPECT_FALSE(LoadFont(store, u"B", u"TreeFont", font));
    EXPECT_EQ(font.height, 12);
    EXPECT_EQ(font.weight, kNoFontWeight);
    store.keys.clear();
    EXPECT_FALSE(SaveFont(store, u"B", u"TreeFont", font));
    EXPECT_TRUE(store.keys.empty());

    font = {.weight = 700, .italic = 1, .faceName = MakeFaceName(u"Tahoma")};
    ASSERT_TRUE(SaveFont(store, u"B", u"TreeFont", font));
    EXPECT_EQ(store.keys.at(u"B\\TreeFont").order.size(), 14u);
    LogFontRecord back;
    ASSERT_TRUE(LoadFont(store, u"B", u"TreeFont", back));
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.italic, 1);
    EXPECT_EQ(FaceNameText(back.faceName), u"Tahoma");
}

TEST(FontRecords, CharacterFormatBecomesTheFontDialogsFontByItsMask)
{
    CharFormatRecord f = kSample;
    f.mask |= kCfmColor;
    LogFontRecord font = CharFormatToFont(f, 96);
    EXPECT_EQ(font.height, -16);  // 240 twips at 96 pixels per inch
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.charSet, 204);
    EXPECT_EQ(font.pitchAndFamily, 0x22);
    EXPECT_EQ(FaceNameText(font.faceName), u"Courier New");

    f = {.mask = kCfmBold | kCfmUnderline | kCfmStrikeOut, .effects = kCfmBold | kCfmUnderline};
    font = CharFormatToFont(f, 96);
    EXPECT_EQ(font.height, 0);
    EXPECT_EQ(font.weight, 0) << "bold needs italic in the mask as well";
    EXPECT_EQ(font.underline, 0) << "underline needs colour in the mask as well";
    EXPECT_EQ(FaceNameText(font.faceName), u"");
}

TEST(FontChoice, TheFirstChoiceMakesTheRecordChoosableKeepingItsMembers)
{
    CharFormatRecord stored{.height = 240, .faceName = MakeFaceName(u"Georgia")};
    EXPECT_TRUE(MakeChoosable(stored));
    EXPECT_EQ(stored.size, 92u);
    EXPECT_EQ(stored.mask, 0xA800000Fu);
    EXPECT_EQ(FaceNameText(stored.faceName), u"Georgia");
    EXPECT_FALSE(MakeChoosable(stored)) << "only once";
    const CharFormatRecord shown = WithColour(stored, 0x123456);
    EXPECT_EQ(shown.mask, 0xE800000Fu);
    EXPECT_EQ(shown.textColor, 0x123456u);
}

TEST(FontChoice, TheDialogsAnswerBecomesTheStoredFormat)
{
    LogFontRecord chosen{.weight = 700, .italic = 1, .strikeOut = 1, .charSet = 204, .pitchAndFamily = 0x22,
                         .faceName = MakeFaceName(u"DejaVu Serif")};
    const CharFormatRecord format = FormatFromFontChoice(chosen, 115, 0x00FF00);
    EXPECT_EQ(format.size, 92u);
    EXPECT_EQ(format.mask, 0xE800000Fu);
    EXPECT_EQ(format.effects, kCfmBold | kCfmItalic | kCfmStrikeOut);
    EXPECT_EQ(format.height, 230) << "11.5 points in twips";
    EXPECT_EQ(format.textColor, 0x00FF00u);
    EXPECT_EQ(FaceNameText(format.faceName), u"DejaVu Serif");
    for (int weight : {600, 800, 900, 400}) {
        chosen.weight = weight;
        EXPECT_EQ(FormatFromFontChoice(chosen, 100, 0).effects & kCfmBold, 0u) << weight;
    }
}
