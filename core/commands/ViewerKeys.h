#pragma once
// The keys the viewer takes before any pane sees them, in one table for
// every front end: a front end names the key pressed and the modifiers held
// and runs the action it gets back.
#include <functional>
#include <vector>

namespace core {

// Letters and digits are named by their upper-case ASCII character.
inline constexpr char16_t kTabKey = u'\t';
inline constexpr char16_t kEscapeKey = u'\x1B';

struct KeyModifiers {
    bool control = false;
    bool shift = false;
    bool alt = false;
    bool operator==(const KeyModifiers&) const = default;
};

enum class KeyAction { None, SwitchFocus, Close, ToggleTreePane };

// What the key does when pressed with these modifiers; None for a key the
// viewer leaves to the pane.
KeyAction ActionOfKey(char16_t key, KeyModifiers modifiers);

// For a key event that does not say which key it was, only which keys are
// held down: the action of every binding whose key is held with its
// modifiers, in the table's order.
std::vector<KeyAction> ActionsOfHeldKeys(const std::function<bool(char16_t key)>& held, KeyModifiers modifiers);

}  // namespace core
