#pragma once
// The link passes over a rich edit control, and what a click on a link does.
#include "components/RichTextPane_win.h"

#include <string>

namespace components {

// The passes of a shown page: bookmarks and scheme links at once, page links
// and addresses a second later. Each pass reads the text once and sends one
// format change per range, inside an edit batch.
class RichTextLinkPasses final : public LinkPasses {
public:
    void AfterShow(HWND edit) override;
    void Delayed(HWND edit) override;
};

// Asks before a target that is no web or mail address goes to the shell,
// where it could start a program; No is the default.
bool ConfirmOpen(HWND owner, const std::wstring& target);

}  // namespace components
