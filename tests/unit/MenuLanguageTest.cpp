// Language files read as the Windows profile functions read them, and the
// menus they translate.
#include <gtest/gtest.h>

#include "core/language/IniFile.h"
#include "core/language/MenuLanguage.h"
#include "platform/CodePage.h"

using namespace core;

namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// With its byte order mark.
std::vector<uint8_t> Utf16(std::u16string_view text, bool little)
{
    std::vector<uint8_t> bytes;
    for (char16_t c : u"\uFEFF" + std::u16string(text))
        bytes.insert(bytes.end(), {uint8_t(little ? c & 0xFF : c >> 8), uint8_t(little ? c >> 8 : c & 0xFF)});
    return bytes;
}

std::string Utf8(const std::u16string& text) { return platform::WideToUtf8(text); }

}  // namespace

TEST(MenuLanguage, IniFilesFollowTheProfileRules)
{
    const IniFile ansi = IniFile::Parse(Bytes("; comment\r\n[general]\r\nLanguage =  Fran\xE7" "ais  \r\n"
                                              "[Menu]\r\ncopy=\"  Copier  \"\r\nCOPY=second\r\nQuoted='x'\r\nOne=\"\r\nOpen='x\r\n"
                                              "noequals\r\nLong=" + std::string(300, 'a') + "\r\n"
                                              "[MENU]\r\nLater=in a repeated section\r\n"));
    EXPECT_EQ(Utf8(ansi.Get(u"GENERAL", u"LANGUAGE")), "Fran\xC3\xA7" "ais") << "code page 1252, trimmed";
    EXPECT_EQ(Utf8(ansi.Get(u"menu", u"Copy")), "  Copier  ") << "quotes keep what is inside";
    EXPECT_EQ(Utf8(ansi.Get(u"MENU", u"quoted")), "x");
    EXPECT_EQ(Utf8(ansi.Get(u"MENU", u"one")), "\"");
    EXPECT_EQ(Utf8(ansi.Get(u"MENU", u"open")), "'x");
    EXPECT_EQ(ansi.Get(u"MENU", u"long").size(), IniFile::kMaxValue);
    EXPECT_EQ(Utf8(ansi.Get(u"MENU", u"Later")), "");
    EXPECT_EQ(Utf8(ansi.Get(u"Missing", u"Copy")), "");

    // UTF-16 either way round (a trailing odd byte is no character), UTF-8 after its mark.
    const std::u16string text = u"[GENERAL]\r\nLanguage=Русский\r\n[MENU]\r\nFONT=Шрифт";
    std::vector<uint8_t> little = Utf16(text, true), big = Utf16(text, false);
    little.push_back('X');
    big.push_back('X');
    for (const std::vector<uint8_t>& bytes : {little, big, Bytes("\xEF\xBB\xBF" + Utf8(text))}) {
        const IniFile wide = IniFile::Parse(bytes);
        EXPECT_EQ(Utf8(wide.Get(u"GENERAL", u"Language")), "Русский");
        EXPECT_EQ(Utf8(wide.Get(u"MENU", u"Font")), "Шрифт");
    }
}

