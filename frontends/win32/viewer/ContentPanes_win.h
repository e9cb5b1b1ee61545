#pragma once
// The content pane: the rich text pane, or the browser for HTML pages and
// web archives, made when the first of those is shown. Both sit in the
// same place; the hidden one follows the visible one.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

namespace core {
class TextPaneSettings;
}  // namespace core
namespace model {
class CBook;
class CPage;
}  // namespace model

namespace viewer {

class HtmlPane;
class HtmlPaneHost;
class PaneHost;
class RichTextPane;
class Splitter;

class ContentPanes {
public:
    ContentPanes(PaneHost& textHost, HtmlPaneHost& htmlHost, core::TextPaneSettings& settings);
    ~ContentPanes();
    ContentPanes(const ContentPanes&) = delete;
    ContentPanes& operator=(const ContentPanes&) = delete;

    // Makes the rich text pane; false when it cannot be made.
    bool Create(const RECT& rect, HWND parent, UINT id);
    // The splitter the panes sit in, once it exists; it is told which pane
    // shows, and the browser is made inside it.
    void SetSplitter(Splitter* splitter) { splitter_ = splitter; }

    // An HTML page or web archive goes to the browser where it can take it;
    // every other page, and those, shows as text.
    void Show(const model::CPage& page);
    // The browser's late word on the page it was given, which is still the
    // page shown unless the user moved on.
    void HtmlPageShown(bool shown, const model::CBook& book);
    // The page in the content pane, if any; none after Forget.
    std::optional<uint32_t> ShownPageId() const { return shownPageId_; }
    void Forget() { shownPageId_.reset(); }

    HWND Visible() const;
    void ShowPane(HWND pane);
    // After every layout of the splitter, which moves only the visible pane.
    void PlaceHidden();
    // The text pane swapped its control for a new one.
    void PaneReplaced(HWND fresh);

    // The browser closes while its window still exists; its page file goes
    // with it. The text pane goes after the windows.
    void CloseBrowser();
    void Release();

    RichTextPane* Text() const { return text_.get(); }
    // Made when the first HTML page or web archive is shown.
    HtmlPane* Html() const { return html_.get(); }

private:
    bool EnsureHtmlPane();
    bool ShowInBrowser(const model::CPage& page);

    PaneHost& textHost_;
    HtmlPaneHost& htmlHost_;
    core::TextPaneSettings& settings_;
    Splitter* splitter_ = nullptr;
    std::unique_ptr<RichTextPane> text_;
    std::unique_ptr<HtmlPane> html_;
    bool htmlUnavailable_ = false;  // the browser control could not be made
    std::optional<uint32_t> shownPageId_;
};

}  // namespace viewer
