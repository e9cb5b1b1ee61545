// Font records and the whole settings record against an in-memory store, and
// the font command's records: what the dialog is given and what it answers.
#include "core/settings/FontRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "core/settings/FontChoice.h"
#include "core/settings/SettingsRecord.h"

using namespace core;

namespace {

// Values stored under "key\\name"; `written` has the names in the order written.
struct MapStore final : KeyValueStore {
    std::map<std::u16string, uint32_t, std::less<>> numbers;
    std::map<std::u16string, std::u16string, std::less<>> texts;
    std::set<std::u16string, std::less<>> keys;
    std::vector<std::u16string> written;

    struct Key final : KeyValues {
        Key(MapStore& s, std::u16string_view path) : store(s), prefix(std::u16string(path) + u"\\") {}
        std::optional<uint32_t> ReadNumber(std::u16string_view n) const override { return Find(store.numbers, n); }
        std::optional<std::u16string> ReadText(std::u16string_view n) const override { return Find(store.texts, n); }
        bool WriteNumber(std::u16string_view n, uint32_t v) override { return Put(store.numbers, n, v); }
        bool WriteText(std::u16string_view n, std::u16string_view v) override { return Put(store.texts, n, std::u16string(v)); }
        template <class Map>
        std::optional<typename Map::mapped_type> Find(const Map& map, std::u16string_view name) const
        {
            const auto it = map.find(prefix + std::u16string(name));
            return it == map.end() ? std::nullopt : std::optional(it->second);
        }
        template <class Map, class Value>
        bool Put(Map& map, std::u16string_view name, Value value)
        {
            store.written.emplace_back(name);
            return map[prefix + std::u16string(name)] = std::move(value), true;
        }
        MapStore& store;
        std::u16string prefix;
    };
    std::unique_ptr<KeyValues> OpenKey(std::u16string_view path) override
    {
        return keys.contains(path) ? std::make_unique<Key>(*this, path) : nullptr;
    }
    std::unique_ptr<KeyValues> CreateKey(std::u16string_view path) override
    {
        keys.emplace(path);
        return std::make_unique<Key>(*this, path);
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
    EXPECT_EQ(store.written, (std::vector<std::u16string>{u"Mask", u"Effects", u"Height", u"Offser", u"TextColor",
                                                         u"Charset", u"Pitch", u"Facename"}));
    CharFormatRecord loaded;
    ASSERT_TRUE(LoadCharFormat(store, u"Base", u"EditFont", loaded));
    EXPECT_EQ(loaded.size, 0u) << "the size member is never stored";
    EXPECT_EQ(loaded.offset, -20);
    EXPECT_EQ(FaceNameText(loaded.faceName), u"Courier New");
    EXPECT_FALSE(SaveCharFormat(store, u"Base", u"", kSample));
    EXPECT_FALSE(LoadCharFormat(store, u"Base", u"Missing", loaded));

    // Reading keeps the members of missing values and cuts long names.
    store.keys.emplace(u"B\\EditFont");
    store.numbers = {{u"B\\EditFont\\Mask", 1}, {u"B\\EditFont\\Charset", 0x1FF}};  // only the low byte is taken
    store.texts[u"B\\EditFont\\Facename"] = u"An extraordinarily long face name of forty";
    CharFormatRecord f = kSample;
    ASSERT_TRUE(LoadCharFormat(store, u"B", u"EditFont", f));
    EXPECT_EQ(f.mask, 1u);
    EXPECT_EQ(f.height, 240) << "a missing Height leaves the height";
    EXPECT_EQ(f.charSet, 0xFF);
    EXPECT_EQ(FaceNameText(f.faceName), u"An extraordinarily long face na");  // 31 units and the NUL
}

TEST(FontChoice, AStoredFormatThatNamesAFaceAppliesFromTheStartWithoutAHeightTheControlCannotShow)
{
    constexpr uint32_t kMask = kCfmSize | kCfmFace | kCfmBold;
    const struct { std::u16string_view face; int32_t height; bool adopted; uint32_t mask; } cases[] = {
        {u"Georgia", 240, true, kMask},           {u"Georgia", 20, true, kMask},
        {u"Georgia", 32760, true, kMask},         {u"Georgia", 0, true, kMask & ~kCfmSize},
        {u"Georgia", -240, true, kMask & ~kCfmSize}, {u"Georgia", 32761, true, kMask & ~kCfmSize},
        {u"", 240, false, kMask},
    };
    for (const auto& c : cases) {
        CharFormatRecord record{.mask = kMask, .height = c.height, .faceName = MakeFaceName(c.face)};
        EXPECT_EQ(AdoptStoredFormat(record), c.adopted) << c.height;
        EXPECT_EQ(record.size, c.adopted ? 92u : 0u) << c.height;
        EXPECT_EQ(record.mask, c.mask) << c.height;
        EXPECT_EQ(record.height, c.height) << "the stored value stays";
    }
}

TEST(FontChoice, TheFirstChoiceMakesTheRecordChoosableAndTheAnswerBecomesTheStoredFormat)
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