TEST(MenuLanguage, MenuTextsTranslateByTheirKeysAndTheStoredNameOrACommandChoosesTheLanguage)
{
    for (const auto& [text, key] : {std::pair{u"Copy As Plain Text", "COPY_AS_PLAIN_TEXT"}, {u"Background Color...", "BACKGROUND_COLOR"},
                                    {u"Tree Pane\tCtrl+T", "TREE_PANE"}, {u"\tTab first", "\tTAB_FIRST"}, {u"&Save", "&SAVE"}})
        EXPECT_EQ(Utf8(MenuKey(text)), key);

    const IniFile file = IniFile::Parse(Bytes("[GENERAL]\nLanguage=Deutsch\n[MENU]\nCOPY=Kopieren\nFONT=Schrift\n"
                                              "TREE_PANE=Baum\nLANGUAGE=Sprache\nEXPAND_ALL=\nA=Ah\nAB=Abc\n"));
    const std::optional<Language> german =
        ReadLanguage(file, {u"Copy\tCtrl+C", u"Font...", u"Tree Pane\tCtrl+T", u"Expand All", u"Send Bug Report", u"A...", u"Ab..."});
    ASSERT_TRUE(german);
    EXPECT_EQ(Utf8(german->name), "Deutsch");
    EXPECT_EQ(german->table.size(), 6u) << "an empty value is no translation";
    EXPECT_EQ(Utf8(TranslateMenuText(u"Copy\tCtrl+C", *german)), "Kopieren\tCtrl+C");
    EXPECT_EQ(Utf8(TranslateMenuText(u"Font...", *german)), "Schrift...");
    EXPECT_EQ(Utf8(TranslateMenuText(u"Language", *german)), "Sprache");
    EXPECT_EQ(Utf8(TranslateMenuText(u"A...", *german)), "Ah") << "an ellipsis counts from the third character";
    EXPECT_EQ(Utf8(TranslateMenuText(u"Ab...", *german)), "Abc...");
    EXPECT_EQ(Utf8(TranslateMenuText(u"Expand All", *german)), "Expand All");
    EXPECT_FALSE(ReadLanguage(IniFile::Parse(Bytes("[GENERAL]\nLanguage=Empty\n")), {u"Copy"}));

    std::vector<Language> languages(3);
    languages[0].name = u"Deutsch";
    languages[1].name = u"";
    languages[2].name = u"deutsch";
    EXPECT_EQ(LanguageIndex(languages, u"DEUTSCH"), 0) << "the first of equal names";
    EXPECT_EQ(LanguageIndex(languages, u"Klingon"), -1);
    EXPECT_EQ(LanguageIndex(languages, u""), -1) << "English, even beside a file without a name";

    EXPECT_EQ(LanguageOfCommand(kEnglishCommand, 3), -1);
    EXPECT_EQ(LanguageOfCommand(kFirstLanguageCommand, 1), 0);
    EXPECT_EQ(LanguageOfCommand(kFirstLanguageCommand + 2, 3), 2);
    EXPECT_EQ(LanguageOfCommand(kFirstLanguageCommand + 3, 3), std::nullopt);
    EXPECT_EQ(LanguageOfCommand(kLastLanguageCommand, 30), static_cast<int>(kMaxLanguages) - 1);
    EXPECT_EQ(LanguageOfCommand(kLastLanguageCommand + 1, 30), std::nullopt);
    EXPECT_EQ(LanguageOfCommand(40000, 3), std::nullopt);
}

TEST(MenuLanguage, TheListTakesUsableFilesUntilFullAndRemembersTheChoice)
{
    LanguageList list({u"Copy"});
    list.Add(Bytes("[GENERAL]\nLanguage=Empty\n"));
    for (size_t i = 0; !list.Full(); ++i)
        list.Add(Bytes("[GENERAL]\nLanguage=L" + std::to_string(i) + "\n[MENU]\nCOPY=C" + std::to_string(i) + "\n"));
    list.Add(Bytes("[GENERAL]\nLanguage=Late\n[MENU]\nCOPY=Late\n"));
    ASSERT_EQ(list.Languages().size(), kMaxLanguages) << "no file without translations, none after the list is full";
    EXPECT_EQ(Utf8(list.Languages()[0].name), "L0");

    list.Select(u"l1");
    ASSERT_TRUE(list.Chosen());
    EXPECT_EQ(Utf8(list.Chosen()->name), "L1");
    list.Select(u"Late");
    EXPECT_EQ(list.Chosen(), nullptr);
    EXPECT_EQ(list.Choose(kFirstLanguageCommand + 2), u"L2");
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_EQ(list.Choose(40000), std::nullopt);
    EXPECT_EQ(list.Selected(), 2) << "another command keeps the choice";
    EXPECT_EQ(list.Choose(kEnglishCommand), u"");
    EXPECT_EQ(list.Chosen(), nullptr);
}
