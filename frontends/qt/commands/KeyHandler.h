#pragma once
// The viewer's keys (Tab, Escape, Ctrl+T and the rest of the key table) in
// one handler that every pane is watched by: a key of the table acts before
// the pane or the host's shortcuts see it.
#include "core/commands/ViewerKeys.h"

#include <QObject>

#include <functional>

class QWidget;

namespace qtviewer {

// What the actions do; each says whether it took the key.
class KeyActions {
public:
    virtual ~KeyActions() = default;
    virtual bool SwitchFocus() = 0;
    virtual bool RequestClose() = 0;
    virtual bool ToggleTreePane() = 0;
};

// Focus and the tree's visibility, as the viewer moves them: Tab goes from
// the tree to the page and back (to the page alone while the tree is
// hidden); Ctrl+T hides the tree and gives the page the focus, or shows it
// and gives it the focus. Escape is the host's.
class PaneKeyActions final : public KeyActions {
public:
    // `page` gives the page view that shows now.
    PaneKeyActions(QWidget& tree, std::function<QWidget*()> page) : tree_(tree), page_(std::move(page)) {}
    bool SwitchFocus() override;
    bool RequestClose() override { return false; }
    bool ToggleTreePane() override;

private:
    QWidget& tree_;
    std::function<QWidget*()> page_;
};

class KeyHandler final : public QObject {
public:
    explicit KeyHandler(KeyActions& actions, QObject* parent = nullptr) : QObject(parent), actions_(actions) {}

    // The pane's keys come here first.
    void Watch(QWidget& pane);

    // The key table's name of a Qt key, 0 for a key it does not name.
    static char16_t KeyOf(int qtKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Run(core::KeyAction action);

    KeyActions& actions_;
};

}  // namespace qtviewer
