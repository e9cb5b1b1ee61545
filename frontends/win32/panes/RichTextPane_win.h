#pragma once
// The read-only rich edit pane on the right of the viewer.
#include "core/settings/TextPaneSettings.h"
#include "frontends/win32/panes/Pane_win.h"

#include <richedit.h>

#include <memory>
#include <optional>
#include <string>

namespace model {
class CPage;
}

namespace viewer {

// The link passes run over a page once it is shown; the first two at once,
// the delayed one a second later (after a quick change of page, only for
// the page shown last).
class LinkPasses {
public:
    virtual ~LinkPasses() = default;
    virtual void AfterShow(HWND edit) = 0;
    virtual void Delayed(HWND edit) = 0;
};

class RichTextLinkPasses;

class RichTextPane : public Pane {
public:
    RichTextPane(PaneHost& host, core::TextPaneSettings& settings);
    ~RichTextPane() override;

    bool Create(const RECT& rect, HWND parent, UINT id);
    const std::wstring& ClassName() const { return className_; }
    // The passes run over every page shown; tests put in their own.
    void SetLinkPasses(LinkPasses* passes) { passes_ = passes; }
    // Runs the delayed passes now when they are still due, so that a search
    // sees the page as the reader will.
    void RunPendingPasses();
    // The link under the last right click, for "Copy URL"; (-1, -1) when none.
    CHARRANGE LinkRange() const { return linkRange_; }

    // Replaces the content with the page's text and places the caret.
    void ShowPage(const model::CPage& page);
    // Leaves the pane empty, with no pass over the page shown before still
    // to come.
    void Clear();
    // The look's colours (the settings say which) on the pane and, with
    // recolourText, on shown text without colours of its own; a page takes
    // them fully only when shown again.
    void ApplyLook(bool recolourText);
    // Shows the page again, keeping the selection and the scroll position.
    void ShowPageAgain(const model::CPage& page);
    // Replaces the whole content with plain text in the pane's base font.
    bool SetPlainText(std::u16string_view text);
    // Centres every paragraph and leaves nothing selected.
    void CentreAll();
    std::wstring Text() const;
    // The text as character positions count it: a paragraph ends in one "\r".
    std::u16string PositionText() const;
    CHARRANGE Selection() const;
    // Selects the range and scrolls it into view.
    void SelectAndShow(LONG start, LONG end);
    bool IsPlainTextPage() const { return plainText_; }
    COLORREF BackgroundColour() const { return background_; }
    bool IsVisible() const { return Hwnd() && IsWindowVisible(Hwnd()); }

    void SelectAll();
    void SetWordWrap(bool wrap);
    bool HasSelection() const;
    bool CopyAsRtf();
    bool CopyAsPlainText();
    bool CopyLink();
    // The remembered link is the menu's until it closes.
    void ForgetLink() { linkRange_ = {-1, -1}; }
    // Posted to the pane after a menu command, it closes any menu still open.
    void SetMenuEndMessage(UINT message) { menuEndMessage_ = message; }
    // Below the caret, where a menu asked for from the keyboard opens.
    POINT KeyboardMenuPoint() const;
    void ChooseBackgroundColour();
    void ChooseTextColour();
    void ChooseFont();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnPaneKey(WPARAM key) override;

private:
    void AfterCreate();
    // Leaves the control empty, by making a new one when emptying this one
    // would take long.
    void Empty();
    bool ReplaceControl();
    void DestroyRetired();
    // The page's text in the pane's fonts and colour: set on the empty
    // control before the text streams in, the text takes it at once.
    void PrepareFormat(const model::CPage& page);
    void ApplyTextColour();
    void ApplyFormat(const CHARFORMATW& format, WPARAM scope);
    void PlaceCaret(const model::CPage& page);
    bool OnCommand(WORD id);
    LRESULT OnLink(const ENLINK& link);
    bool ActivateLink(const CHARRANGE& range);

    core::TextPaneSettings& settings_;
    bool plainText_ = false;
    bool richShown_ = false;
    COLORREF background_;
    HMODULE library_ = nullptr;
    HMODULE oldLibrary_ = nullptr;
    std::wstring className_;
    // What plain text looks like until the user picks a font.
    CHARFORMATW baseFormat_{};
    // What a new control must be told again.
    std::optional<bool> wordWrap_;
    std::optional<CHARFORMATW> chosenDefault_;
    HWND retired_ = nullptr;  // a replaced control, hidden until it can go
    std::unique_ptr<RichTextLinkPasses> ownPasses_;
    LinkPasses* passes_ = nullptr;
    CHARRANGE linkRange_{-1, -1};
    UINT menuEndMessage_ = 0;
};

}  // namespace viewer
