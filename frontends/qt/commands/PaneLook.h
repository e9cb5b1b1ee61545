#pragma once
// The user's colours and fonts on the tree and the page views, and the
// Background Color, Text Color and Font commands of either pane, persisted
// in the settings record. The dialogs are a seam: tests answer them.
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

// Stored colours (0x00BBGGRR) and Qt's.
QColor ColourOf(uint32_t colourRef);
uint32_t ColourRefOf(const QColor& colour);

// The stored fonts as Qt's; `fallback` for a record that names no face.
QFont TreeFontOf(const core::LogFontRecord& record, const QFont& fallback);
core::LogFontRecord TreeFontRecord(const QFont& font);
QFont EditFontOf(const core::CharFormatRecord& record, const QFont& fallback);

// The tree's colours and font.
void ApplyTreeLook(QWidget& tree, const core::SettingsRecord& settings);
// A page view's colours, and on a plain-text page the chosen font.
void ApplyPageLook(QWidget& page, const core::SettingsRecord& settings, bool plainText);

// Runs a colour or font command of a pane on its view: the dialog starts
// from what is stored, a confirmed choice is shown, stored and saved. False
// for any other command.
bool RunLookCommand(core::MenuPane pane, int command, QWidget& view, bool plainText, core::SettingsRecord& settings,
                    LookDialogs& dialogs, const std::function<void()>& save);

}  // namespace qtviewer
