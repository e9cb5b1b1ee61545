#pragma once
// The language files beside the plug-in, read once per process, and the
// translation of the context menus with the chosen one.
#include "core/language/MenuLanguage.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace viewer {

class MenuLanguages {
public:
    // The process's list, read on first use; `storedName` selects its
    // language then.
    static MenuLanguages& Get(std::u16string_view storedName);
    // At unload.
    static void Release();

    // Appends the Language submenu and, with a language chosen, translates
    // the popup's items.
    void Localize(HMENU popup) const;
    // For a language command, the name to store ("" for English); it is the
    // language of every menu shown afterwards.
    std::optional<std::u16string> Choose(int command) { return list_.Choose(command); }

    const std::vector<core::Language>& Languages() const { return list_.Languages(); }
    int Selected() const { return list_.Selected(); }

private:
    explicit MenuLanguages(core::LanguageList list) : list_(std::move(list)) {}

    core::LanguageList list_;
};

}  // namespace viewer
