#pragma once
// Translating the context menus with language files: the key a menu text is
// looked up by, one language's table, and what a translated item reads.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class IniFile;

// Menu commands of the language submenu.
inline constexpr int kEnglishCommand = 40499;
inline constexpr int kFirstLanguageCommand = 40500;
inline constexpr int kLastLanguageCommand = 40520;
// The most languages that can be chosen, and so listed.
inline constexpr size_t kMaxLanguages = kLastLanguageCommand - kFirstLanguageCommand + 1;

// "Background Color..." -> BACKGROUND_COLOR, "Tree Pane\tCtrl+T" -> TREE_PANE:
// spaces become "_", dots go, a tab after the first character ends the
// text, letters are upper-cased; "&" stays.
std::u16string MenuKey(std::u16string_view text);

struct Language {
    std::u16string name;                            // [GENERAL] Language
    std::map<std::u16string, std::u16string> table;  // menu key -> translation
};

// The translations of the given menu texts, and of the Language and
// Favorites submenu titles, found in the file; none when it has none.
std::optional<Language> ReadLanguage(const IniFile& file, const std::vector<std::u16string>& menuTexts);

// The item's text in the language: the translation, "..." when the English
// text had it, and the shortcut from its tab on; unchanged without one.
std::u16string TranslateMenuText(std::u16string_view text, const Language& language);

// The stored name's language (compared without regard to case), -1 for
// English.
int LanguageIndex(const std::vector<Language>& languages, std::u16string_view storedName);

// For a language command, the index it selects (-1 for English); none for
// any other command or a language that is not listed.
std::optional<int> LanguageOfCommand(int command, size_t languageCount);

// The languages a viewer offers, from its language files in the order they
// are added (as many usable ones as can be chosen), and the one chosen.
class LanguageList {
public:
    explicit LanguageList(std::vector<std::u16string> menuTexts) : menuTexts_(std::move(menuTexts)) {}

    // Reads no more once full: the files after are never offered.
    bool Full() const { return languages_.size() >= kMaxLanguages; }
    // A file without translations of these menus is left out.
    void Add(const std::vector<uint8_t>& fileBytes);
    // The stored name's language, English for a name not listed.
    void Select(std::u16string_view storedName) { selected_ = LanguageIndex(languages_, storedName); }
    // For a language command, the name to store ("" for English), which is
    // then the chosen language; none for any other command.
    std::optional<std::u16string> Choose(int command);

    const std::vector<Language>& Languages() const { return languages_; }
    int Selected() const { return selected_; }  // -1 for English
    const Language* Chosen() const;

private:
    std::vector<std::u16string> menuTexts_;
    std::vector<Language> languages_;
    int selected_ = -1;
};

}  // namespace core
