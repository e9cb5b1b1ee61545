#pragma once
// The page tree on the left of the viewer: the tree control, its messages
// and commands, over the map of the shown book's outline to its items.
#include "core/panes/ColourScheme.h"
#include "frontends/win32/panes/Pane_win.h"
#include "frontends/win32/tree/PageTreeImages_win.h"
#include "frontends/win32/tree/TreeControl_win.h"
#include "frontends/win32/tree/TreeHost_win.h"
#include "platform/win32/Gdi.h"

#include <commctrl.h>

#include <cstdint>
#include <memory>

namespace model {
class CBook;
class CPage;
}  // namespace model

namespace viewer {

class TreeItemMap;

class PageTreePane : public Pane {
public:
    explicit PageTreePane(TreeHost& host);
    ~PageTreePane() override;

    bool Create(const RECT& rect, HWND parent, UINT id);
    // The root page, expanded, with its children; nothing for a book
    // without a root page. The items of a book shown before go first.
    void FillTree(const model::CBook& book);
    // Removes every item and forgets the book: call it before the book goes.
    void Clear();
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
    const model::CBook* Book() const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The selected item's node, or TreeItemMap::kNone.
    uint32_t SelectedIndex() const;
    bool OnPaneKey(WPARAM key) override;
    LRESULT OnNotify(NMHDR* header);
    void CopyPageAsPlainText();
    void CopyPageAsRtf();
    void ChooseBackgroundColour();
    void ChooseTextColour();
    void ChooseFont();
    void OnExpanding(const NMTREEVIEWW& info);
    void OnSelectionChanged(const NMTREEVIEWW& info);
    void OnInfoTip(NMTVGETINFOTIPW& tip);
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW& draw);

    TreeHost& treeHost_;  // the pane's host, which also shows pages
    win::Font font_;
    PageTreeImages images_;
    TreeControl control_;
    std::unique_ptr<TreeItemMap> items_;  // the shown book's, while there is one
    bool clearing_ = false;               // the items are being removed
    // A hundred thousand items take about a second to close there, a
    // million minutes.
    size_t expandAllLimit_ = 100000;
    bool readableLabels_ = false;
    COLORREF paintBackground_ = 0;  // read as each painting starts
    int fontDpi_ = 0;
};

}  // namespace viewer
