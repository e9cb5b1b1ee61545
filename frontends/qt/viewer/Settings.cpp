#include "frontends/qt/viewer/Settings.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QFontInfo>
#include <QPalette>

namespace qtviewer {
namespace {

std::unique_ptr<SettingsRecord> gSettings;
StoreFactory gStoreFactory;
std::string gHostSettingsFile;

uint32_t ToColourRef(const QColor& colour)
{
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
           static_cast<uint32_t>(colour.blue()) << 16;
}

// The defaults a Windows user sees, from the desktop's palette and font.
core::SystemLook CurrentSystemLook()
{
    const QPalette palette = QApplication::palette();
    core::SystemLook look;
    look.appWorkspace = ToColourRef(palette.color(QPalette::Dark));
    look.window = ToColourRef(palette.color(QPalette::Base));
    look.windowText = ToColourRef(palette.color(QPalette::Text));
    look.buttonFace = ToColourRef(palette.color(QPalette::Button));
    const QFont font = QApplication::font();
    const std::u16string face = font.family().toStdU16String();
    for (size_t i = 0; i < face.size() && i < core::kFaceNameMax; ++i)
        look.guiFont.faceName[i] = face[i];
    look.guiFont.height = -QFontInfo(font).pixelSize();
    look.guiFont.weight = font.bold() ? 700 : 400;
    look.guiFont.italic = font.italic() ? 1 : 0;
    return look;
}

}  // namespace

SettingsRecord& Settings()
{
    if (!gSettings) {
        std::unique_ptr<core::KeyValueStore> store = gStoreFactory ? gStoreFactory() : nullptr;
        gSettings = std::make_unique<SettingsRecord>(store ? core::LoadSettings(*store, CurrentSystemLook())
                                                           : core::DefaultSettings(CurrentSystemLook()));
    }
    return *gSettings;
}

void SaveSettings()
{
    if (!gSettings || !gStoreFactory)
        return;
    if (std::unique_ptr<core::KeyValueStore> store = gStoreFactory())
        core::SaveSettings(*store, *gSettings);
}

void ReleaseSettings() { gSettings.reset(); }

void SetSettingsStoreFactory(StoreFactory factory) { gStoreFactory = std::move(factory); }

void SetHostSettingsFile(std::string path) { gHostSettingsFile = std::move(path); }

const std::string& HostSettingsFile() { return gHostSettingsFile; }

QColor ToQColor(uint32_t colourRef)
{
    return QColor(static_cast<int>(colourRef & 0xFF), static_cast<int>((colourRef >> 8) & 0xFF),
                  static_cast<int>((colourRef >> 16) & 0xFF));
}

}  // namespace qtviewer
