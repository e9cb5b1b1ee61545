#include "core/language/MenuLanguage.h"

#include "core/language/IniFile.h"
#include "platform/Ascii.h"

namespace core {
namespace {

// The part from a tab on, when the tab is not the first character.
size_t ShortcutStart(std::u16string_view text)
{
    const size_t tab = text.find(u'\t');
    return tab != std::u16string_view::npos && tab > 0 ? tab : text.size();
}

}  // namespace

std::u16string MenuKey(std::u16string_view text)
{
    std::u16string key;
    for (char16_t c : text.substr(0, ShortcutStart(text)))
        if (c != u'.')
            key += c == u' ' ? u'_' : platform::AsciiUpper(c);
    return key;
}

std::optional<Language> ReadLanguage(const IniFile& file, const std::vector<std::u16string>& menuTexts)
{
    Language language;
    language.name = file.Get(u"GENERAL", u"Language");
    std::vector<std::u16string> keys;
    for (const std::u16string& text : menuTexts)
        keys.push_back(MenuKey(text));
    keys.push_back(u"LANGUAGE");
    keys.push_back(u"FAVORITES");
    for (const std::u16string& key : keys) {
        if (language.table.count(key) != 0)
            continue;
        if (std::u16string translation = file.Get(u"MENU", key); !translation.empty())
            language.table.emplace(key, std::move(translation));
    }
    if (language.table.empty())
        return std::nullopt;
    return language;
}

std::u16string TranslateMenuText(std::u16string_view text, const Language& language)
{
    const auto found = language.table.find(MenuKey(text));
    if (found == language.table.end())
        return std::u16string(text);
    const size_t shortcut = ShortcutStart(text);
    const size_t ellipsis = text.find(u"...");
    std::u16string translated = found->second;
    if (ellipsis != std::u16string_view::npos && ellipsis > 1)
        translated += u"...";
    return translated + std::u16string(text.substr(shortcut));
}

// An empty stored name is English's, even beside a file that names no
// language.
int LanguageIndex(const std::vector<Language>& languages, std::u16string_view storedName)
{
    if (storedName.empty())
        return -1;
    for (size_t i = 0; i < languages.size(); ++i)
        if (platform::SameFolded(languages[i].name, storedName))
            return static_cast<int>(i);
    return -1;
}

std::optional<int> LanguageOfCommand(int command, size_t languageCount)
{
    if (command == kEnglishCommand)
        return -1;
    if (command < kFirstLanguageCommand || command > kLastLanguageCommand)
        return std::nullopt;
    const int index = command - kFirstLanguageCommand;
    if (static_cast<size_t>(index) >= languageCount)
        return std::nullopt;
    return index;
}

void LanguageList::Add(const std::vector<uint8_t>& fileBytes)
{
    if (Full())
        return;
    if (std::optional<Language> language = ReadLanguage(IniFile::Parse(fileBytes), menuTexts_))
        languages_.push_back(std::move(*language));
}

std::optional<std::u16string> LanguageList::Choose(int command)
{
    const std::optional<int> index = LanguageOfCommand(command, languages_.size());
    if (!index)
        return std::nullopt;
    selected_ = *index;
    return selected_ < 0 ? std::u16string() : languages_[static_cast<size_t>(selected_)].name;
}

const Language* LanguageList::Chosen() const
{
    return selected_ < 0 ? nullptr : &languages_[static_cast<size_t>(selected_)];
}

}  // namespace core
