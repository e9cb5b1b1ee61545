#include "core/settings/SettingsRecord.h"

#include "core/settings/FontChoice.h"

namespace core {
namespace {

void ReadInto(const KeyValues& key, std::u16string_view name, uint32_t& member)
{
    if (auto value = key.ReadNumber(name))
        member = *value;
}

void ReadValues(KeyValueStore& store, const KeyValues& key, std::u16string_view path, SettingsRecord& s)
{
    ReadInto(key, u"TextColor", s.textColour);
    ReadInto(key, u"BackColor", s.textBackColour);
    ReadInto(key, u"BackColorTree", s.treeBackColour);
    ReadInto(key, u"FontTreeColor", s.treeTextColour);
    ReadInto(key, u"ShowPasswordOnOpen", s.showPassword);
    ReadInto(key, u"ReloadOnChange", s.reloadOnChange);
    if (auto name = key.ReadText(u"LangName"))
        s.langName = name->substr(0, kLangNameMax);
    // What was chosen in an earlier session shows from the first page on.
    if (LoadCharFormat(store, path, u"EditFont", s.editFont))
        AdoptStoredFormat(s.editFont);
    LoadFont(store, path, u"TreeFont", s.treeFont);
}

}  // namespace

SettingsRecord DefaultSettings(const SystemLook& look)
{
    SettingsRecord s;
    s.treeFont = look.guiFont;
    // The tree starts with light text on the workspace colour.
    s.treeBackColour = look.appWorkspace;
    s.treeTextColour = look.window;
    s.textBackColour = look.window;
    s.textColour = look.windowText;
    return s;
}

SettingsRecord LoadSettings(KeyValueStore& store, const SystemLook& look)
{
    SettingsRecord s = DefaultSettings(look);
    if (auto key = store.OpenKey(kPluginKey)) {
        ReadValues(store, *key, kPluginKey, s);
    } else if (auto mainKey = store.OpenKey(kMainAppKey)) {
        // First run: start from what the main application uses.
        ReadValues(store, *mainKey, kMainAppKey, s);
        if (mainKey->ReadNumber(u"GrayOnReadOnly").value_or(0) != 0)
            s.textBackColour = look.buttonFace;
    }
    return s;
}

void SaveSettings(KeyValueStore& store, const SettingsRecord& s)
{
    SaveFont(store, kPluginKey, u"TreeFont", s.treeFont);
    SaveCharFormat(store, kPluginKey, u"EditFont", s.editFont);
    auto key = store.CreateKey(kPluginKey);
    if (!key)
        return;
    key->WriteNumber(u"TextColor", s.textColour);
    key->WriteNumber(u"BackColor", s.textBackColour);
    key->WriteNumber(u"BackColorTree", s.treeBackColour);
    key->WriteNumber(u"FontTreeColor", s.treeTextColour);
    key->WriteNumber(u"ShowPasswordOnOpen", s.showPassword);
    key->WriteNumber(u"ReloadOnChange", s.reloadOnChange);
    key->WriteText(u"LangName", s.langName.substr(0, kLangNameMax));
}

}  // namespace core
