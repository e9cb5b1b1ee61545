#pragma once
// The process-wide user settings, shared by every viewer of the process.
#include "core/panes/ColourScheme.h"
#include "core/settings/SettingsRecord.h"

namespace viewer {

using core::SettingsRecord;

// Created and loaded from the registry on the first call.
SettingsRecord& Settings();
// Writes the whole record to the plug-in's key.
void SaveSettings();
// Forgets the record so that the next Settings() loads it again; used when
// the library unloads.
void ReleaseSettings();
// The colours the panes show in the light or the dark look: where the
// user kept a default colour, the look's.
core::ColourScheme ShownColours(bool dark);

}  // namespace viewer
