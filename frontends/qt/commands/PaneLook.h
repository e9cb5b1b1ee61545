#pragma once
// The Background Color, Text Color and Font commands of either pane: the
// dialog starts from what the pane shows, a confirmed choice is stored in
// the settings record, shown and saved. The dialogs are a seam: tests answer
// them.
#include "core/commands/MenuContent.h"
#include "core/settings/SettingsRecord.h"

#include <QColor>
#include <QFont>

#include <functional>
#include <optional>

class QWidget;

namespace qtviewer {

class LookDialogs {
public:
    virtual ~LookDialogs() = default;
    // Nothing when the user cancelled.
    virtual std::optional<QColor> PickColour(QWidget* owner, const QColor& start) = 0;
    virtual std::optional<QFont> PickFont(QWidget* owner, const QFont& start) = 0;
};
// QColorDialog and QFontDialog.
LookDialogs& SystemLookDialogs();

uint32_t ColourRefOf(const QColor& colour);  // 0x00BBGGRR

// The tree's stored font as Qt's, and back; `fallback` for a record that
// names no face.
QFont TreeFontOf(const core::LogFontRecord& record, const QFont& fallback);
core::LogFontRecord TreeFontRecord(const QFont& font);

struct LookCommand {
    core::MenuPane pane = core::MenuPane::Tree;
    QWidget* owner = nullptr;
    QFont shownFont;               // the pane's (for the text pane, the plain view's)
    std::function<void()> apply;   // shows the settings in the pane
    std::function<void()> save;
};

// False for a command that is not a colour or font command.
bool RunLookCommand(int command, const LookCommand& pane, core::SettingsRecord& settings, LookDialogs& dialogs);

}  // namespace qtviewer
