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

// Turns the tree's drawing off for a scope, with the wait cursor; nested
// scopes leave it to the outermost.
class QuietTree {
public:
    QuietTree(HWND tree, int& depth);
    ~QuietTree();
    QuietTree(const QuietTree&) = delete;
    QuietTree& operator=(const QuietTree&) = delete;

private:
    HWND tree_;
    int& depth_;
    HCURSOR previousCursor_ = nullptr;
};

// What the pane keeps of each item, so that walks read these records
// instead of asking the control (on some platforms every query naming an
// item costs a search through all items). A record can exist before its item:
// walks make the records of a level first and insert the items when the
// level is shown. Placeholders have no record. Links are indexes into the
// pane's records; a level's children are stored together, in order.
struct TreeItemRecord {
    static constexpr uint32_t kNone = UINT32_MAX;

    const model::CPage* page = nullptr;
    bool container = false;
    bool ownImage = false;
    bool hasColour = false;
    bool filled = false;     // its children have records (or it gets none)
    bool shown = false;      // its children's records have items
    bool shownOpen = false;  // its image is the open folder's
    COLORREF textColour = 0;
    HTREEITEM item = nullptr;
    HTREEITEM placeholder = nullptr;  // gives the button until shown
    uint32_t parent = kNone;
    uint32_t firstChild = kNone;
    uint32_t childCount = 0;
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
    // The selected page as the Copy command puts it: RTF for rich text, text
    // otherwise; a beep when no page is selected or the clipboard refuses it.
    void CopyPage();
    // The point a menu asked for from the keyboard opens at: below the
    // selected item, or the pane's corner.
    POINT KeyboardMenuPoint() const;

    bool HasFocus() const { return Hwnd() && GetFocus() == Hwnd(); }
    const model::CBook* Book() const { return book_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    uint32_t AddRecord(const model::CPage& page, uint32_t parent, bool container);
    // Makes the records of the children of a record's page, once; the
    // identifier's children go to the first record filled with it.
    void AddChildren(uint32_t index);
    // Inserts the items of a record's children, after making their records.
    void ShowChildren(uint32_t index, bool childrenFollow = false);
    void InsertItem(uint32_t index, uint32_t defaultColour, bool childrenFollow);
    void AddPlaceholder(TreeItemRecord& record);
    void DropPlaceholder(TreeItemRecord& record);
    uint32_t TextColour() const;
    LRESULT Control(UINT msg, WPARAM wParam, LPARAM lParam);
    // Visits the record and its whole subtree, depth first, children in
    // order, records without items too; returns the record at which the
    // visitor said stop, or kNone. Children are read after the visit, which
    // may make them.
    using Visitor = std::function<bool(uint32_t)>;
    uint32_t WalkFrom(uint32_t start, const Visitor& visit);
    // The record of an item, from the item's data: one query of the control.
    uint32_t IndexOf(HTREEITEM item) const;
    TreeItemRecord* RecordOf(HTREEITEM item);
    const TreeItemRecord* RecordOf(HTREEITEM item) const;
    // A record's index travels in its item's data, plus one: placeholders carry 0.
    static LPARAM ItemData(uint32_t index) { return static_cast<LPARAM>(index) + 1; }
    static uint32_t IndexOfData(LPARAM data)
    {
        return data > 0 ? static_cast<uint32_t>(data - 1) : TreeItemRecord::kNone;
    }
    bool OnPaneKey(WPARAM key) override;
    LRESULT OnNotify(NMHDR* header);
    void CopyPageAsPlainText();
    void CopyPageAsRtf();
    void ChooseBackgroundColour();
    void ChooseTextColour();
    void ChooseFont();
    void OnExpanding(const NMTREEVIEWW& info);
    void SetExpanded(TreeItemRecord& record, bool expanded);
    void ShowFolderState(TreeItemRecord& record, bool expanded);
    void OnSelectionChanged(const NMTREEVIEWW& info);
    void OnInfoTip(NMTVGETINFOTIPW& tip);
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW& draw);

    TreeHost& treeHost_;  // the pane's host, which also shows pages
    win::Font font_;
    PageTreeImages images_;
    const model::CBook* book_ = nullptr;
    std::unique_ptr<model::PageTree> tree_;
    // Records live as long as the tree's items: items are only ever removed
    // all at once (a new FillTree, or the window going). A deque, so that
    // references to records stay valid while children are added.
    std::deque<TreeItemRecord> records_;
    int quietDepth_ = 0;  // nesting of QuietTree scopes
    WNDPROC controlProc_ = nullptr;
    // Children belong to an identifier, and each identifier's children get
    // records once: a page whose identifier was filled already (above it,
    // through a cycle, or elsewhere, through a duplicate) shows no children.
    // So cycles end and the tree never holds more items than the book has
    // pages, as in the model's walk.
    std::unordered_set<uint32_t> filledIds_;
};

}  // namespace viewer
