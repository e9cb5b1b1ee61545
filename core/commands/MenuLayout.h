#pragma once
// The fixed items of the two context menus, in the order they show, for a
// front end that builds its menus in code (the Win32 one loads the same
// items from its resources). A command of 0 is a separator.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct MenuEntry {
    int command = 0;
    std::u16string_view text;  // English; a tab starts the shortcut
};

std::span<const MenuEntry> TreeMenuEntries();
std::span<const MenuEntry> TextMenuEntries();

// The texts of the items of both menus, separators left out, in the order
// the language files are read with.
std::vector<std::u16string> BuiltInMenuTexts();

// The titles of the submenus appended to both menus.
inline constexpr std::u16string_view kFavouritesTitle = u"Favorites";
inline constexpr std::u16string_view kLanguageTitle = u"Language";
inline constexpr std::u16string_view kEnglishTitle = u"English";

}  // namespace core
