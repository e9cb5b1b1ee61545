// The rich text pane as a user sees it: pages of each kind, their formats,
// colours and caret, copying, and the colour and font commands.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "frontends/win32/panes/RichTextLinks_win.h"
#include "frontends/win32/panes/RichTextStream_win.h"
#include "resources/ResourceIds.h"
#include "tests/kit/Document.h"
#include "tests/kit/TourBook.h"
#include "tools/listerhost/Keys.h"
#include "tools/listerhost/TreeSelect.h"

#include <commdlg.h>
#include <richole.h>

namespace wine_tests {
namespace {

const std::wstring kEditFontKey = std::wstring(kPluginKey) + L"\\EditFont";
constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;  // colour dialog

LONG TextLength(HWND edit)
{
    GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<LONG>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
}

// Character positions of the first occurrence.
CHARRANGE Find(HWND edit, const std::wstring& text)
{
    FINDTEXTEXW find{};
    find.chrg = {0, -1};
    find.lpstrText = text.c_str();
    SendMessageW(edit, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find));
    return find.chrgText;
}

void Select(HWND edit, CHARRANGE range) { SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range)); }

// Answers the next colour dialog with this colour.
void PickInColourDialog(DialogAnswerer& dialogs, COLORREF colour)
{
    dialogs.QueueAction([colour](HWND dialog) {
        SetDlgItemInt(dialog, kRedEdit, GetRValue(colour), FALSE);
        SetDlgItemInt(dialog, kGreenEdit, GetGValue(colour), FALSE);
        SetDlgItemInt(dialog, kBlueEdit, GetBValue(colour), FALSE);
    });
}

class RichText : public PluginTest {
protected:
    static void Show(const Panes& p, const std::wstring& label)
    {
        ASSERT_TRUE(listerhost::SelectItemByText(p.viewer, label)) << Narrow(label);
    }
};

TEST_F(RichText, APlainTextPageTakesTheTextColourAndPutsTheCaretWhereItsFlagsSay)
{
    WriteDword(kPluginKey, L"TextColor", RGB(0x20, 0x40, 0x80));
    Panes p = OpenTour();
    Show(p, L"Read me first");
    EXPECT_EQ(PaneText(p.text).rfind(L"Read me first\r\n=============\r\n\r\nThe tree on the left", 0), 0u);
    CHARFORMAT2W all = FormatOf(p.text, 0, -1);
    EXPECT_TRUE(all.dwMask & CFM_COLOR) << "one colour over the whole page";
    EXPECT_EQ(all.crTextColor, RGB(0x20, 0x40, 0x80));
    EXPECT_TRUE(all.dwMask & CFM_FACE);
    EXPECT_STRNE(all.szFaceName, L"System") << "a page font is set, not the control's default";
    EXPECT_EQ(all.yHeight, 200);
    CHARRANGE caret = Selection(p.text);
    EXPECT_EQ(caret.cpMin, 0) << "flag 0x2: at the start";
    EXPECT_EQ(caret.cpMax, 0);

    Show(p, L"Reading list");
    caret = Selection(p.text);
    EXPECT_EQ(caret.cpMin, TextLength(p.text)) << "flag 0x1: at the end";
    EXPECT_EQ(caret.cpMax, caret.cpMin);
    EXPECT_NE(PaneText(p.text).find(L"\"Мастер и Маргарита\" (Михаил Булгаков)"), std::wstring::npos);

    kit::PageSpec page = Page(2, 1, 0, u"Page");
    page.text = u"0123456789\r\nabcdef";
    page.caretPosition = 13;
    Show(OpenBook(BookUnderRoot({page})), L"Page");
    EXPECT_EQ(Selection(FindPanes(*listers.back()).text).cpMin, 13) << "no flag: the page's own position";
}

TEST_F(RichText, ARichTextPageKeepsItsOwnFormattingAndColours)
{
    WriteDword(kPluginKey, L"TextColor", RGB(0x20, 0x40, 0x80));
    Panes p = OpenTour();
    Show(p, L"Garden plan [Attached Files: 2]");
    std::wstring text = PaneText(p.text);
    EXPECT_EQ(text.rfind(L"Garden plan 2027\r\nFour beds, rotated yearly.", 0), 0u) << Narrow(text);
    CHARFORMAT2W heading = FormatOf(p.text, 0, 6);
    EXPECT_EQ(heading.crTextColor, RGB(0, 128, 0));
    EXPECT_STREQ(heading.szFaceName, L"Georgia");
    EXPECT_EQ(heading.yHeight, 320);
    CHARRANGE peas = Find(p.text, L"Peas");
    ASSERT_GE(peas.cpMin, 0);
    EXPECT_TRUE(FormatOf(p.text, peas.cpMin, peas.cpMax).dwEffects & CFE_BOLD);
    CHARRANGE italic = Find(p.text, L"italic");
    EXPECT_TRUE(FormatOf(p.text, italic.cpMin, italic.cpMax).dwEffects & CFE_ITALIC);
    EXPECT_FALSE(FormatOf(p.text, italic.cpMin, italic.cpMax).dwEffects & CFE_BOLD);
    // The sketch of the plot, embedded in the page, is an object of the control.
    IRichEditOle* objects = nullptr;
    SendMessageW(p.text, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&objects));
    ASSERT_NE(objects, nullptr);
    EXPECT_EQ(objects->GetObjectCount(), 1);
    objects->Release();

    Show(p, L"日本語と中文：メモ");
    EXPECT_EQ(PaneText(p.text).rfind(L"日本語のメモ\r\n東京から京都まで", 0), 0u);
}

