#pragma once
// The process-wide user settings, shared by every viewer of the process.
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

}  // namespace viewer
