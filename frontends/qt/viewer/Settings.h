#pragma once
// The process-wide user settings, shared by every viewer of the process.
#include "core/settings/KeyValueStore.h"
#include "core/settings/SettingsRecord.h"

#include <functional>
#include <memory>
#include <string>

class QColor;

namespace qtviewer {

using core::SettingsRecord;

// Loaded on the first call from the store the factory makes; without a
// store, the defaults made of the system's look.
SettingsRecord& Settings();
// Writes the whole record, when there is a store.
void SaveSettings();
// Forgets the record: the next Settings() loads it again.
void ReleaseSettings();

// Where the settings are kept; set before the first Settings().
using StoreFactory = std::function<std::unique_ptr<core::KeyValueStore>()>;
void SetSettingsStoreFactory(StoreFactory factory);

// The settings file the host names (ListSetDefaultParams), as its bytes;
// empty when it names none.
void SetHostSettingsFile(std::string path);
const std::string& HostSettingsFile();

// A stored colour, 0x00BBGGRR, as Qt's.
QColor ToQColor(uint32_t colourRef);

}  // namespace qtviewer
