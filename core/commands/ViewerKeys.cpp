#include "core/commands/ViewerKeys.h"

#include <optional>

namespace core {
namespace {

struct KeyBinding {
    char16_t key;
    std::optional<KeyModifiers> modifiers;  // none: whatever is held with the key
    KeyAction listerAction;                 // in a Lister window
    KeyAction quickViewAction;              // in Quick View
};

constexpr KeyModifiers kAlone{};
constexpr KeyModifiers kShift{.shift = true};

// Tab and Escape act whatever is held with them (Shift+Tab switches too);
// Ctrl+T only with Ctrl alone, as a menu accelerator would. The host's keys
// go to it only as the host binds them: n and p load the next and previous
// file, 1 to 7 choose its view modes, F2 reloads, F3 and F7 search (its
// search comes back to the viewer), F5 is the host's too.
constexpr KeyBinding kBindings[] = {
    {kTabKey, std::nullopt, KeyAction::SwitchFocus, KeyAction::ToHost},
    {kEscapeKey, std::nullopt, KeyAction::Close, KeyAction::ToHost},
    {u'T', KeyModifiers{.control = true}, KeyAction::ToggleTreePane, KeyAction::ToggleTreePane},
    {u'N', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {u'P', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {u'1', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {u'2', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {u'3', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {u'4', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {u'5', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {u'6', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {u'7', kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {FunctionKey(2), kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {FunctionKey(3), kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {FunctionKey(3), kShift, KeyAction::ToHost, KeyAction::ToHost},
    {FunctionKey(5), kAlone, KeyAction::ToHost, KeyAction::ToHost},
    {FunctionKey(7), kAlone, KeyAction::ToHost, KeyAction::ToHost},
};

bool ModifiersMatch(const KeyBinding& binding, KeyModifiers modifiers)
{
    return !binding.modifiers || *binding.modifiers == modifiers;
}

KeyAction ActionIn(const KeyBinding& binding, ViewerPlace place)
{
    return place == ViewerPlace::QuickView ? binding.quickViewAction : binding.listerAction;
}

}  // namespace

KeyAction ActionOfKey(char16_t key, KeyModifiers modifiers, ViewerPlace place)
{
    for (const KeyBinding& binding : kBindings)
        if (binding.key == key && ModifiersMatch(binding, modifiers))
            return ActionIn(binding, place);
    return KeyAction::None;
}

std::vector<KeyPress> ActionsOfHeldKeys(const std::function<bool(char16_t key)>& held, KeyModifiers modifiers,
                                        ViewerPlace place)
{
    std::vector<KeyPress> presses;
    for (const KeyBinding& binding : kBindings)
        if (ModifiersMatch(binding, modifiers) && held(binding.key))
            presses.push_back({binding.key, ActionIn(binding, place)});
    return presses;
}

}  // namespace core