TEST_F(RichText, RtfWithCharactersBeyondAsciiStreamsInThroughEscapes)
{
    kit::PageSpec page = Page(2, 1, 2, u"Raw");
    // Characters as they are, not escaped, one group skipping no fallback
    // character, and an escape of the source's own.
    page.text = u"{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0 Привет, {\\b 日本}! {\\uc0 Ω€}\\u8364?{\\i é}\\par}";
    Panes p = OpenBook(BookUnderRoot({page}));
    Show(p, L"Raw");
    EXPECT_EQ(PaneText(p.text).substr(0, 16), L"Привет, 日本! Ω€€é");
    CHARRANGE bold = Find(p.text, L"日本");
    EXPECT_TRUE(FormatOf(p.text, bold.cpMin, bold.cpMax).dwEffects & CFE_BOLD);
}

TEST_F(RichText, HtmlPagesShowTheirSourceAndFoldersKeepWhatIsShown)
{
    Panes p = OpenTour();
    Show(p, L"HTML sampler");
    EXPECT_EQ(PaneText(p.text).rfind(L"<!DOCTYPE html>\r\n<html lang=\"en\">", 0), 0u);
    Show(p, L"Read me first");
    const std::wstring shown = PaneText(p.text);
    Show(p, L"Projects");
    EXPECT_EQ(PaneText(p.text), shown);
    Show(p, L"Welcome to the notebook tour");
    EXPECT_EQ(PaneText(p.text), shown) << "the root is a container too";
    EXPECT_TRUE(IsWindowVisible(p.text));
}

TEST_F(RichText, ChoosingWithTheKeyboardKeepsTheFocusInTheTree)
{
    Panes p = OpenTour();
    HTREEITEM root = TreeView_GetRoot(p.tree);
    TreeView_SelectItem(p.tree, ChildByText(p.tree, root, L"Links and addresses"));
    SetFocus(p.tree);
    listerhost::PressKey(p.tree, listerhost::ParseKey(L"Down"));
    Pump(30);
    EXPECT_EQ(ReadItem(p.tree, TreeView_GetSelection(p.tree)).text, L"Read me first");
    EXPECT_EQ(PaneText(p.text).rfind(L"Read me first", 0), 0u);
    EXPECT_EQ(GetFocus(), p.tree);
}

TEST_F(RichText, CopiesTheSelectionAsRtfAndAsPlainText)
{
    Panes p = OpenTour();
    Show(p, L"Garden plan [Attached Files: 2]");
    CHARRANGE peas = Find(p.text, L"Peas");
    Select(p.text, peas);
    SendMessageW(p.text, WM_COMMAND, ID_COPY_RTF, 0);
    std::string rtf = ClipboardBytes(L"Rich Text Format");
    ASSERT_GE(rtf.size(), 2u);
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(rtf.find("\\b"), std::string::npos);
    EXPECT_NE(rtf.find("Peas"), std::string::npos);
    EXPECT_EQ(rtf.back(), '\0');
    EXPECT_EQ(rtf.substr(0, rtf.find_last_not_of('\0') + 1).back(), '}') << "the group is closed";

    SendMessageW(p.text, WM_COMMAND, ID_COPY_PLAIN, 0);
    EXPECT_EQ(ClipboardText(), L"Peas");
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE localeData = GetClipboardData(CF_LOCALE);
    ASSERT_NE(localeData, nullptr) << "the text's locale goes with it";
    EXPECT_EQ(*static_cast<const LCID*>(GlobalLock(localeData)), GetThreadLocale());
    GlobalUnlock(localeData);
    CloseClipboard();
    Select(p.text, Find(p.text, L"Garden plan 2027"));
    SetFocus(p.text);
    ASSERT_EQ(FindPanes(*listers.back()).text, p.text);
    EXPECT_EQ(listers.back()->SendCommand(kHostCopy, 0), 0);
    EXPECT_EQ(ClipboardText(), L"Garden plan 2027") << "the host's copy is plain text";

    // Nothing selected: the clipboard keeps what was there.
    PutOnClipboard(L"keep me");
    Select(p.text, {3, 3});
    listers.back()->SendCommand(kHostCopy, 0);
    EXPECT_EQ(ClipboardText(), L"keep me");
}

