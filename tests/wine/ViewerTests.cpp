// The viewer window inside a Lister: its windows, keys and layout.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "frontends/win32/viewer/ViewerWindow_win.h"
#include "frontends/win32/viewer/ViewerWindow_win.h"
#include "tools/listerhost/Keys.h"
#include "tools/listerhost/TreeSelect.h"

#include <commctrl.h>
#include <richedit.h>

namespace wine_tests {
namespace {

void Press(HWND target, const wchar_t* key)
{
    listerhost::PressKey(target, listerhost::ParseKey(key));
    Pump(50);
}

using Viewer = PluginTest;

TEST_F(Viewer, FillsTheListerWithTreeAndTextSideBySide)
{
    auto& lister = NewLister(false, 600, 400);
    ASSERT_TRUE(lister.Open(TourPath()));
    Panes p = FindPanes(lister);
    ASSERT_TRUE(p.viewer && p.splitter && p.tree && p.text);

    EXPECT_EQ(ClassOf(p.viewer), L"#32770");
    EXPECT_TRUE(GetWindowLongW(p.viewer, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(IsWindowVisible(p.viewer));
    RECT viewerRect = ChildRect(p.viewer);
    EXPECT_EQ(viewerRect.right - viewerRect.left, 600);
    EXPECT_EQ(viewerRect.bottom - viewerRect.top, 400);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(p.splitter, GWL_STYLE)) & 0xFFFF000Fu, 0x52800001u);
    EXPECT_EQ(ClassOf(p.tree), L"SysTreeView32");
    EXPECT_EQ(ClassOf(p.text), L"RichEdit50W");

    // 598 pixels inside the border: 30 % in whole hundredths is 150.
    RECT tree = ChildRect(p.tree), text = ChildRect(p.text);
    EXPECT_EQ(tree.right, 150);
    EXPECT_EQ(text.left, 153);
    EXPECT_EQ(text.right, 598);
    EXPECT_EQ(text.bottom, 398);
    EXPECT_EQ(GetFocus(), p.tree);
}

TEST_F(Viewer, TextPaneShowsTheCentredInformationPage)
{
    HWND text = OpenTour().text;
    const std::wstring shown = PaneText(text);
    EXPECT_EQ(shown.rfind(L"Vorn View 1.00 build 1 [", 0), 0u) << Narrow(shown);
    EXPECT_NE(shown.find(L"Vornbook notebook viewer for the Lister"), std::wstring::npos);
    EXPECT_NE(shown.find(L"The document created by Vornbook 6.12 build 418 This is"), std::wstring::npos);
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    SendMessageW(text, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.wAlignment, PFA_CENTER);
    CHARRANGE sel = Selection(text);
    EXPECT_EQ(sel.cpMin, sel.cpMax) << "nothing is selected";
}

TEST_F(Viewer, EscapeClosesAFreeStandingListerFromEitherPaneButNotAnEmbeddedOne)
{
    for (bool embedded : {false, true}) {
        for (UINT pane : {viewer::kTreePaneId, viewer::kRichTextPaneId}) {
            auto& lister = NewLister(embedded);
            ASSERT_TRUE(lister.Open(TourPath()));
            HWND listerWindow = lister.Hwnd();
            Press(ChildById(FindPanes(lister).splitter, static_cast<int>(pane)), L"Escape");
            EXPECT_EQ(lister.CloseRequests(), embedded ? 0 : 1) << "pane " << pane << " embedded " << embedded;
            EXPECT_EQ(IsWindow(listerWindow) != FALSE, embedded) << "pane " << pane;
        }
    }
}

TEST_F(Viewer, TabMovesTheFocusBetweenThePanesAndNeverToAHiddenTree)
{
    Panes p = OpenTour();
    ASSERT_EQ(GetFocus(), p.tree);
    Press(p.tree, L"Tab");
    EXPECT_EQ(GetFocus(), p.text);
    SetFocus(GetParent(p.viewer));  // the Lister hands the focus to the viewer
    EXPECT_EQ(GetFocus(), p.text) << "the pane that last had it";
    Press(p.text, L"Tab");
    EXPECT_EQ(GetFocus(), p.tree);

    Press(p.tree, L"Ctrl+T");
    ASSERT_EQ(GetFocus(), p.text);
    Press(p.text, L"Tab");
    EXPECT_EQ(GetFocus(), p.text) << "the arrow keys would change the page out of sight";
}

TEST_F(Viewer, WordWrapFromTheHostFoldsLongLinesAndDropsTheHorizontalBar)
{
    auto& lister = NewLister(false, 420, 300);
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND text = FindPanes(lister).text;
    ASSERT_EQ(lister.SendCommand(kHostNewParams, kWrapText), 0);
    LRESULT wrapped = SendMessageW(text, EM_GETLINECOUNT, 0, 0);
    EXPECT_FALSE(GetWindowLongW(text, GWL_STYLE) & WS_HSCROLL);
    ASSERT_EQ(lister.SendCommand(kHostNewParams, 0), 0);
    EXPECT_GT(wrapped, SendMessageW(text, EM_GETLINECOUNT, 0, 0));
    EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & WS_HSCROLL);
    ASSERT_EQ(lister.SendCommand(kHostNewParams, kWrapText | 2), 0) << "only the wrap flag counts";
    EXPECT_EQ(SendMessageW(text, EM_GETLINECOUNT, 0, 0), wrapped);
}

// A long page is left by a new control rather than emptied: the pane must
// look, sit and answer as it did.
TEST_F(Viewer, AfterALongPageThePaneKeepsItsPlaceFocusColoursWrapAndKeys)
{
    WriteDword(kPluginKey, L"TextColor", RGB(0x20, 0x40, 0x80));
    WriteDword(kPluginKey, L"BackColor", RGB(0xF0, 0xE0, 0xD0));
    std::u16string longText;
    for (int line = 0; line < 2000; ++line)
        longText += u"A line of the long page, long enough to be wrapped somewhere.\r\n";
    kit::PageSpec longPage = Page(2, 1, 0, u"Long");
    longPage.text = longText;
    kit::PageSpec shortPage = Page(3, 1, 0, u"Short");
    const std::u16string line = u"A short page whose single line is far wider than the pane it is shown in. ";
    const std::u16string shortText = line + line + line;
    shortPage.text = shortText;
    Panes p = OpenBook(BookUnderRoot({longPage, shortPage}));
    listerhost::ListerWindow& lister = *listers.back();
    ASSERT_EQ(lister.SendCommand(kHostNewParams, kWrapText), 0);
    ASSERT_TRUE(listerhost::SelectItemByText(p.viewer, L"Long"));
    SetFocus(p.text);
    const RECT place = ChildRect(p.text);
    const int id = GetDlgCtrlID(p.text);
    const HWND before = GetWindow(p.text, GW_HWNDPREV), after = GetWindow(p.text, GW_HWNDNEXT);

    ASSERT_TRUE(listerhost::SelectItemByText(p.viewer, L"Short"));
    Pump(50);
    Panes q = FindPanes(lister);
    ASSERT_NE(q.text, p.text) << "the long page's control is gone";
    EXPECT_FALSE(IsWindow(p.text));
    EXPECT_EQ(PaneText(q.text), std::wstring(shortText.begin(), shortText.end()));
    EXPECT_EQ(GetFocus(), q.text);
    EXPECT_EQ(GetDlgCtrlID(q.text), id);
    const RECT now = ChildRect(q.text);
    EXPECT_TRUE(EqualRect(&now, &place));
    EXPECT_EQ(GetWindow(q.text, GW_HWNDPREV), before);
    EXPECT_EQ(GetWindow(q.text, GW_HWNDNEXT), after);
    EXPECT_EQ(FormatOf(q.text, 0, -1).crTextColor, RGB(0x20, 0x40, 0x80));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(q.text, EM_SETBKGNDCOLOR, 0, RGB(0xF0, 0xE0, 0xD0))),
              RGB(0xF0, 0xE0, 0xD0));
    EXPECT_GT(SendMessageW(q.text, EM_GETLINECOUNT, 0, 0), 1) << "still wrapped";
    EXPECT_FALSE(GetWindowLongW(q.text, GWL_STYLE) & WS_HSCROLL);

    Press(q.text, L"Ctrl+T");
    EXPECT_EQ(ChildRect(q.text).left, 0) << "the splitter lays out the new control";
    Press(q.text, L"Ctrl+T");
    SetFocus(q.text);
    Press(q.text, L"Tab");
    EXPECT_EQ(GetFocus(), q.tree);
    Press(q.tree, L"Tab");
    EXPECT_EQ(GetFocus(), q.text);
}

