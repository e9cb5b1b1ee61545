#include "frontends/win32/system/MenuLanguages_win.h"

#include "core/commands/MenuLayout.h"
#include "core/language/IniFile.h"
#include "docfile/ByteSource.h"
#include "platform/win32/Module.h"
#include "platform/win32/WideText.h"

#include <memory>

namespace viewer {
namespace {

std::unique_ptr<MenuLanguages> gLanguages;

// A language file is a few kilobytes; anything far larger is no language file.
constexpr uint64_t kMaxFileSize = 1 << 20;

std::vector<uint8_t> ReadSmallFile(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    const std::unique_ptr<docfile::FileSource> file = docfile::FileSource::Open(path);
    if (file && file->Remaining() <= kMaxFileSize) {
        bytes.resize(static_cast<size_t>(file->Remaining()));
        bytes.resize(file->Read(bytes.data(), bytes.size()));
    }
    return bytes;
}

std::wstring ItemText(HMENU menu, int position)
{
    wchar_t text[260] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 260, MF_BYPOSITION);
    return text;
}

void SetItemText(HMENU menu, int position, const std::wstring& text)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
}

// Files in the order the file system lists them; at most as many usable
// ones as can be chosen.
std::vector<core::Language> ReadLanguageFiles()
{
    std::vector<core::Language> languages;
    const std::wstring folder = win::ThisModuleFolder();
    const std::vector<std::u16string> texts = core::BuiltInMenuTexts();
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"vornview_*.lng").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return languages;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const std::vector<uint8_t> bytes = ReadSmallFile(folder + found.cFileName);
        if (std::optional<core::Language> language = core::ReadLanguage(core::IniFile::Parse(bytes), texts))
            languages.push_back(std::move(*language));
    } while (languages.size() < core::kMaxLanguages && FindNextFileW(search, &found));
    FindClose(search);
    return languages;
}

}  // namespace

MenuLanguages& MenuLanguages::Get(std::u16string_view storedName)
{
    if (!gLanguages) {
        std::vector<core::Language> languages = ReadLanguageFiles();
        const int selected = core::LanguageIndex(languages, storedName);
        gLanguages.reset(new MenuLanguages(std::move(languages), selected));
    }
    return *gLanguages;
}

void MenuLanguages::Release() { gLanguages.reset(); }

void MenuLanguages::Localize(HMENU popup) const
{
    HMENU submenu = CreatePopupMenu();
    AppendMenuW(submenu, MF_STRING | (selected_ < 0 ? MF_CHECKED : 0), core::kEnglishCommand, L"English");
    for (size_t i = 0; i < languages_.size(); ++i)
        AppendMenuW(submenu, MF_STRING | (static_cast<int>(i) == selected_ ? MF_CHECKED : 0),
                    core::kFirstLanguageCommand + i, win::Wide(languages_[i].name).c_str());
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), L"Language");
    if (selected_ < 0)
        return;
    const core::Language& language = languages_[static_cast<size_t>(selected_)];
    for (int i = 0, n = GetMenuItemCount(popup); i < n; ++i)
        if (GetMenuItemID(popup, i) != 0)
            SetItemText(popup, i, win::Wide(core::TranslateMenuText(win::U16(ItemText(popup, i)), language)));
}

std::optional<std::u16string> MenuLanguages::Choose(int command)
{
    const std::optional<int> index = core::LanguageOfCommand(command, languages_.size());
    if (!index)
        return std::nullopt;
    selected_ = *index;
    return selected_ < 0 ? std::u16string() : languages_[static_cast<size_t>(selected_)].name;
}

}  // namespace viewer
