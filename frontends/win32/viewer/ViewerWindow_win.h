#pragma once
// One plug-in window with its document: a child dialog over the Lister
// window holding the page tree and the content pane in a splitter.
#include "core/commands/ViewerKeys.h"
#include "frontends/win32/browser/HtmlPaneHost_win.h"
#include "frontends/win32/tree/TreeHost_win.h"
#include "frontends/win32/viewer/ContentPanes_win.h"
#include "frontends/win32/viewer/TextSettings.h"
#include "frontends/win32/viewer/ViewerMenus_win.h"
#include "frontends/win32/viewer/ViewerSearch_win.h"
#include "platform/win32/Dialog.h"
#include "platform/win32/Gdi.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace viewer {
class HtmlPane;
class RichTextPane;
class Splitter;
}  // namespace viewer
namespace model {
class CBook;
class CPage;
}  // namespace model

namespace viewer {

class PageTreePane;

inline constexpr UINT kTreePaneId = 10;
inline constexpr UINT kRichTextPaneId = 11;
inline constexpr UINT kHtmlPaneId = 12;
inline constexpr UINT kSplitterId = 13;

class ViewerWindow : public win::Dialog, public TreeHost, public HtmlPaneHost {
public:
    explicit ViewerWindow(bool embedded);
    ~ViewerWindow() override;

    // Opens the document and builds the window inside the Lister window;
    // the window, or nullptr.
    HWND Load(HWND lister, const std::filesystem::path& file);
    // Opens the document and shows it in the window built by Load, in place
    // of the one it shows: the panes, their sizes and settings stay. False,
    // with the window as it was, when there is no window or the document
    // cannot be opened.
    bool LoadNext(HWND lister, const std::filesystem::path& file);
    // Destroys the window and the panes; the book stays until the next
    // Load or the viewer's end.
    void Close();
    void Copy();
    void SelectAll();
    void SetWordWrap(bool wrap);
    // The host's dark look (and whether the system draws its controls dark),
    // on a window being shown or before the next load: colours change and
    // everything is drawn again, nothing is loaded again.
    void SetDarkMode(bool dark, bool native);
    bool IsDark() const { return dark_; }
    bool IsNativeDark() const { return nativeDark_; }
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
    // In a file manager's panel rather than a Lister window of its own; see Load.
    bool IsQuickView() const { return quickView_; }
    ViewerMenus& Menus() { return menus_; }
    // The document shown, and its file; null before the first load.
    const model::CBook* Book() const { return book_.get(); }
    const std::filesystem::path& File() const { return file_; }
    PageTreePane* Tree() const { return tree_.get(); }
    RichTextPane* TextPane() const { return content_.Text(); }
    // Made when the first HTML page or web archive is shown.
    HtmlPane* HtmlPagePane() const { return content_.Html(); }

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool BuildWindow(HWND lister);
    // The opened book into the panes of the open window; nothing of the one
    // before stays.
    void ShowBook(std::unique_ptr<model::CBook> book);
    std::unique_ptr<model::CBook> OpenBook(HWND lister, const std::filesystem::path& file);
    // True when the key was consumed.
    bool RunKeyAction(core::KeyAction action, UINT virtualKey);
    core::ViewerPlace Place() const;
    void ApplyLook();
    void ApplyDpi(int dpi);
    void ApplyControlTheme(HWND control);

    std::filesystem::path file_;
    bool embedded_;
    bool quickView_ = false;
    HWND focusPane_ = nullptr;
    bool dark_ = false;
    bool nativeDark_ = false;
    bool themeChanged_ = false;  // the controls were ever given the dark theme
    int dpi_ = 96;
    win::Brush background_;
    TextSettings textSettings_;
    std::unique_ptr<PageTreePane> tree_;
    ContentPanes content_{*this, *this, textSettings_};
    std::unique_ptr<Splitter> splitter_;
    std::unique_ptr<model::CBook> book_;
    ViewerMenus menus_{*this};
    ViewerSearch search_{*this};
};

}  // namespace viewer