TEST_F(Viewer, CtrlTHidesTheTreeAndBringsItBackInsideTheWindow)
{
    auto& lister = NewLister(false, 600, 400);
    ASSERT_TRUE(lister.Open(TourPath()));
    Panes p = FindPanes(lister);
    const RECT before = ChildRect(p.tree);

    Press(p.tree, L"Ctrl+T");
    EXPECT_FALSE(IsWindowVisible(p.tree));
    EXPECT_EQ(ChildRect(p.text).left, 0);
    EXPECT_EQ(ChildRect(p.text).right, 598);
    EXPECT_EQ(GetFocus(), p.text);
    Press(p.text, L"Ctrl+T");
    EXPECT_TRUE(IsWindowVisible(p.tree));
    EXPECT_EQ(ChildRect(p.tree).right, before.right);
    EXPECT_EQ(ChildRect(p.text).left, before.right + 3);
    EXPECT_EQ(GetFocus(), p.tree);

    // Narrowed while hidden: the bar comes back where it can be dragged.
    Press(p.tree, L"Ctrl+T");
    lister.Resize(100, 300);  // a captioned window keeps a few pixels more
    Pump(50);
    RECT narrow{};
    GetClientRect(p.splitter, &narrow);
    ASSERT_LT(narrow.right, before.right);
    EXPECT_EQ(ChildRect(p.text).right, narrow.right) << "a hidden tree leaves the text pane the whole width";
    Press(p.text, L"Ctrl+T");
    EXPECT_EQ(ChildRect(p.tree).right, narrow.right - 11 - 1);
    EXPECT_EQ(ChildRect(p.text).left, narrow.right - 11 + 2);
    EXPECT_EQ(ChildRect(p.text).right, narrow.right);
    lister.Resize(600, 400);
    Pump(50);
    EXPECT_EQ(ChildRect(p.tree).right, before.right) << "the chosen width returns with the room";
}

