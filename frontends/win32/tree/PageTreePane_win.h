#pragma once
// The page tree on the left of the viewer: the model's outline in a tree
// control, its levels inserted as the outline opens them.
#include "core/panes/ColourScheme.h"
#include "frontends/win32/panes/Pane_win.h"
#include "frontends/win32/tree/PageTreeImages_win.h"
#include "frontends/win32/tree/TreeHost_win.h"
#include "platform/win32/Gdi.h"

#include <commctrl.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace model {
class CBook;
class CPage;
class Outline;
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

// What the pane keeps beside each node of the outline, so that walks read
// these records instead of asking the control (on some platforms every query
// naming an item costs a search through all items). A node can exist before
// its item: the outline makes a level's nodes first and the items go in when
// the level is shown. Placeholders have no record.
struct TreeItemRecord {
    bool ownImage = false;
    bool hasColour = false;
    bool shownOpen = false;  // its image is the open folder's
    COLORREF textColour = 0;
    HTREEITEM item = nullptr;
    HTREEITEM placeholder = nullptr;  // gives the button until shown
};

class PageTreePane : public Pane {
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
    // Expand All stops short of this many items in the control (closing a
    // tree frees its items one at a time, on some systems each after a
    // search through all of them); tests choose a small number.
    void SetExpandAllLimit(size_t items) { expandAllLimit_ = items; }
    // A command of the tree's menu; false when it is none of the pane's.
    bool OnCommand(WORD id);
    const model::CPage* SelectedPage() const;
    // The selected page as the Copy command puts it: RTF for rich text, text
    // otherwise; a beep when no page is selected or the clipboard refuses it.
    void CopyPage();
    // The point a menu asked for from the keyboard opens at: below the
    // selected item, or the pane's corner.
    POINT KeyboardMenuPoint() const;

    // Colours from the look; in a dark one, label colours too close to the
    // background are made readable.
    void ApplyLook(const core::ColourScheme& scheme);
    // Images and the default font at the window's resolution.
    void ApplyDpi(int dpi);

    bool HasFocus() const { return Hwnd() && GetFocus() == Hwnd(); }
    const model::CBook* Book() const { return book_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The record beside an outline node, made when first asked for.
    TreeItemRecord& Record(uint32_t index);
    // Inserts the items of a node's children, once, after making their nodes.
    void ShowChildren(uint32_t index, bool childrenFollow = false);
    void InsertChildren(uint32_t index, bool childrenFollow);
    std::vector<uint32_t> ShowLevels(uint32_t start);
    void OnFilled(uint32_t index);
    void InsertItem(uint32_t index, uint32_t defaultColour, bool childrenFollow);
    void AddPlaceholder(TreeItemRecord& record);
    void DropPlaceholder(TreeItemRecord& record);
    uint32_t TextColour() const;
    LRESULT Control(UINT msg, WPARAM wParam, LPARAM lParam);
    // The node of an item, from the item's data: one query of the control.
    uint32_t IndexOf(HTREEITEM item) const;
    // A node's index travels in its item's data, plus one: placeholders carry 0.
    static LPARAM ItemData(uint32_t index) { return static_cast<LPARAM>(index) + 1; }
    uint32_t IndexOfData(LPARAM data) const;
    bool OnPaneKey(WPARAM key) override;
    LRESULT OnNotify(NMHDR* header);
    void CopyPageAsPlainText();
    void CopyPageAsRtf();
    void ChooseBackgroundColour();
    void ChooseTextColour();
    void ChooseFont();
    void OnExpanding(const NMTREEVIEWW& info);
    void SetExpanded(uint32_t index, bool expanded);
    void ShowFolderState(uint32_t index, bool expanded);
    void OnSelectionChanged(const NMTREEVIEWW& info);
    void OnInfoTip(NMTVGETINFOTIPW& tip);
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW& draw);

    TreeHost& treeHost_;  // the pane's host, which also shows pages
    win::Font font_;
    PageTreeImages images_;
    const model::CBook* book_ = nullptr;
    std::unique_ptr<model::PageTree> tree_;
    std::unique_ptr<model::Outline> outline_;  // which pages show where
    // One per outline node made so far, by index. Records live as long as
    // the tree's items: items are only ever removed all at once (a new
    // FillTree, or the window going). A deque, so that references to
    // records stay valid while more are added.
    std::deque<TreeItemRecord> records_;
    int quietDepth_ = 0;  // nesting of QuietTree scopes
    // A hundred thousand items take about a second to close there, a
    // million minutes.
    size_t expandAllLimit_ = 100000;
    WNDPROC controlProc_ = nullptr;
    bool readableLabels_ = false;
    COLORREF paintBackground_ = 0;  // read as each painting starts
    int fontDpi_ = 0;
};

}  // namespace viewer
