#pragma once
// The page tree on the left of the viewer: filled lazily, one level at a
// time, from the model's page tree.
#include "components/Pane_win.h"
#include "platform/win32/Gdi.h"
#include "viewer/PageTreeImages.h"
#include "viewer/TreeHost.h"

#include <commctrl.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <unordered_set>

namespace model {
class CBook;
class CPage;
class PageTree;
}  // namespace model

namespace viewer {

// What each tree item carries; placeholders carry none.
struct TreeItemRecord {
    uint32_t pageId = 0;
    bool container = false;
    HTREEITEM item = nullptr;
    bool ownImage = false;
    COLORREF textColour = 0;
    bool hasColour = false;
};

class PageTreePane : public components::Pane {
public:
    explicit PageTreePane(TreeHost& host);
    ~PageTreePane() override;

    bool Create(const RECT& rect, HWND parent, UINT id);
    // The root page, expanded, with its children; nothing for a book
    // without a root page.
    void FillTree(const model::CBook& book);
    // Selects the page's item, filling and expanding down to it; clears the
    // selection when the page has no item that can be reached.
    void SelectPage(uint32_t pageId);
    // The selected page, or -1.
    int64_t SelectedPageId() const;
    void ExpandAll();
    void CollapseAll();
    // A command of the tree's menu; false when it is none of the pane's.
    bool OnCommand(WORD id);
    const model::CPage* SelectedPage() const;
    // The point a menu asked for from the keyboard opens at: below the
    // selected item, or the pane's corner.
    POINT KeyboardMenuPoint() const;

    bool HasFocus() const { return Hwnd() && GetFocus() == Hwnd(); }
    const model::CBook* Book() const { return book_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    HTREEITEM InsertPageItem(const model::CPage& page, HTREEITEM parent, bool container);
    void FillChildren(HTREEITEM item, uint32_t pageId);
    // Visits the start item and its whole subtree, depth first, children in
    // order; returns the item at which the visitor said stop, or none.
    using Visitor = std::function<bool(HTREEITEM)>;
    HTREEITEM WalkFrom(HTREEITEM start, const Visitor& visit);
    HTREEITEM WalkAll(const Visitor& visit);
    LRESULT OnNotify(NMHDR* header);
    void CopyPage();
    void CopyPageAsPlainText();
    void CopyPageAsRtf();
    void ChooseBackgroundColour();
    void ChooseTextColour();
    void ChooseFont();
    void OnExpanding(const NMTREEVIEWW& info);
    void SetExpanded(HTREEITEM item, bool expanded);
    void ShowFolderState(HTREEITEM item, const TreeItemRecord& record, bool expanded);
    void OnSelectionChanged(const NMTREEVIEWW& info);
    void OnInfoTip(NMTVGETINFOTIPW& tip);
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW& draw);
    TreeItemRecord* RecordOf(HTREEITEM item) const;
    void InsertChildren(HTREEITEM item, const model::CPage& page);
    void AddPlaceholder(HTREEITEM parent);

    TreeHost& treeHost_;  // the pane's host, which also shows pages
    win::Font font_;
    PageTreeImages images_;
    const model::CBook* book_ = nullptr;
    std::unique_ptr<model::PageTree> tree_;
    // Records live as long as the tree's items: items are only ever removed
    // all at once (a new FillTree, or the window going).
    std::deque<TreeItemRecord> records_;
    // Children belong to an identifier, and each identifier's children are
    // inserted once: a page whose identifier was filled already (above it,
    // through a cycle, or elsewhere, through a duplicate) shows no children.
    // So cycles end and the tree never holds more items than the book has
    // pages, as in the model's walk.
    std::unordered_set<uint32_t> filledIds_;
};

}  // namespace viewer