    // The dialog's answer becomes the stored format.
    LogFontRecord chosen{.weight = 700, .italic = 1, .strikeOut = 1, .charSet = 204, .pitchAndFamily = 0x22,
                         .faceName = MakeFaceName(u"DejaVu Serif")};
    const CharFormatRecord format = FormatFromFontChoice(chosen, 115, 0x00FF00);
    EXPECT_EQ(format.mask, 0xE800000Fu);
    EXPECT_EQ(format.effects, kCfmBold | kCfmItalic | kCfmStrikeOut);
    EXPECT_EQ(format.height, 230) << "11.5 points in twips";
    EXPECT_EQ(format.textColor, 0x00FF00u);
    EXPECT_EQ(FaceNameText(format.faceName), u"DejaVu Serif");
    for (int weight : {600, 800, 900, 400}) {
        chosen.weight = weight;
        EXPECT_EQ(FormatFromFontChoice(chosen, 100, 0).effects & kCfmBold, 0u) << weight;
    }

    // A stored format becomes the dialog's font by its mask.
    CharFormatRecord f = kSample;
    f.mask |= kCfmColor;
    LogFontRecord font = CharFormatToFont(f, 96);
    EXPECT_EQ(font.height, -16);  // 240 twips at 96 pixels per inch
    EXPECT_EQ(font.weight, 700);
    EXPECT_EQ(font.italic, 1);
    EXPECT_EQ(font.charSet, 204);
    EXPECT_EQ(FaceNameText(font.faceName), u"Courier New");

