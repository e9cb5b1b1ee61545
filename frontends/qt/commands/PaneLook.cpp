#include "frontends/qt/commands/PaneLook.h"

#include "core/settings/FontChoice.h"
#include "frontends/qt/viewer/Settings.h"
#include "resources/ResourceIds.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>

#include <cmath>

namespace qtviewer {
namespace {

class SystemDialogs final : public LookDialogs {
public:
    std::optional<QColor> PickColour(QWidget* owner, const QColor& start) override
    {
        const QColor chosen = QColorDialog::getColor(start, owner);
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    }
    std::optional<QFont> PickFont(QWidget* owner, const QFont& start) override
    {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, start, owner);
        return ok ? std::optional<QFont>(chosen) : std::nullopt;
    }
};

QString Face(const core::FaceName& face) { return QString::fromStdU16String(core::FaceNameText(face)); }

}  // namespace

LookDialogs& SystemLookDialogs()
{
    static SystemDialogs dialogs;
    return dialogs;
}

uint32_t ColourRefOf(const QColor& colour)
{
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
           static_cast<uint32_t>(colour.blue()) << 16;
}

// A logical font's height below 0 is its characters' height in pixels.
QFont TreeFontOf(const core::LogFontRecord& record, const QFont& fallback)
{
    if (record.weight == core::kNoFontWeight || Face(record.faceName).isEmpty())
        return fallback;
    QFont font(fallback);
    font.setFamily(Face(record.faceName));
    if (record.height != 0 && std::abs(record.height) <= 1000)
        font.setPixelSize(std::abs(record.height));
    font.setBold(record.weight >= core::kBoldWeight);
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);
    return font;
}

core::LogFontRecord TreeFontRecord(const QFont& font)
{
    core::LogFontRecord record;
    record.faceName = core::MakeFaceName(font.family().toStdU16String());
    record.height = -QFontInfo(font).pixelSize();
    record.weight = font.bold() ? core::kBoldWeight : 400;
    record.italic = font.italic() ? 1 : 0;
    record.underline = font.underline() ? 1 : 0;
    record.strikeOut = font.strikeOut() ? 1 : 0;
    return record;
}

bool RunLookCommand(int command, const LookCommand& pane, core::SettingsRecord& settings, LookDialogs& dialogs)
{
    const bool tree = pane.pane == core::MenuPane::Tree;
    uint32_t& background = tree ? settings.treeBackColour : settings.textBackColour;
    uint32_t& text = tree ? settings.treeTextColour : settings.textColour;
    switch (command) {
    case ID_BACKGROUND_COLOR:
    case ID_TEXT_COLOR: {
        uint32_t& colour = command == ID_BACKGROUND_COLOR ? background : text;
        const std::optional<QColor> chosen = dialogs.PickColour(pane.owner, ToQColor(colour));
        if (!chosen)
            return true;
        colour = ColourRefOf(*chosen);
        break;
    }
    case ID_FONT: {
        const std::optional<QFont> chosen = dialogs.PickFont(pane.owner, pane.shownFont);
        if (!chosen)
            return true;
        if (tree) {
            settings.treeFont = TreeFontRecord(*chosen);
        } else {
            const auto tenths = static_cast<int>(std::lround(QFontInfo(*chosen).pointSizeF() * 10));
            settings.editFont = core::FormatFromFontChoice(TreeFontRecord(*chosen), tenths, settings.textColour);
        }
        break;
    }
    default:
        return false;
    }
    if (pane.apply)
        pane.apply();
    if (pane.save)
        pane.save();
    return true;
}

}  // namespace qtviewer
