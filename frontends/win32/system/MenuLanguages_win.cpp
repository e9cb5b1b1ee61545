#include "frontends/win32/system/MenuLanguages_win.h"

#include "core/commands/MenuLayout.h"
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

// Files in the order the file system lists them.
core::LanguageList ReadLanguageFiles()
{
    core::LanguageList list(core::BuiltInMenuTexts());
    const std::wstring folder = win::ThisModuleFolder();
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"vornview_*.lng").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return list;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            list.Add(ReadSmallFile(folder + found.cFileName));
    } while (!list.Full() && FindNextFileW(search, &found));
    FindClose(search);
    return list;
}

}  // namespace

MenuLanguages& MenuLanguages::Get(std::u16string_view storedName)
{
    if (!gLanguages) {
        core::LanguageList list = ReadLanguageFiles();
        list.Select(storedName);
        gLanguages.reset(new MenuLanguages(std::move(list)));
    }
    return *gLanguages;
}

void MenuLanguages::Release() { gLanguages.reset(); }

void MenuLanguages::Localize(HMENU popup) const
{
    HMENU submenu = CreatePopupMenu();
    const std::vector<core::Language>& languages = list_.Languages();
    AppendMenuW(submenu, MF_STRING | (list_.Chosen() ? 0 : MF_CHECKED), core::kEnglishCommand, L"English");
    for (size_t i = 0; i < languages.size(); ++i)
        AppendMenuW(submenu, MF_STRING | (static_cast<int>(i) == list_.Selected() ? MF_CHECKED : 0),
                    core::kFirstLanguageCommand + i, win::Wide(languages[i].name).c_str());
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), L"Language");
    const core::Language* chosen = list_.Chosen();
    if (!chosen)
        return;
    const core::Language& language = *chosen;
    for (int i = 0, n = GetMenuItemCount(popup); i < n; ++i)
        if (GetMenuItemID(popup, i) != 0)
            SetItemText(popup, i, win::Wide(core::TranslateMenuText(win::U16(ItemText(popup, i)), language)));
}

}  // namespace viewer