    f = {.mask = kCfmBold | kCfmUnderline | kCfmStrikeOut, .effects = kCfmBold | kCfmUnderline};
    font = CharFormatToFont(f, 96);
    EXPECT_EQ(font.height, 0);
    EXPECT_EQ(font.weight, 0) << "bold needs italic in the mask as well";
    EXPECT_EQ(font.underline, 0) << "underline needs colour in the mask as well";
}

namespace {

const SystemLook kLook{.guiFont = {.height = -11, .weight = 400, .faceName = MakeFaceName(u"GUI")},
                       .appWorkspace = 1, .window = 2, .windowText = 3, .buttonFace = 4};
const std::u16string kPlugin = kPluginKey;
const std::u16string kMain = kMainAppKey;

}  // namespace

// A value stored as text where a number belongs (or the reverse) is malformed.
TEST(Settings, EachValueLoadsFromItsStoredNameAndAMissingOrMalformedOneKeepsTheDefault)
{
    const SettingsRecord d = DefaultSettings(kLook);
    EXPECT_EQ(std::vector({d.treeBackColour, d.treeTextColour, d.textBackColour, d.textColour, d.editFont.size}),
              std::vector({1u, 2u, 2u, 3u, 0u}));
    EXPECT_EQ(d.treeFont.height, -11);
    const struct { std::u16string_view name; uint32_t SettingsRecord::*member; } values[] = {
        {u"TextColor", &SettingsRecord::textColour},        {u"BackColor", &SettingsRecord::textBackColour},
        {u"BackColorTree", &SettingsRecord::treeBackColour}, {u"FontTreeColor", &SettingsRecord::treeTextColour},
        {u"ShowPasswordOnOpen", &SettingsRecord::showPassword}, {u"ReloadOnChange", &SettingsRecord::reloadOnChange},
    };
    for (const auto& v : values) {
        const std::u16string path = kPlugin + u"\\" + std::u16string(v.name);
        MapStore store;
        store.keys.emplace(kPlugin);
        store.numbers[path] = 0x00ABCDEF;
        EXPECT_EQ(LoadSettings(store, kLook).*v.member, 0x00ABCDEFu);
        store.numbers.clear();
        EXPECT_EQ(LoadSettings(store, kLook).*v.member, d.*v.member) << "missing";
        store.texts[path] = u"12";
        EXPECT_EQ(LoadSettings(store, kLook).*v.member, d.*v.member) << "malformed";
    }
    const struct { std::optional<std::u16string> text; std::optional<uint32_t> number; std::u16string expected; } names[] = {
        {u"Deutsch", {}, u"Deutsch"}, {std::u16string(300, u'x'), {}, std::u16string(259, u'x')},
        {{}, {}, u""}, {{}, 5, u""},
    };
    for (const auto& n : names) {
        MapStore store;
        store.keys.emplace(kPlugin);
        if (n.text)
            store.texts[kPlugin + u"\\LangName"] = *n.text;
        if (n.number)
            store.numbers[kPlugin + u"\\LangName"] = *n.number;
        EXPECT_EQ(LoadSettings(store, kLook).langName, n.expected);
    }
}

TEST(Settings, AFirstRunStartsFromTheMainApplicationsKeyWhichLaterRunsIgnore)
{
    const struct { bool pluginKey; bool mainKey; uint32_t gray; uint32_t textBack; uint32_t text; uint32_t editSize; } cases[] = {
        {false, false, 1, 2, 3, 0}, {false, true, 0, 0x20, 0x30, 92}, {false, true, 1, 4, 0x30, 92},
        {false, true, 7, 4, 0x30, 92}, {true, true, 1, 2, 3, 0},
    };
    for (const auto& c : cases) {
        MapStore store;
        if (c.pluginKey)
            store.keys.emplace(kPlugin);
        if (c.mainKey) {
            store.keys.emplace(kMain);
            store.numbers = {{kMain + u"\\BackColor", 0x20}, {kMain + u"\\TextColor", 0x30},
                             {kMain + u"\\GrayOnReadOnly", c.gray}};
            ASSERT_TRUE(SaveCharFormat(store, kMain, u"EditFont", kSample));
        }
        const SettingsRecord s = LoadSettings(store, kLook);
        EXPECT_EQ(s.textBackColour, c.textBack) << c.gray;
        EXPECT_EQ(s.textColour, c.text);
        EXPECT_EQ(s.editFont.size, c.editSize) << "the main application's font applies from the start";
        EXPECT_EQ(s.treeBackColour, 1u);
    }
}

TEST(Settings, ASavedRecordLoadsBackUnderTheStoredNames)
{
    SettingsRecord s = DefaultSettings(kLook);
    s.textColour = 0x112233;
    s.showPassword = 1;
    s.langName = std::u16string(300, u'y');
    s.editFont = kSample;
    s.treeFont = {.height = -17, .weight = 700, .faceName = MakeFaceName(u"Tahoma")};
    MapStore store;
    SaveSettings(store, s);
    EXPECT_EQ(store.written.size(), 14u + 8u + 7u);
    EXPECT_EQ(std::vector(store.written.end() - 7, store.written.end()),
              (std::vector<std::u16string>{u"TextColor", u"BackColor", u"BackColorTree", u"FontTreeColor",
                                           u"ShowPasswordOnOpen", u"ReloadOnChange", u"LangName"}));
    EXPECT_EQ(store.texts[kPlugin + u"\\LangName"].size(), 259u);
    const SettingsRecord back = LoadSettings(store, {});
    EXPECT_EQ(back.textColour, 0x112233u);
    EXPECT_EQ(back.treeBackColour, 1u);
    EXPECT_EQ(back.showPassword, 1u);
    EXPECT_EQ(back.langName.size(), 259u);
    EXPECT_EQ(back.editFont.size, 92u);
    EXPECT_EQ(back.editFont.height, 240);
    EXPECT_EQ(FaceNameText(back.editFont.faceName), u"Courier New");
    EXPECT_EQ(back.treeFont.height, -17);
    EXPECT_EQ(FaceNameText(back.treeFont.faceName), u"Tahoma");

    // A tree font without a face name holds none and is not written back; a
    // stored edit font without one does not apply.
    store.texts[kPlugin + u"\\TreeFont\\LF_FACENAME"] = u"";
    store.texts[kPlugin + u"\\EditFont\\Facename"] = u"";
    const SettingsRecord faceless = LoadSettings(store, kLook);
    EXPECT_EQ(faceless.treeFont.weight, kNoFontWeight);
    EXPECT_EQ(faceless.editFont.size, 0u);
    store.written.clear();
    SaveSettings(store, faceless);
    EXPECT_EQ(store.written.size(), 8u + 7u);
}
