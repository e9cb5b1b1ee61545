// The tree pane's own commands and keys: copying the selected page, colours
// and font.
#include "frontends/win32/system/FontRecords_win.h"
#include "frontends/win32/system/ShellActions_win.h"
#include "frontends/win32/tree/PageTreePane_win.h"
#include "frontends/win32/viewer/Settings.h"
#include "model/Book.h"
#include "platform/win32/Clipboard.h"
#include "platform/win32/CommonDialogs.h"
#include "platform/win32/WideText.h"
#include "resources/ResourceIds.h"
#include "text/RtfText.h"

namespace viewer {

bool PageTreePane::OnCommand(WORD id)
{
    switch (id) {
    case ID_EXPAND_ALL: ExpandAll(); return true;
    case ID_COLLAPSE_ALL: CollapseAll(); return true;
    case ID_EDIT_COPY: CopyPage(); return true;
    case ID_COPY_PLAIN: CopyPageAsPlainText(); return true;
    case ID_COPY_RTF: CopyPageAsRtf(); return true;
    case ID_BACKGROUND_COLOR: ChooseBackgroundColour(); return true;
    case ID_TEXT_COLOR: ChooseTextColour(); return true;
    case ID_FONT: ChooseFont(); return true;
    default: return false;
    }
}

const model::CPage* PageTreePane::SelectedPage() const
{
    const int64_t id = SelectedPageId();
    return id >= 0 ? Book()->FindPage(static_cast<uint32_t>(id)) : nullptr;
}

// Ctrl+C (and Ctrl+Insert, as in the text pane) is the menu's Copy.
bool PageTreePane::OnPaneKey(WPARAM key)
{
    if ((key != 'C' && key != VK_INSERT) || GetKeyState(VK_CONTROL) >= 0)
        return false;
    CopyPage();
    return true;
}

void PageTreePane::CopyPage()
{
    const model::CPage* page = SelectedPage();
    if (page && page->IsRichText())
        CopyPageAsRtf();
    else
        CopyPageAsPlainText();
}

void PageTreePane::CopyPageAsPlainText()
{
    const model::CPage* page = SelectedPage();
    if (!page || page->IsFolder() || !win::SetClipboardText(win::Wide(page->Text())))
        Shell().Beep();
}

// RTF is a byte format: the page's RTF as its 7-bit bytes, characters
// beyond them as \u escapes, ending in one zero byte.
void PageTreePane::CopyPageAsRtf()
{
    const model::CPage* page = SelectedPage();
    if (!page || page->IsFolder()) {
        Shell().Beep();
        return;
    }
    const std::string rtf = text::SevenBitRtf(page->Text());
    if (!win::SetClipboardBytes(RegisterClipboardFormatW(L"Rich Text Format"), rtf.c_str(), rtf.size() + 1))
        Shell().Beep();
}

void PageTreePane::ChooseBackgroundColour()
{
    // The colour shown may be the dark look's: kept as it is, it is no choice.
    const COLORREF shown = static_cast<COLORREF>(SendMessageW(Hwnd(), TVM_GETBKCOLOR, 0, 0));
    COLORREF colour = shown;
    if (!win::PickColour(colour, Hwnd()) || colour == shown)
        return;
    SendMessageW(Hwnd(), TVM_SETBKCOLOR, 0, colour);
    Settings().treeBackColour = colour;
    SaveSettings();
}

void PageTreePane::ChooseTextColour()
{
    const COLORREF shown = static_cast<COLORREF>(SendMessageW(Hwnd(), TVM_GETTEXTCOLOR, 0, 0));
    COLORREF colour = shown;
    if (!win::PickColour(colour, Hwnd()) || colour == shown)
        return;
    SendMessageW(Hwnd(), TVM_SETTEXTCOLOR, 0, colour);
    SendMessageW(Hwnd(), TVM_SETLINECOLOR, 0, colour);
    Settings().treeTextColour = colour;
    SaveSettings();
}

void PageTreePane::ChooseFont()
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0)), sizeof font, &font);
    const COLORREF shown = static_cast<COLORREF>(SendMessageW(Hwnd(), TVM_GETTEXTCOLOR, 0, 0));
    COLORREF colour = shown;
    if (!win::PickFont(font, Hwnd(), colour))
        return;
    font_.Reset(CreateFontIndirectW(&font));
    SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    SendMessageW(Hwnd(), TVM_SETTEXTCOLOR, 0, colour);
    SendMessageW(Hwnd(), TVM_SETLINECOLOR, 0, colour);
    Settings().treeFont = ToRecord(font);
    if (colour != shown)
        Settings().treeTextColour = colour;
    SaveSettings();
}

}  // namespace viewer