TEST_F(RichText, ColourCommandsApplyAndPersistTheChosenColours)
{
    Panes p = OpenTour();
    Show(p, L"Read me first");
    PickInColourDialog(*dialogs, RGB(250, 240, 200));
    SendMessageW(p.text, WM_COMMAND, ID_BACKGROUND_COLOR, 0);
    DWORD stored = 0;
    ASSERT_TRUE(ReadDword(kPluginKey, L"BackColor", stored)) << "saved at once";
    EXPECT_EQ(stored, RGB(250, 240, 200));
    COLORREF shown = static_cast<COLORREF>(SendMessageW(p.text, EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3)));
    EXPECT_EQ(shown, RGB(250, 240, 200));
    SendMessageW(p.text, EM_SETBKGNDCOLOR, 0, shown);

    PickInColourDialog(*dialogs, RGB(90, 20, 10));
    SendMessageW(p.text, WM_COMMAND, ID_TEXT_COLOR, 0);
    ASSERT_TRUE(ReadDword(kPluginKey, L"TextColor", stored));
    EXPECT_EQ(stored, RGB(90, 20, 10));
    EXPECT_EQ(FormatOf(p.text, 0, -1).crTextColor, RGB(90, 20, 10));
    Show(p, L"Links and addresses");
    EXPECT_EQ(FormatOf(p.text, 0, -1).crTextColor, RGB(90, 20, 10)) << "the next plain page takes it too";
}

TEST_F(RichText, TheFontCommandStoresTheChoiceAndAppliesItToPlainPages)
{
    // A format stored in an earlier session shows from the first page on;
    // the dialog offers it, and OK keeps it.
    const std::wstring key = kEditFontKey;
    WriteDword(key.c_str(), L"Mask", CFM_BOLD | CFM_ITALIC | CFM_SIZE | CFM_FACE | CFM_CHARSET);
    WriteDword(key.c_str(), L"Effects", CFE_BOLD);
    WriteDword(key.c_str(), L"Height", 240);
    // A family the test machine has (the dialog lists only real ones).
    RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Facename", REG_SZ, L"DejaVu Serif", 26);
    WriteDword(kPluginKey, L"TextColor", RGB(0, 0, 0x80));
    Panes p = OpenTour();
    Show(p, L"Read me first");
    CHARFORMAT2W stored = FormatOf(p.text, 0, -1);
    EXPECT_STREQ(stored.szFaceName, L"DejaVu Serif") << "the stored font applies after a restart";
    EXPECT_EQ(stored.yHeight, 240);
    EXPECT_TRUE(stored.dwEffects & CFE_BOLD);

    SendMessageW(p.text, WM_COMMAND, ID_FONT, 0);
    DWORD value = 0;
    ASSERT_TRUE(ReadDword(key.c_str(), L"Mask", value));
    EXPECT_EQ(value, 0xE800000Fu);
    ASSERT_TRUE(ReadDword(key.c_str(), L"Height", value));
    EXPECT_EQ(value, 240u) << "12 points in twips";
    ASSERT_TRUE(ReadDword(key.c_str(), L"TextColor", value));
    EXPECT_EQ(value, RGB(0, 0, 0x80));
    std::wstring face;
    ASSERT_TRUE(ReadString(key.c_str(), L"Facename", face));
    EXPECT_EQ(face, L"DejaVu Serif");

    CHARFORMAT2W all = FormatOf(p.text, 0, -1);
    EXPECT_STREQ(all.szFaceName, L"DejaVu Serif");
    EXPECT_EQ(all.yHeight, 240);
    EXPECT_TRUE(all.dwEffects & CFE_BOLD);
    Show(p, L"Garden plan [Attached Files: 2]");
    EXPECT_STREQ(FormatOf(p.text, 0, 6).szFaceName, L"Georgia") << "rich text keeps its fonts";
    Show(p, L"Links and addresses");
    EXPECT_STREQ(FormatOf(p.text, 0, -1).szFaceName, L"DejaVu Serif");
}

// The passes in a control of their own: a link stops where hidden text
// starts, as the text object model tells, and nothing they format can be
// undone.
TEST(RichTextLinks, ThePassesStopLinksAtHiddenTextAndLeaveNothingToUndo)
{
    LoadLibraryW(L"msftedit.dll");
    HWND edit = CreateWindowExW(0, MSFTEDIT_CLASS, L"", WS_POPUP | ES_MULTILINE | ES_READONLY, 0, 0, 400, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(viewer::StreamInPlainText(edit, u"www.example.orgbookmark<\\..\\x.exe> page1<One> me@x.org"));
    SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
    viewer::RichTextLinkPasses passes;
    passes.AfterShow(edit);
    passes.Delayed(edit);
    EXPECT_EQ(Rendered(edit), L"[www.example.org]{b}{o}{o}{k}{m}{a}{r}{k}{<}{\\}{.}{.}{\\}{x}{.}{e}{x}{e}{>} [One] [me@x.org]");
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    DestroyWindow(edit);
}

}  // namespace
}  // namespace wine_tests
