#include "core/commands/ViewerKeys.h"

#include <optional>

namespace core {
namespace {

struct KeyBinding {
    char16_t key;
    std::optional<KeyModifiers> modifiers;  // none: whatever is held with the key
    KeyAction action;
};

// Tab and Escape act whatever is held with them (Shift+Tab switches too);
// Ctrl+T only with Ctrl alone, as a menu accelerator would.
constexpr KeyBinding kBindings[] = {
    {kTabKey, std::nullopt, KeyAction::SwitchFocus},
    {kEscapeKey, std::nullopt, KeyAction::Close},
    {u'T', KeyModifiers{.control = true}, KeyAction::ToggleTreePane},
};

bool ModifiersMatch(const KeyBinding& binding, KeyModifiers modifiers)
{
    return !binding.modifiers || *binding.modifiers == modifiers;
}

}  // namespace

KeyAction ActionOfKey(char16_t key, KeyModifiers modifiers)
{
    for (const KeyBinding& binding : kBindings)
        if (binding.key == key && ModifiersMatch(binding, modifiers))
            return binding.action;
    return KeyAction::None;
}

std::vector<KeyAction> ActionsOfHeldKeys(const std::function<bool(char16_t key)>& held, KeyModifiers modifiers)
{
    std::vector<KeyAction> actions;
    for (const KeyBinding& binding : kBindings)
        if (ModifiersMatch(binding, modifiers) && held(binding.key))
            actions.push_back(binding.action);
    return actions;
}

}  // namespace core
