// The rich text pane's commands: selection, wrapping, copying, colours and
// the font.
#include "core/settings/FontChoice.h"
#include "frontends/win32/panes/RichTextLinks_win.h"
#include "frontends/win32/panes/RichTextPane_win.h"
#include "frontends/win32/panes/RichTextStream_win.h"
#include "frontends/win32/system/FontRecords_win.h"
#include "frontends/win32/system/ShellActions_win.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/CommonDialogs.h"
#include "platform/win32/WideText.h"
#include "resources/ResourceIds.h"

namespace viewer {
namespace {

bool CopyFailed()
{
    Shell().Beep();
    return false;
}

}  // namespace

bool RichTextPane::OnCommand(WORD id)
{
    switch (id) {
    case ID_COPY_RTF: CopyAsRtf(); return true;
    case ID_COPY_PLAIN: CopyAsPlainText(); return true;
    case ID_COPY_URL: CopyLink(); return true;
    case ID_EDIT_SELECT_ALL: SelectAll(); return true;
    case ID_BACKGROUND_COLOR: ChooseBackgroundColour(); return true;
    case ID_TEXT_COLOR: ChooseTextColour(); return true;
    case ID_FONT: ChooseFont(); return true;
    default: return false;
    }
}

void RichTextPane::SelectAll()
{
    CHARRANGE all{0, -1};
    SendMessageW(Hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
}

// Unwrapped lines can be longer than the window: only then is the
// horizontal scroll bar of use.
void RichTextPane::SetWordWrap(bool wrap)
{
    wordWrap_ = wrap;
    SendMessageW(Hwnd(), EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
    SendMessageW(Hwnd(), EM_SHOWSCROLLBAR, SB_HORZ, wrap ? FALSE : TRUE);
}

bool RichTextPane::HasSelection() const
{
    const CHARRANGE selection = Selection();
    return selection.cpMin != selection.cpMax;
}

// RTF is bytes: all of them go to the clipboard, ending in one zero byte as
// readers of the format expect.
bool RichTextPane::CopyAsRtf()
{
    std::vector<BYTE> bytes = StreamOutSelection(Hwnd(), SF_RTF | SF_UNICODE);
    if (bytes.empty() || bytes.back() != 0)
        bytes.push_back(0);
    static const UINT rtfFormat = RegisterClipboardFormatW(L"Rich Text Format");
    if (!rtfFormat || !win::SetClipboardBytes(rtfFormat, bytes.data(), bytes.size()))
        return CopyFailed();
    return true;
}

bool RichTextPane::CopyAsPlainText()
{
    std::vector<BYTE> bytes = StreamOutSelection(Hwnd(), SF_TEXT | SF_UNICODE);
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(text.size() * sizeof(wchar_t)),
              reinterpret_cast<BYTE*>(text.data()));
    if (!win::SetClipboardText(text))
        return CopyFailed();
    return true;
}

// The link under the last right click, as the menu that offered it closes.
bool RichTextPane::CopyLink()
{
    const std::u16string text = PositionText();
    const CHARRANGE link = linkRange_;
    if (link.cpMin < 0 || link.cpMax <= link.cpMin || static_cast<size_t>(link.cpMax) > text.size())
        return CopyFailed();
    // What the reader sees of the link, as a click would open it.
    if (!win::SetClipboardText(win::Wide(VisibleText(Hwnd(), text, link))))
        return CopyFailed();
    return true;
}

void RichTextPane::ChooseBackgroundColour()
{
    // The colour shown may be the dark look's: kept as it is, it is no
    // choice, and the light look keeps its own.
    COLORREF colour = background_;
    if (!win::PickColour(colour, Hwnd()) || colour == background_)
        return;
    settings_.BackColour() = colour;
    settings_.Save();
    SendMessageW(Hwnd(), EM_SETBKGNDCOLOR, 0, colour);
}

void RichTextPane::ChooseTextColour()
{
    const COLORREF shown = settings_.ShownTextColour();
    COLORREF colour = shown;
    if (!win::PickColour(colour, Hwnd()) || colour == shown)
        return;
    settings_.TextColour() = colour;
    settings_.Save();
    ApplyTextColour();
}

void RichTextPane::ChooseFont()
{
    core::CharFormatRecord& stored = settings_.EditFont();
    core::CharFormatRecord record = stored;
    // Nothing chosen or stored yet: the dialog starts from the pane's font
    // rather than from a nameless font of height 0.
    if (record.size == 0 && core::FaceNameText(record.faceName).empty()) {
        const core::CharFormatRecord base = ToRecord(baseFormat_);
        record.height = base.height;
        record.charSet = base.charSet;
        record.pitchAndFamily = base.pitchAndFamily;
        record.faceName = base.faceName;
    }
    if (core::MakeChoosable(record)) {
        stored = record;
        chosenDefault_ = ToCharFormat(stored);
        ApplyFormat(*chosenDefault_, SCF_DEFAULT);
    }
    record = core::WithColour(record, settings_.TextColour());
    stored = record;

    LOGFONTW font = ToLogFont(core::CharFormatToFont(record, DisplayPixelsPerInch()));
    const COLORREF shown = settings_.ShownTextColour();
    COLORREF colour = shown;
    int pointSizeTenths = 0;
    if (!win::PickFont(font, Hwnd(), colour, &pointSizeTenths))
        return;
    if (colour != shown)
        settings_.TextColour() = colour;
    stored = core::FormatFromFontChoice(ToRecord(font), pointSizeTenths, settings_.TextColour());
    settings_.Save();
    if (plainText_) {
        ApplyFormat(ToCharFormat(stored), SCF_ALL);
        if (settings_.RecolourAutomaticText())
            ApplyTextColour();
    }
}

}  // namespace viewer
