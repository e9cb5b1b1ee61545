#pragma once
// The link passes over a rich edit control, and what a click on a link does.
#include "frontends/win32/panes/RichTextPane_win.h"

#include <optional>
#include <string>
#include <string_view>

namespace viewer {

// The passes of a shown page: bookmarks and scheme links at once, page links
// and addresses a second later. Each pass reads the text once and sends one
// format change per range, inside an edit batch that leaves nothing on the
// control's undo stack.
class RichTextLinkPasses final : public LinkPasses {
public:
    void AfterShow(HWND edit) override;
    void Delayed(HWND edit) override;
    // Links drawn in this colour; none: in the control's own.
    void SetLinkColour(std::optional<COLORREF> colour) { linkColour_ = colour; }

private:
    std::optional<COLORREF> linkColour_;
};

// What the reader sees of [range) of the control's position text: its units
// without the hidden ones.
std::u16string VisibleText(HWND edit, std::u16string_view text, CHARRANGE range);

// Asks before a doubtful target goes to the shell, where it could start a
// program; the target shows with nothing invisible in it, and No is the
// default.
bool ConfirmOpen(HWND owner, std::u16string_view target);

}  // namespace viewer
