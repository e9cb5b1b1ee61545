#pragma once
// The settings as an ini file: a key is a section named by its path, a value
// is "name=value", a number in decimal and a text with "\" escapes. The file
// is read once; it is written only when a value changed, to a temporary file
// that then takes its place, so a crash leaves the old file or the new one.
#include "core/settings/KeyValueStore.h"

#include <QString>

#include <map>
#include <memory>
#include <string>

namespace qtviewer {

class IniStore final : public core::KeyValueStore {
public:
    explicit IniStore(QString path);
    // Writes what changed.
    ~IniStore() override;
    IniStore(const IniStore&) = delete;
    IniStore& operator=(const IniStore&) = delete;

    std::unique_ptr<core::KeyValues> OpenKey(std::u16string_view path) override;
    std::unique_ptr<core::KeyValues> CreateKey(std::u16string_view path) override;

    // Writes the file if a value changed since it was read or written;
    // false when that failed.
    bool Flush();

    using Values = std::map<std::u16string, std::u16string>;

private:
    QString path_;
    std::map<std::u16string, Values> sections_;
    bool changed_ = false;
};

// The settings file: "vornview.ini" in the folder of the host's settings
// file when it names one, else in "vornview" in the user's configuration
// folder ($XDG_CONFIG_HOME, else ~/.config).
QString SettingsFilePath(const QString& hostSettingsFile, const QString& xdgConfigHome, const QString& home);
// The same from the process's environment and the file the host named.
QString SettingsFilePath();

// The process's settings are kept in that file from now on.
void UseSettingsFile();

}  // namespace qtviewer
