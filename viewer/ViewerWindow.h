#pragma once
// One plug-in window with its document: a child dialog over the Lister
// window holding the page tree and the content pane in a splitter.
#include "components/PaneHost.h"
#include "platform/win32/Dialog.h"

#include <memory>
#include <string>

namespace components {
class RichTextPane;
class Splitter;
}  // namespace components
namespace model {
class CBook;
}

namespace viewer {

class PageTreePane;

inline constexpr UINT kTreePaneId = 10;
inline constexpr UINT kRichTextPaneId = 11;
inline constexpr UINT kHtmlPaneId = 12;
inline constexpr UINT kSplitterId = 13;

class ViewerWindow : public win::Dialog, public components::PaneHost {
public:
    explicit ViewerWindow(bool embedded);
    ~ViewerWindow() override;

    // Opens the document and builds the window inside the Lister window;
    // the window, or nullptr.
    HWND Load(HWND lister, const std::u16string& fileName);
    void DestroyWindow();
    void Copy();
    void SelectAll();
    void SetWordWrap(bool wrap);

    bool HandleKey(UINT key, LPARAM keyData) override;
    void SetFocusPane(HWND pane) override;
    void SwitchFocus();
    bool RequestClose();
    void ToggleTreePane();
    HWND VisibleContentPane() const;
    bool IsEmbedded() const { return embedded_; }

protected:
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool BuildWindow(HWND lister);
    void ReleaseWindow();

    std::wstring fileName_;
    HACCEL accelerators_ = nullptr;
    bool embedded_;
    HWND focusPane_ = nullptr;
    std::unique_ptr<PageTreePane> tree_;
    std::unique_ptr<components::RichTextPane> text_;
    std::unique_ptr<components::Splitter> splitter_;
    std::unique_ptr<model::CBook> book_;
};

// True when the last four characters are ".vnb", in any case.
bool IsDocumentName(const std::u16string& fileName);

}  // namespace viewer
