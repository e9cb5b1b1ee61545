#include "frontends/win32/viewer/Settings.h"

#include "frontends/win32/system/FontRecords_win.h"
#include "frontends/win32/system/RegistryStore_win.h"

#include <memory>

namespace viewer {
namespace {

std::unique_ptr<SettingsRecord> gSettings;

core::SystemLook CurrentSystemLook()
{
    core::SystemLook look;
    LOGFONTW font{};
    if (HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT))
        GetObjectW(stock, sizeof font, &font);
    look.guiFont = ToRecord(font);
    look.appWorkspace = GetSysColor(COLOR_APPWORKSPACE);
    look.window = GetSysColor(COLOR_WINDOW);
    look.windowText = GetSysColor(COLOR_WINDOWTEXT);
    look.buttonFace = GetSysColor(COLOR_BTNFACE);
    return look;
}

}  // namespace

SettingsRecord& Settings()
{
    if (!gSettings) {
        RegistryStore store;
        gSettings = std::make_unique<SettingsRecord>(core::LoadSettings(store, CurrentSystemLook()));
    }
    return *gSettings;
}

void SaveSettings()
{
    RegistryStore store;
    core::SaveSettings(store, Settings());
}

void ReleaseSettings() { gSettings.reset(); }

core::ColourScheme ShownColours(bool dark)
{
    return core::SchemeFor(Settings(), core::DefaultSettings(CurrentSystemLook()), GetSysColor(COLOR_BTNFACE), dark);
}

}  // namespace viewer
