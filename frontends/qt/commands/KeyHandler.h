#pragma once
// The viewer's keys (Tab, Escape, Ctrl+T and the rest of the key table) in
// one handler that every pane is watched by: a key of the table acts before
// the pane or the host's shortcuts see it.
#include "core/commands/ViewerKeys.h"

#include <QObject>

class QWidget;

namespace qtviewer {

// What the actions do; each says whether it took the key (Escape is the
// host's to close with inside a file manager).
// The host's keys: the host's shortcuts take the ones its menus carry
// unless the viewer claims the key first (ClaimsHostKey); the viewer may do
// the work of a key that reaches it (HostKey).
class KeyActions {
public:
    virtual ~KeyActions() = default;
    virtual bool SwitchFocus() = 0;
    virtual bool RequestClose() = 0;
    virtual bool ToggleTreePane() = 0;
    virtual bool ClaimsHostKey(char16_t key, core::KeyModifiers modifiers) = 0;
    virtual bool HostKey(char16_t key, core::KeyModifiers modifiers) = 0;
};

class KeyHandler final : public QObject {
public:
    explicit KeyHandler(KeyActions& actions, QObject* parent = nullptr) : QObject(parent), actions_(actions) {}

    // The pane's keys come here first.
    void Watch(QWidget& pane);

    // The key table's name of a Qt key, 0 for a key it does not name.
    static char16_t KeyOf(int qtKey);

protected:
    // Runs guarded: the host's event loop calls it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Filter(QEvent* event);
    bool Run(core::KeyAction action, char16_t key, core::KeyModifiers modifiers);

    KeyActions& actions_;
};

}  // namespace qtviewer
