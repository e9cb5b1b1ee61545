#pragma once
// The language files beside the plug-in ("vornview_*.lng"), read once per
// process, and the translation of a context menu with the chosen one.
#include "core/language/MenuLanguage.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QMenu;

namespace qtviewer {

class MenuLanguages {
public:
    // Reads the folder's files in the order of their names (in any case), as
    // many usable ones as can be chosen; `storedName` selects one.
    MenuLanguages(const QString& folder, std::u16string_view storedName);

    // The process's list, from the folder of the shared object this code is
    // in, read on first use.
    static MenuLanguages& Get(std::u16string_view storedName);

    // Appends the Language submenu and, with a language chosen, translates
    // the menu's items, submenu titles included.
    void Localize(QMenu& menu) const;
    // A text of the viewer's own dialogs in the chosen language (found in
    // the files' menu section like a menu text), else as given.
    QString Text(const QString& english) const;
    // For a language command, the name to store ("" for English); menus
    // shown afterwards are in that language.
    std::optional<std::u16string> Choose(int command) { return list_.Choose(command); }

    const std::vector<core::Language>& Languages() const { return list_.Languages(); }
    int Selected() const { return list_.Selected(); }

private:
    core::LanguageList list_;
};

// The folder of the file this code was loaded from (the plug-in, or the
// program it is linked into), with a trailing "/".
QString OwnFolder();

}  // namespace qtviewer
