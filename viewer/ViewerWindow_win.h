#pragma once
// One plug-in window with its document: a child dialog over the Lister
// window holding the page tree and the content pane in a splitter.
#include "components/HtmlPaneHost_win.h"
#include "platform/win32/Dialog.h"
#include "viewer/TextSettings.h"
#include "viewer/TreeHost_win.h"
#include "viewer/ViewerKeys.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace components {
class BookSearch;
class HtmlPane;
class RichTextPane;
class Splitter;
}  // namespace components
namespace model {
class CBook;
class CPage;
}  // namespace model

namespace viewer {

class PageTreePane;
struct MenuState;

// Shows a popup menu and returns the command chosen, 0 for none; tests
// choose without a user.
class MenuTracker {
public:
    virtual ~MenuTracker() = default;
    virtual UINT Track(HMENU popup, HWND owner, POINT at) = 0;
};
MenuTracker& SystemMenuTracker();

inline constexpr UINT kTreePaneId = 10;
inline constexpr UINT kRichTextPaneId = 11;
inline constexpr UINT kHtmlPaneId = 12;
inline constexpr UINT kSplitterId = 13;

class ViewerWindow : public win::Dialog, public TreeHost, public components::HtmlPaneHost {
public:
    explicit ViewerWindow(bool embedded);
    ~ViewerWindow() override;

    // Opens the document and builds the window inside the Lister window;
    // the window, or nullptr.
    HWND Load(HWND lister, const std::filesystem::path& file);
    // Destroys the window and the panes; the book stays until the next
    // Load or the viewer's end.
    void Close();
    void Copy();
    void SelectAll();
    void SetWordWrap(bool wrap);
    // The host's search with its flags; true when a match is selected.
    bool Search(std::u16string_view pattern, int hostFlags);

    bool HandleKey(UINT key) override;
    void HandleHeldKeys() override;
    void SetFocusPane(HWND pane) override;
    void ContextMenu(HWND pane, POINT screen) override;
    void DisplayPage(uint32_t pageId, bool container, bool focusTree) override;
    void ShowContentPane(HWND pane);
    void HtmlPageShown(bool shown) override;
    // Shows and selects a page named by a link; false when the book does not
    // hold it.
    bool OpenPageLink(uint32_t pageId) override;
    void PaneReplaced(HWND old, HWND fresh) override;
    void SwitchFocus();
    // True when a close was asked of the Lister.
    bool RequestClose();
    void ToggleTreePane();
    HWND VisibleContentPane() const;
    // The page in the content pane; null while it shows the document's
    // information.
    const model::CPage* ShownPage() const;
    bool IsEmbedded() const { return embedded_; }
    void SetMenuTracker(MenuTracker* tracker) { tracker_ = tracker ? tracker : &SystemMenuTracker(); }
    // The commands of the menus that belong to the viewer; true when taken.
    bool DispatchMenuCommand(int command);
    PageTreePane* Tree() const { return tree_.get(); }
    components::RichTextPane* TextPane() const { return text_.get(); }
    // Made when the first HTML page or web archive is shown.
    components::HtmlPane* HtmlPagePane() const { return html_.get(); }

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool BuildWindow(HWND lister);
    // True when the key was consumed.
    bool RunKeyAction(KeyAction action);
    bool EnsureHtmlPane();
    bool ShowInBrowser(const model::CPage& page);
    void PlaceHiddenContentPane();
    void ShowTreeMenu(POINT screen);
    void ShowTextMenu(POINT screen);
    void AppendFavourites(HMENU popup) const;
    MenuState CurrentMenuState() const;
    void RunMenuCommand(int command, HWND pane);
    void EditDocument();
    void SendBugReport();

    std::filesystem::path file_;
    bool embedded_;
    HWND focusPane_ = nullptr;
    TextSettings textSettings_;
    std::unique_ptr<PageTreePane> tree_;
    std::unique_ptr<components::RichTextPane> text_;
    std::unique_ptr<components::HtmlPane> html_;
    bool htmlUnavailable_ = false;  // the browser control could not be made
    std::unique_ptr<components::Splitter> splitter_;
    std::unique_ptr<model::CBook> book_;
    std::optional<uint32_t> shownPageId_;  // the page in the content pane, if any
    std::unique_ptr<components::BookSearch> search_;  // made by the first search
    MenuTracker* tracker_ = &SystemMenuTracker();
    std::optional<POINT> lastTextMenuPoint_;
};

}  // namespace viewer
