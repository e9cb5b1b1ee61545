// The viewer window inside a Lister: its windows, keys and layout.
#include "PaneReader.h"
#include "PluginFixture.h"

#include "tools/listerhost/Keys.h"

#include <commctrl.h>
#include <richedit.h>

namespace wine_tests {
namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }

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

    EXPECT_EQ(GetParent(p.viewer), lister.Hwnd());
    EXPECT_EQ(ClassOf(p.viewer), L"#32770");
    EXPECT_TRUE(GetWindowLongW(p.viewer, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(IsWindowVisible(p.viewer));
    RECT viewerRect = ChildRect(p.viewer);
    EXPECT_EQ(viewerRect.left, 0);
    EXPECT_EQ(viewerRect.top, 0);
    EXPECT_EQ(viewerRect.right, 600);
    EXPECT_EQ(viewerRect.bottom, 400);

    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(p.splitter, GWL_STYLE)) & 0xFFFF000Fu, 0x52800001u);
    RECT splitterRect = ChildRect(p.splitter);
    EXPECT_EQ(Width(splitterRect), 600);
    EXPECT_EQ(ClassOf(p.tree), L"SysTreeView32");
    EXPECT_EQ(ClassOf(p.text), L"RichEdit50W");

    // 598 pixels inside the border: 30 % in whole hundredths is 150.
    RECT tree = ChildRect(p.tree), text = ChildRect(p.text);
    EXPECT_EQ(tree.left, 0);
    EXPECT_EQ(tree.right, 150);
    EXPECT_EQ(text.left, 153);
    EXPECT_EQ(text.right, 598);
    EXPECT_EQ(tree.bottom, 398);
    EXPECT_EQ(text.bottom, 398);

    EXPECT_EQ(GetFocus(), p.tree);
    EXPECT_EQ(FindWindowExW(lister.Hwnd(), nullptr, PROGRESS_CLASSW, nullptr), nullptr)
        << "the progress bar is gone once the document is shown";
}

TEST_F(Viewer, TreeShowsTheRootExpandedWithItsChildren)
{
    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND tree = FindPanes(lister).tree;
    HTREEITEM root = TreeView_GetRoot(tree);
    ASSERT_NE(root, nullptr);
    wchar_t text[256] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_STATE;
    item.hItem = root;
    item.pszText = text;
    item.cchTextMax = 256;
    item.stateMask = TVIS_EXPANDED;
    ASSERT_TRUE(TreeView_GetItem(tree, &item));
    EXPECT_STREQ(text, L"Welcome to the notebook tour");
    EXPECT_TRUE(item.state & TVIS_EXPANDED);
    int children = 0;
    for (HTREEITEM child = TreeView_GetChild(tree, root); child; child = TreeView_GetNextSibling(tree, child))
        ++children;
    EXPECT_GE(children, 3);
    EXPECT_EQ(TreeView_GetNextSibling(tree, root), nullptr);
}

TEST_F(Viewer, TextPaneShowsTheCentredInformationPage)
{
    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND text = FindPanes(lister).text;
    wchar_t buffer[1024] = {};
    GetWindowTextW(text, buffer, 1024);
    std::wstring shown = buffer;
    EXPECT_EQ(shown.rfind(L"Vorn View 1.00 build 1 [", 0), 0u) << Narrow(shown);
    EXPECT_NE(shown.find(L"Vornbook notebook viewer for the Lister"), std::wstring::npos);
    EXPECT_NE(shown.find(L"The document created by Vornbook 6.12 build 418 This is the text about version Vorn View. "
                         L"Select node on tree pane for data viewing."),
              std::wstring::npos);
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    SendMessageW(text, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.wAlignment, PFA_CENTER);
    CHARRANGE sel{};
    SendMessageW(text, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    EXPECT_EQ(sel.cpMin, sel.cpMax) << "nothing is selected";
}

TEST_F(Viewer, EscapeClosesAFreeStandingListerFromEitherPane)
{
    for (int pane : {10, 11}) {
        auto& lister = NewLister(false);
        ASSERT_TRUE(lister.Open(TourPath()));
        HWND listerWindow = lister.Hwnd();
        Press(ChildById(FindPanes(lister).splitter, pane), L"Escape");
        EXPECT_EQ(lister.CloseRequests(), 1) << "pane " << pane;
        EXPECT_FALSE(IsWindow(listerWindow)) << "pane " << pane;
    }
}

TEST_F(Viewer, EscapeDoesNothingInAnEmbeddedLister)
{
    auto& lister = NewLister(true);
    ASSERT_TRUE(lister.Open(TourPath()));
    Panes p = FindPanes(lister);
    Press(p.tree, L"Escape");
    Press(p.text, L"Escape");
    EXPECT_EQ(lister.CloseRequests(), 0);
    EXPECT_TRUE(IsWindow(lister.Hwnd()));
    EXPECT_TRUE(IsWindow(p.viewer));
}

TEST_F(Viewer, TabMovesTheFocusBetweenThePanes)
{
    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(TourPath()));
    Panes p = FindPanes(lister);
    ASSERT_EQ(GetFocus(), p.tree);
    Press(p.tree, L"Tab");
    EXPECT_EQ(GetFocus(), p.text);
    Press(p.text, L"Tab");
    EXPECT_EQ(GetFocus(), p.tree);
}

