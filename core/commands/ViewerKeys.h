#pragma once
// The keys the viewer takes before any pane sees them, in one table for
// every front end: a front end names the key pressed and the modifiers held
// and runs the action it gets back. Keys the viewer has no use for that the
// host binds are handed to the host.
#include <functional>
#include <vector>

namespace core {

// Letters and digits are named by their upper-case ASCII character,
// function keys by FunctionKey(n).
inline constexpr char16_t kTabKey = u'\t';
inline constexpr char16_t kEscapeKey = u'\x1B';
constexpr char16_t FunctionKey(int n) { return static_cast<char16_t>(0xE000 + n); }

struct KeyModifiers {
    bool control = false;
    bool shift = false;
    bool alt = false;
    bool operator==(const KeyModifiers&) const = default;
};

// Where the viewer lives: a Lister window of its own, or a file manager's
// panel (Quick View), where the file list keeps the keyboard until the user
// clicks into the viewer and gets it back with Tab or Escape.
enum class ViewerPlace { ListerWindow, QuickView };

// ToHost: the host's key, which the front end hands to the host's window.
enum class KeyAction { None, SwitchFocus, Close, ToggleTreePane, ToHost };

// What the key does when pressed with these modifiers; None for a key the
// viewer leaves to the pane.
KeyAction ActionOfKey(char16_t key, KeyModifiers modifiers, ViewerPlace place = ViewerPlace::ListerWindow);

// For a key event that does not say which key it was, only which keys are
// held down: the key and action of every binding whose key is held with its
// modifiers, in the table's order.
struct KeyPress {
    char16_t key;
    KeyAction action;
    bool operator==(const KeyPress&) const = default;
};
std::vector<KeyPress> ActionsOfHeldKeys(const std::function<bool(char16_t key)>& held, KeyModifiers modifiers,
                                        ViewerPlace place = ViewerPlace::ListerWindow);

}  // namespace core
