#pragma once
// Moving text in and out of a rich edit control through EM_STREAMIN and
// EM_STREAMOUT.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace viewer {

// Raises the control's text limit so that long pages stream in whole.
void RaiseTextLimit(HWND edit, size_t byteCount);

// Replaces the whole content; true when the control took the stream.
bool StreamInPlainText(HWND edit, std::u16string_view text);
// Replaces the whole content with RTF: as UTF-16 first, then, when the
// control refuses that, as 7-bit RTF with \u escapes.
bool StreamInRtf(HWND edit, std::u16string_view rtf);

// The whole text as character positions count it: a paragraph ends in one
// "\r", and the final paragraph mark is left out.
std::u16string PositionText(HWND edit);

// The selection as bytes: UTF-16 text for SF_TEXT | SF_UNICODE, 8-bit RTF
// for SF_RTF.
std::vector<BYTE> StreamOutSelection(HWND edit, DWORD format);

}  // namespace viewer
