#pragma once
// The Lister's Print: what the viewer shows, on paper.
#include "core/print/PageLayout.h"

#include <optional>
#include <string>

namespace viewer {

class PrintTarget;
class ViewerWindow;

// What a printout's header says: the shown page's title, or the document's
// file name while the information page shows.
std::wstring PrintTitle(const ViewerWindow& viewer);

// Prints the text pane (a plain or rich page, or the information page) onto
// `target`; the number of pages, or nothing when printing failed.
std::optional<int> PrintTextPane(ViewerWindow& viewer, PrintTarget& target, const std::optional<core::Margins>& margins);

// An HTML page prints through the browser, with its own dialog; anything
// else after the system's print dialog, with `printer` chosen in it. False
// when printing failed; a cancelled dialog is no failure.
bool PrintShownPage(ViewerWindow& viewer, const std::wstring& printer, const std::optional<core::Margins>& margins);

}  // namespace viewer