TEST_F(Viewer, TwoListersShareOneSettingsRecord)
{
    auto& first = NewLister();
    ASSERT_TRUE(first.Open(TourPath()));
    auto& second = NewLister();
    dialogs->QueuePassword({L"vornview", true, true});
    ASSERT_TRUE(second.Open(ProtectedPath()));
    DWORD show = 0;
    EXPECT_TRUE(ReadDword(kPluginKey, L"ShowPasswordOnOpen", show) && show == 1) << "saved as the dialog closes";
    // The choice made in the second viewer's dialog is the record's, seen by
    // the first viewer's next password dialog and saved by both closes.
    dialogs->QueuePassword({L"vornview", true, true});
    ASSERT_TRUE(first.Open(ProtectedPath(L"again.vnb")));
    ASSERT_EQ(dialogs->Seen().size(), 2u);
    EXPECT_FALSE(dialogs->Seen()[0].initialShowPassword);
    EXPECT_TRUE(dialogs->Seen()[1].initialShowPassword);
    EXPECT_FALSE(dialogs->Seen()[1].passwordStyle) << "a checked box shows the typed text";

    RemoveSettings();
    second.Close();
    EXPECT_TRUE(ReadDword(kPluginKey, L"ShowPasswordOnOpen", show));
    EXPECT_EQ(show, 1u);
    EXPECT_TRUE(IsWindow(first.PluginWindow())) << "closing one viewer leaves the other";
    EXPECT_EQ(first.SendCommand(kHostSelectAll, 0), 0);
}

}  // namespace
}  // namespace wine_tests
