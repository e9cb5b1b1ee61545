#include "core/commands/MenuLayout.h"

#include "resources/ResourceIds.h"

namespace core {
namespace {

constexpr MenuEntry kTreeMenu[] = {
    {ID_EDIT_COPY, u"Copy\tCtrl+C"},
    {ID_COPY_PLAIN, u"Copy As Plain Text"},
    {ID_COPY_RTF, u"Copy As RTF"},
    {},
    {ID_EXPAND_ALL, u"Expand All"},
    {ID_COLLAPSE_ALL, u"Collapse All"},
    {},
    {ID_TREE_PANE, u"Tree Pane\tCtrl+T"},
    {},
    {ID_BACKGROUND_COLOR, u"Background Color..."},
    {ID_TEXT_COLOR, u"Text Color..."},
    {ID_FONT, u"Font..."},
    {},
    {ID_EDIT_DOCUMENT, u"Edit Document in Vornbook"},
    {},
    {ID_SEND_BUG_REPORT, u"Send Bug Report"},
};

constexpr MenuEntry kTextMenu[] = {
    {ID_COPY_URL, u"Copy URL"},
    {},
    {ID_COPY_PLAIN, u"Copy As Plain Text"},
    {ID_COPY_RTF, u"Copy As RTF"},
    {ID_EDIT_SELECT_ALL, u"Select All\tCtrl+A"},
    {},
    {ID_TREE_PANE, u"Tree Pane\tCtrl+T"},
    {},
    {ID_BACKGROUND_COLOR, u"Background Color..."},
    {ID_TEXT_COLOR, u"Text Color..."},
    {ID_FONT, u"Font..."},
    {},
    {ID_EDIT_DOCUMENT, u"Edit Document in Vornbook"},
    {},
    {ID_SEND_BUG_REPORT, u"Send Bug Report"},
};

}  // namespace

std::span<const MenuEntry> TreeMenuEntries() { return kTreeMenu; }

std::span<const MenuEntry> TextMenuEntries() { return kTextMenu; }

std::vector<std::u16string> BuiltInMenuTexts()
{
    std::vector<std::u16string> texts;
    for (std::span<const MenuEntry> menu : {TreeMenuEntries(), TextMenuEntries()})
        for (const MenuEntry& entry : menu)
            if (entry.command != 0)
                texts.emplace_back(entry.text);
    return texts;
}

}  // namespace core
