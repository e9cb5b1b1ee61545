#pragma once
// The menu commands that belong to the viewer rather than to a pane: the
// language, the tree pane, a favourite, editing the document and the bug
// report. The rest go to the pane the menu belongs to.
#include "core/settings/SettingsRecord.h"

#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace model {
class CBook;
}  // namespace model

namespace qtviewer {

class LinkOpener;
class MenuLanguages;

class ViewerCommandTarget {
public:
    virtual ~ViewerCommandTarget() = default;
    virtual bool ToggleTreePane() = 0;
    // Selects the page in the tree, which shows it.
    virtual void SelectPage(uint32_t pageId) = 0;
    virtual QString DocumentPath() const = 0;
    // The information page's first line.
    virtual QString HeadingTitle() const = 0;
    virtual QWidget* Owner() = 0;
};

struct ViewerCommandContext {
    const model::CBook& book;
    MenuLanguages& languages;
    core::SettingsRecord& settings;
    std::function<void()> save;
    LinkOpener& desktop;
};

// True when the command was the viewer's.
bool RunViewerCommand(int command, const ViewerCommandContext& context, ViewerCommandTarget& target);

}  // namespace qtviewer
