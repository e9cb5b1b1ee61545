#pragma once
// What a viewer widget does beyond showing pages: the keys, the links of a
// shown page, the host's search, both context menus and their commands.
// One object per viewer, a child of it; each piece is its own class.
#include "frontends/qt/commands/ContextMenus.h"
#include "frontends/qt/commands/KeyHandler.h"
#include "frontends/qt/commands/ViewerCommands.h"
#include "frontends/qt/links/PageLinks.h"
#include "frontends/qt/search/PageSearch.h"
#include "frontends/qt/search/SearchDialog.h"

#include <QObject>

#include <memory>
#include <optional>

class QDialog;
class QPoint;

namespace qtviewer {

class LinkClicks;
class LinkOpener;
class LookDialogs;
class MenuTracker;
class ViewerWidget;

class ViewerFeatures final : public QObject, KeyActions, ViewerCommandTarget, SearchPages {
public:
    explicit ViewerFeatures(ViewerWidget& viewer);
    ~ViewerFeatures() override;

    bool Search(std::u16string_view pattern, int hostFlags);
    // The tree's colours and font from the settings.
    void ApplyTreeLook();
    // The tree's Copy: the selected page, rich pages as their RTF.
    void CopySelectedPage();

    // Seams for tests.
    void SetDesktop(LinkOpener& desktop);
    void SetMenuTracker(MenuTracker& tracker) { tracker_ = &tracker; }
    void SetLookDialogs(LookDialogs& dialogs) { dialogs_ = &dialogs; }
    // The menu of the tree or of a page view, at a point of its viewport.
    void ShowMenu(QWidget& pane, QPoint point);

private:
    // KeyActions
    bool SwitchFocus() override;
    bool RequestClose() override;
    bool ToggleTreePane() override;
    bool ClaimsHostKey(char16_t key, core::KeyModifiers modifiers) override;
    bool HostKey(char16_t key, core::KeyModifiers modifiers) override;
    // ViewerCommandTarget
    void SelectPage(uint32_t pageId) override;
    QString DocumentPath() const override;
    QString HeadingTitle() const override;
    QWidget* Owner() override;
    // SearchPages
    const model::CPage* ShownPage() const override;
    QWidget* ShownTextView() override;
    void ShowPage(const model::CPage& page) override;

    void PageShown();
    void OpenSearchDialog();
    void ReturnKeyboardOnClose(QDialog& dialog);
    bool RunSearch(std::u16string_view pattern, int hostFlags);
    void SearchForUser(const SearchRequest& request, int hostFlags);
    MenuRequest RequestFor(QWidget& pane, const std::optional<ShownLink>& link) const;
    void RunPaneCommand(bool tree, int command, const ShownLink* link);
    void CopyPage(int command);
    void CopySelectionAsText();

    ViewerWidget& viewer_;
    KeyHandler keys_;
    PageLinks richLinks_;
    PageLinks plainLinks_;
    LinkClicks* richClicks_;
    LinkClicks* plainClicks_;
    LinkOpener* desktop_;
    MenuTracker* tracker_;
    LookDialogs* dialogs_;
    std::unique_ptr<PageSearch> search_;  // per document, made by the first search
    // The search of the viewer's own dialog while it is the last one: F3
    // and Shift+F3 go on with it, not with the host's.
    std::optional<SearchRequest> ownSearch_;
};

}  // namespace qtviewer
