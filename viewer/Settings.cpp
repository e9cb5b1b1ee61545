#include "viewer/Settings.h"

#include "components/FontChoice.h"
#include "components/FontRecords_win.h"
#include "components/RegistryStore_win.h"
#include "platform/win32/Registry.h"
#include "platform/win32/WideText.h"

#include <memory>

namespace viewer {
namespace {

std::unique_ptr<SettingsRecord> gSettings;

SettingsRecord Defaults()
{
    SettingsRecord s;
    if (HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT))
        GetObjectW(font, sizeof s.treeFont, &s.treeFont);
    // The tree starts with light text on the workspace colour.
    s.treeBackColour = GetSysColor(COLOR_APPWORKSPACE);
    s.treeTextColour = GetSysColor(COLOR_WINDOW);
    s.textBackColour = GetSysColor(COLOR_WINDOW);
    s.textColour = GetSysColor(COLOR_WINDOWTEXT);
    return s;
}

void ReadDwordInto(const win::RegKey& key, const wchar_t* name, DWORD& member)
{
    if (auto value = key.ReadDword(name))
        member = *value;
}

void ReadValues(const win::RegKey& key, const wchar_t* path, SettingsRecord& s)
{
    ReadDwordInto(key, L"TextColor", s.textColour);
    ReadDwordInto(key, L"BackColor", s.textBackColour);
    ReadDwordInto(key, L"BackColorTree", s.treeBackColour);
    ReadDwordInto(key, L"FontTreeColor", s.treeTextColour);
    ReadDwordInto(key, L"ShowPasswordOnOpen", s.showPassword);
    ReadDwordInto(key, L"ReloadOnChange", s.reloadOnChange);
    if (auto name = key.ReadString(L"LangName"))
        s.langName = name->substr(0, kLangNameMax);

    components::RegistryStore store;
    components::CharFormatRecord format = components::ToRecord(s.editFont);
    // What was chosen in an earlier session shows from the first page on.
    if (components::LoadCharFormat(store, win::U16(path), u"EditFont", format))
        components::AdoptStoredFormat(format);
    s.editFont = components::ToCharFormat(format);
    components::LogFontRecord font = components::ToRecord(s.treeFont);
    components::LoadFont(store, win::U16(path), u"TreeFont", font);
    s.treeFont = components::ToLogFont(font);
}

std::unique_ptr<SettingsRecord> Load()
{
    auto s = std::make_unique<SettingsRecord>(Defaults());
    win::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kPluginKey, KEY_READ)) {
        ReadValues(key, kPluginKey, *s);
    } else if (key.Open(HKEY_CURRENT_USER, kMainAppKey, KEY_READ)) {
        // First run: start from what the main application uses.
        ReadValues(key, kMainAppKey, *s);
        if (key.ReadDword(L"GrayOnReadOnly").value_or(0) != 0)
            s->textBackColour = GetSysColor(COLOR_BTNFACE);
    }
    return s;
}

}  // namespace

SettingsRecord& Settings()
{
    if (!gSettings)
        gSettings = Load();
    return *gSettings;
}

void SaveSettings()
{
    SettingsRecord& s = Settings();
    components::RegistryStore store;
    components::SaveFont(store, win::U16(kPluginKey), u"TreeFont", components::ToRecord(s.treeFont));
    components::SaveCharFormat(store, win::U16(kPluginKey), u"EditFont", components::ToRecord(s.editFont));

    win::RegKey key;
    if (!key.Create(HKEY_CURRENT_USER, kPluginKey, KEY_ALL_ACCESS))
        return;
    key.WriteDword(L"TextColor", s.textColour);
    key.WriteDword(L"BackColor", s.textBackColour);
    key.WriteDword(L"BackColorTree", s.treeBackColour);
    key.WriteDword(L"FontTreeColor", s.treeTextColour);
    key.WriteDword(L"ShowPasswordOnOpen", s.showPassword);
    key.WriteDword(L"ReloadOnChange", s.reloadOnChange);
    key.WriteString(L"LangName", s.langName.substr(0, kLangNameMax));
}

void ReleaseSettings() { gSettings.reset(); }

}  // namespace viewer