TEST_F(Viewer, FocusGoesBackToThePaneThatLastHadIt)
{
    auto& lister = NewLister();
    ASSERT_TRUE(lister.Open(TourPath()));
    Panes p = FindPanes(lister);
    Press(p.tree, L"Tab");
    ASSERT_EQ(GetFocus(), p.text);
    SetFocus(lister.Hwnd());  // the Lister hands the focus to the viewer
    EXPECT_EQ(GetFocus(), p.text);
    SetFocus(p.tree);
    SetFocus(p.viewer);
    EXPECT_EQ(GetFocus(), p.tree);
}

TEST_F(Viewer, WordWrapFromTheHostFoldsLongLinesAtTheWindowEdge)
{
    auto& lister = NewLister(false, 420, 300);
    ASSERT_TRUE(lister.Open(TourPath()));
    HWND text = FindPanes(lister).text;
    ASSERT_EQ(lister.SendCommand(2, 1), 0);
    LRESULT wrapped = SendMessageW(text, EM_GETLINECOUNT, 0, 0);
    ASSERT_EQ(lister.SendCommand(2, 0), 0);
    LRESULT unwrapped = SendMessageW(text, EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(wrapped, unwrapped);
    ASSERT_EQ(lister.SendCommand(2, 3), 0) << "only bit 0 of the parameter counts";
    EXPECT_EQ(SendMessageW(text, EM_GETLINECOUNT, 0, 0), wrapped);
}

TEST_F(Viewer, CtrlTHidesTheTreeAndBringsItBackAtTheSameWidth)
{
    auto& lister = NewLister(false, 600, 400);
    ASSERT_TRUE(lister.Open(TourPath()));
    Panes p = FindPanes(lister);
    RECT before = ChildRect(p.tree);

    Press(p.tree, L"Ctrl+T");
    EXPECT_FALSE(IsWindowVisible(p.tree));
    RECT text = ChildRect(p.text);
    EXPECT_EQ(text.left, 0);
    EXPECT_EQ(text.right, 598);
    EXPECT_EQ(GetFocus(), p.text);

    Press(p.text, L"Ctrl+T");
    EXPECT_TRUE(IsWindowVisible(p.tree));
    RECT after = ChildRect(p.tree);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(ChildRect(p.text).left, before.right + 3);
    EXPECT_EQ(GetFocus(), p.tree);

    Press(p.tree, L"T");
    EXPECT_TRUE(IsWindowVisible(p.tree)) << "T without Ctrl is no command";
}

void SendMouse(DWORD flags, POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
    Pump(60);
}

TEST_F(Viewer, TheBarFollowsARealMouseDrag)
{
    auto& lister = NewLister(false, 600, 400);
    ASSERT_TRUE(lister.Open(TourPath()));
    SetForegroundWindow(lister.Hwnd());
    Pump(100);
    Panes p = FindPanes(lister);
    RECT tree = ChildRect(p.tree);
    POINT bar{tree.right + 1, 100};
    ClientToScreen(p.splitter, &bar);
    SendMouse(0, bar);
    SendMouse(MOUSEEVENTF_LEFTDOWN, bar);
    POINT to{bar.x + 100, bar.y};
    SendMouse(0, {bar.x + 50, bar.y});
    SendMouse(0, to);
    EXPECT_EQ(ChildRect(p.tree).right, tree.right) << "the panes wait for the release";
    SendMouse(MOUSEEVENTF_LEFTUP, to);
    EXPECT_EQ(ChildRect(p.tree).right, tree.right + 100);
    EXPECT_EQ(ChildRect(p.text).left, tree.right + 103);
}

TEST_F(Viewer, ResizingTheListerKeepsTheTreeWidth)
{
    auto& lister = NewLister(false, 600, 400);
    ASSERT_TRUE(lister.Open(TourPath()));
    Panes p = FindPanes(lister);
    RECT tree = ChildRect(p.tree);
    lister.Resize(800, 500);
    Pump(50);
    RECT viewer = ChildRect(p.viewer);
    EXPECT_EQ(viewer.right, 800);
    EXPECT_EQ(viewer.bottom, 500);
    EXPECT_EQ(Width(ChildRect(p.splitter)), 800);
    EXPECT_EQ(ChildRect(p.tree).right, tree.right);
    EXPECT_EQ(ChildRect(p.text).right, 798);
    EXPECT_EQ(ChildRect(p.text).bottom, 498);

    Press(p.tree, L"Ctrl+T");
    lister.Resize(700, 300);
    Pump(50);
    EXPECT_EQ(ChildRect(p.text).right, 698) << "a hidden tree leaves the text pane the whole width";
    EXPECT_EQ(ChildRect(p.text).left, 0);
}

TEST_F(Viewer, ATinyListerOpensAndRecoversWhenEnlarged)
{
    auto& lister = NewLister(false, 4, 4);
    ASSERT_TRUE(lister.Open(TourPath()));
    Panes p = FindPanes(lister);
    lister.Resize(500, 300);
    Pump(50);
    RECT tree = ChildRect(p.tree), text = ChildRect(p.text);
    EXPECT_EQ(tree.left, 0);
    EXPECT_GE(tree.right, 9);
    EXPECT_EQ(text.left, tree.right + 3);
    EXPECT_EQ(text.right, 498);
    EXPECT_EQ(text.bottom, 298);
}

TEST_F(Viewer, BarPositionIsStoredInTheProfileAtClose)
{
    auto& lister = NewLister(false, 600, 400);
    ASSERT_TRUE(lister.Open(TourPath()));
    Press(FindPanes(lister).tree, L"Ctrl+T");  // hidden: the width from before is kept
    lister.Close();
    EXPECT_EQ(GetPrivateProfileIntW(L"splt\\init_v13", L"VertSplitPos", -1, ProfilePath().c_str()), 150);

    WritePrivateProfileStringW(L"splt\\init_v13", L"VertSplitPos", L"200", ProfilePath().c_str());
    auto& again = NewLister(false, 600, 400);
    ASSERT_TRUE(again.Open(TourPath()));
    EXPECT_EQ(ChildRect(FindPanes(again).tree).right, 200);

    // A position from a wider window stays inside the limits of this one.
    again.Close();
    WritePrivateProfileStringW(L"splt\\init_v13", L"VertSplitPos", L"5000", ProfilePath().c_str());
    auto& narrow = NewLister(false, 300, 200);
    ASSERT_TRUE(narrow.Open(TourPath()));
    EXPECT_EQ(ChildRect(FindPanes(narrow).tree).right, 298 - 11 - 1);
}

TEST_F(Viewer, TwoListersShareOneSettingsRecord)
{
    auto& first = NewLister();
    ASSERT_TRUE(first.Open(TourPath()));
    auto& second = NewLister();
    dialogs->QueuePassword({L"vornview", true, true});
    ASSERT_TRUE(second.Open(ProtectedPath()));
    // The choice made in the second viewer's dialog is the record's, seen by
    // the first viewer's next password dialog and saved by both closes.
    dialogs->QueuePassword({L"vornview", true, true});
    ASSERT_TRUE(first.Open(ProtectedPath(L"again.vnb")));
    ASSERT_EQ(dialogs->Seen().size(), 2u);
    EXPECT_FALSE(dialogs->Seen()[0].initialShowPassword);
    EXPECT_TRUE(dialogs->Seen()[1].initialShowPassword);
    EXPECT_FALSE(dialogs->Seen()[1].passwordStyle);

    RemoveSettings();
    second.Close();
    DWORD show = 0;
    EXPECT_TRUE(ReadDword(kPluginKey, L"ShowPasswordOnOpen", show));
    EXPECT_EQ(show, 1u);
    EXPECT_TRUE(IsWindow(first.PluginWindow())) << "closing one viewer leaves the other";
    EXPECT_EQ(first.SendCommand(3, 0), 0);
}

}  // namespace
}  // namespace wine_tests
