#include "frontends/qt/commands/KeyHandler.h"

#include "platform/Guard.h"

#include <QKeyEvent>
#include <QWidget>

namespace qtviewer {
namespace {

core::KeyModifiers ModifiersOf(Qt::KeyboardModifiers held)
{
    return {.control = held.testFlag(Qt::ControlModifier), .shift = held.testFlag(Qt::ShiftModifier),
            .alt = held.testFlag(Qt::AltModifier)};
}

}  // namespace

void KeyHandler::Watch(QWidget& pane) { pane.installEventFilter(this); }

char16_t KeyHandler::KeyOf(int qtKey)
{
    if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab)  // Shift+Tab arrives as Backtab
        return core::kTabKey;
    if (qtKey == Qt::Key_Escape)
        return core::kEscapeKey;
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<char16_t>(qtKey);  // their ASCII upper case
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return core::FunctionKey(qtKey - Qt::Key_F1 + 1);
    return 0;
}

// A shortcut of the host would take Ctrl+T before the pane saw it: the
// override says the pane wants it.
bool KeyHandler::eventFilter(QObject* watched, QEvent* event)
{
    return platform::Guard(false, [&] { return Filter(event); });
}

bool KeyHandler::Filter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const char16_t named = KeyOf(key->key());
    if (!named)
        return false;
    const core::KeyModifiers modifiers = ModifiersOf(key->modifiers());
    const core::KeyAction action = core::ActionOfKey(named, modifiers);
    if (event->type() == QEvent::ShortcutOverride) {
        const bool claimed = action == core::KeyAction::SwitchFocus || action == core::KeyAction::ToggleTreePane ||
                             (action == core::KeyAction::ToHost && actions_.ClaimsHostKey(named, modifiers));
        if (!claimed)
            return false;
        key->accept();
        return true;
    }
    return Run(action, named, modifiers);
}

bool KeyHandler::Run(core::KeyAction action, char16_t key, core::KeyModifiers modifiers)
{
    switch (action) {
    case core::KeyAction::SwitchFocus: return actions_.SwitchFocus();
    case core::KeyAction::Close: return actions_.RequestClose();
    case core::KeyAction::ToggleTreePane: return actions_.ToggleTreePane();
    case core::KeyAction::ToHost: return actions_.HostKey(key, modifiers);
    case core::KeyAction::None: break;
    }
    return false;
}

}  // namespace qtviewer
