#pragma once
// Printing the text of a rich edit control page by page, under a header
// with the page's title.
#include "core/print/PageLayout.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace viewer {

class PrintTarget;

// The first character of each page when the control lays its text out on
// `device` inside `bodyTwips`; empty when the control cannot lay out pages
// (it does not move on from a page's start).
std::vector<LONG> RichEditPageStarts(HDC device, HWND edit, const core::Box& bodyTwips);

// Prints the control's text with `title` in each page's header: laid out by
// the control where it can, else as plain text line by line in its default
// font, without what the link passes hide. The number of pages printed, or
// nothing when the device failed.
std::optional<int> PrintRichEdit(PrintTarget& target, HWND edit, const std::wstring& title,
                                 const std::optional<core::Margins>& margins);

}  // namespace viewer
