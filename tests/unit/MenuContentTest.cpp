// The favourites submenu, the commands' enable rules and the bug report.
#include <gtest/gtest.h>

#include "core/commands/MenuContent.h"
#include "core/commands/MenuLayout.h"
#include "model/Book.h"
#include "platform/CodePage.h"
#include "resources/ResourceIds.h"
#include "tests/unit/Helpers.h"

#include <fstream>
#include <map>
#include <regex>

using namespace core;
using namespace testing_helpers;

TEST(MenuContent, FavouritesListThePagesTheBookHoldsWithSeparatorsAndTheSelectionChecked)
{
    kit::BookSpec spec = BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"Salt & pepper"), Page(3, 1, 0, u"Three"),
                                 Page(0xFFFFFFFE, 1, 0, u"Minus two")});
    spec.favourites = {2, 0xFFFFFFFF, 99, 3, 0xFFFFFFFE};
    const model::CBook book = Loaded(spec);
    const std::vector<FavouriteItem> items = FavouriteItems(book, 3);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(platform::WideToUtf8(items[0].text), "Salt && pepper");
    EXPECT_EQ(items[0].command, 40000);
    EXPECT_TRUE(items[1].separator);
    EXPECT_EQ(items[2].command, 40003) << "the entry's place in the list, the missing page counted";
    EXPECT_TRUE(items[2].checked);
    EXPECT_FALSE(items[3].separator) << "only -1 is a separator";
    EXPECT_EQ(FavouritePage(book, 40003)->Id(), 3u);
    EXPECT_EQ(FavouritePage(book, 40002), nullptr) << "the book lacks page 99";
    EXPECT_EQ(FavouritePage(book, 40005), nullptr);

    spec.favourites.assign(kMaxFavourites + 1, 3);
    const model::CBook full = Loaded(spec);
    EXPECT_EQ(FavouriteItems(full, 0).size(), kMaxFavourites);
    EXPECT_EQ(FavouritePage(full, 40000 + kMaxFavourites - 1)->Id(), 3u);
    EXPECT_EQ(FavouritePage(full, 40000 + kMaxFavourites), nullptr) << "a language command";
}

TEST(MenuContent, CommandsAreEnabledByPageKindAndSelection)
{
    const model::CBook book = Loaded(BookOf({Page(1, 1, 4, u"Root"), Page(2, 1, 0, u"plain"), Page(3, 1, 2, u"rich"),
                                             Page(4, 1, 3, u"html"), Page(5, 1, 4, u"folder"), Page(6, 1, 1, u"archive")}));
    const std::tuple<int, uint32_t, bool, bool> cases[] = {
        {ID_COPY_PLAIN, 2, false, true},   {ID_COPY_RTF, 2, false, false},    {ID_COPY_RTF, 3, false, true},
        {ID_COPY_PLAIN, 3, false, false},  {ID_COPY_PLAIN, 4, false, true},   {ID_COPY_PLAIN, 5, false, false},
        {ID_EDIT_COPY, 5, false, false},   {ID_EDIT_COPY, 3, false, true},    {ID_EXPAND_ALL, 5, true, true},
        {ID_EXPAND_ALL, 5, false, false},  {ID_COPY_PLAIN, 99, false, false}, {ID_FONT, 99, false, true},
        {ID_COPY_PLAIN, 6, false, true},   {ID_EDIT_COPY, 99, false, false},  {ID_COPY_RTF, 99, false, false},
        {ID_COLLAPSE_ALL, 2, true, false},  // a text page with children is no container
    };
    for (const auto& [command, page, children, enabled] : cases) {
        const model::CPage* selected = book.FindPage(page);
        EXPECT_EQ(IsCommandEnabled(MenuPane::Tree, command, {selected, selected && selected->IsFolder(), children, false}),
                  enabled) << command << " on " << page;
    }
    EXPECT_FALSE(IsCommandEnabled(MenuPane::Text, ID_COPY_RTF, {}));
    EXPECT_FALSE(IsCommandEnabled(MenuPane::Text, ID_COPY_PLAIN, {}));
    EXPECT_TRUE(IsCommandEnabled(MenuPane::Text, ID_COPY_PLAIN, {nullptr, false, false, true}));
    EXPECT_TRUE(IsCommandEnabled(MenuPane::Text, ID_COPY_URL, {}));
}

TEST(MenuContent, TheBugReportSubjectIsTheHeadingWithUnderscores)
{
    EXPECT_EQ(platform::WideToUtf8(BugReportUrl(u"Vorn View 1.00 build 1 [Dec  6 2026]")),
              "mailto:vornview-support@tarrow.example?subject=Vorn_View_1.00_build_1_[Dec__6_2026]_Bug");
    EXPECT_EQ(platform::WideToUtf8(BugReportSubject(u"")), "_Bug");
}

// Menus built in code and the Win32 resources hold the same items: each
// menu's MENUITEM lines, read from the resource script, in order.
TEST(MenuContent, TheMenusBuiltInCodeAreTheResourceMenus)
{
    const std::map<std::string, int> ids = {
        {"ID_EDIT_COPY", ID_EDIT_COPY},     {"ID_COPY_PLAIN", ID_COPY_PLAIN},       {"ID_COPY_RTF", ID_COPY_RTF},
        {"ID_EXPAND_ALL", ID_EXPAND_ALL},   {"ID_COLLAPSE_ALL", ID_COLLAPSE_ALL},   {"ID_TREE_PANE", ID_TREE_PANE},
        {"ID_FONT", ID_FONT},               {"ID_BACKGROUND_COLOR", ID_BACKGROUND_COLOR},
        {"ID_TEXT_COLOR", ID_TEXT_COLOR},   {"ID_EDIT_DOCUMENT", ID_EDIT_DOCUMENT}, {"ID_SEND_BUG_REPORT", ID_SEND_BUG_REPORT},
        {"ID_COPY_URL", ID_COPY_URL},       {"ID_EDIT_SELECT_ALL", ID_EDIT_SELECT_ALL}};
    std::map<std::string, std::vector<std::pair<int, std::string>>> resource;
    std::ifstream script(VV_RESOURCE_SCRIPT);
    ASSERT_TRUE(script) << VV_RESOURCE_SCRIPT;
    const std::regex item(R"re(^\s*MENUITEM\s+(SEPARATOR|"([^"]*)",\s*(\w+)))re");
    std::string menu;
    for (std::string line; std::getline(script, line);) {
        std::smatch match;
        if (line.find(" MENU") != std::string::npos && line.rfind("IDR_", 0) == 0)
            menu = line.substr(0, line.find(' '));
        else if (std::regex_search(line, match, item))
            resource[menu].emplace_back(match[1] == "SEPARATOR" ? 0 : ids.at(match[3]),
                                        std::regex_replace(match[2].str(), std::regex(R"(\\t)"), "\t"));
    }
    for (const auto& [name, entries] : {std::pair{"IDR_TREE_MENU", TreeMenuEntries()}, {"IDR_TEXT_MENU", TextMenuEntries()}}) {
        std::vector<std::pair<int, std::string>> built;
        for (const MenuEntry& entry : entries)
            built.emplace_back(entry.command, platform::WideToUtf8(entry.text));
        EXPECT_EQ(built, resource[name]) << name;
    }
    EXPECT_EQ(BuiltInMenuTexts().size(), 21u);
}
