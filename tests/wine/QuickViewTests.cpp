// Hosted as a Lister window and as Quick View: who has the keyboard, and
// the host's keys reaching the Lister window from inside the plug-in.
#include "PluginFixture.h"

#include "frontends/win32/viewer/ViewerWindow_win.h"
#include "tests/kit/Document.h"
#include "tools/listerhost/Keys.h"

#include <commctrl.h>

namespace wine_tests {
namespace {

class Hosting : public PluginTest {
protected:
    listerhost::ListerWindow& NewQuickView()
    {
        listers.push_back(std::make_unique<listerhost::ListerWindow>(plugin));
        RECT rect{40, 40, 840, 540};
        EXPECT_TRUE(listers.back()->CreateQuickView(rect));
        return *listers.back();
    }
    static void Press(HWND target, const wchar_t* key)
    {
        listerhost::PressKey(target, listerhost::ParseKey(key));
        Pump(50);
    }
    static void Click(HWND target)
    {
        SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Pump(50);
    }
};

TEST_F(Hosting, QuickViewLeavesTheKeyboardToTheFileListUntilAClickAndTabOrEscapeGiveItBack)
{
    auto& host = NewQuickView();
    ASSERT_EQ(GetFocus(), host.FileList());
    ASSERT_TRUE(host.Open(TourPath()));
    const Panes p = FindPanes(host);
    EXPECT_EQ(GetFocus(), host.FileList()) << "the viewer does not take the keyboard when it loads";
    EXPECT_TRUE(IsWindowVisible(p.tree));
    for (const auto& [pane, key] : {std::pair{p.tree, L"Tab"}, {p.text, L"Escape"}, {p.tree, L"Shift+Tab"}}) {
        Click(pane);
        ASSERT_EQ(GetFocus(), pane) << "a click gives it the keyboard";
        Press(pane, key);
        EXPECT_EQ(GetFocus(), host.FileList()) << Narrow(key) << " gives the keyboard back";
    }
    EXPECT_EQ(host.ReceivedKeys(), (std::vector<UINT>{VK_TAB, VK_ESCAPE, VK_TAB}));
    EXPECT_EQ(host.CloseRequests(), 0);

    // The next file keeps the keyboard where it is.
    EXPECT_EQ(host.OpenNext(TourPath()), 0);
    EXPECT_EQ(GetFocus(), host.FileList());
}

TEST_F(Hosting, TheHostsKeysReachTheListerWindowFromEitherPaneAndTheViewersDoNot)
{
    const std::vector<std::wstring> hostKeys = {L"N", L"P", L"1", L"2", L"3", L"4", L"5", L"6", L"7",
                                                L"F2", L"F3", L"Shift+F3", L"F5", L"F7"};
    const std::vector<UINT> expected = {'N', 'P', '1', '2', '3', '4', '5', '6', '7',
                                        VK_F2, VK_F3, VK_F3, VK_F5, VK_F7};
    for (bool quickView : {false, true}) {
        for (bool inTree : {true, false}) {
            auto& host = quickView ? NewQuickView() : NewLister();
            ASSERT_TRUE(host.Open(TourPath()));
            const Panes p = FindPanes(host);
            const HWND pane = inTree ? p.tree : p.text;
            for (const wchar_t* own : {L"A", L"8", L"Down", L"Ctrl+T", L"Ctrl+T", L"Ctrl+N", L"F1"})
                Press(pane, own);
            for (const std::wstring& key : hostKeys)
                Press(pane, key.c_str());
            EXPECT_EQ(host.ReceivedKeys(), expected) << "quick view " << quickView << " tree " << inTree;
            EXPECT_EQ(host.CloseRequests(), 0);
        }
    }
}

// The character a host's key makes is not the tree's: it would select the
// next label starting with it.
TEST_F(Hosting, AHostsLetterDoesNotMoveTheTreesSelection)
{
    auto& host = NewLister();
    const kit::BookSpec book = BookUnderRoot({Page(2, 1, 0, u"Alpha"), Page(3, 1, 0, u"Nest"), Page(4, 1, 0, u"Pear")});
    ASSERT_TRUE(host.Open(WriteFile(L"letters.vnb", kit::WriteDocument(book))));
    const HWND tree = FindPanes(host).tree;
    const HTREEITEM alpha = ChildByText(tree, TreeView_GetRoot(tree), L"Alpha");
    TreeView_SelectItem(tree, alpha);
    SetFocus(tree);
    PostMessageW(tree, WM_KEYDOWN, 'N', 1 | (static_cast<LPARAM>(MapVirtualKeyW('N', MAPVK_VK_TO_VSC)) << 16));
    Pump(100);
    EXPECT_EQ(host.ReceivedKeys(), std::vector<UINT>{'N'});
    EXPECT_EQ(TreeView_GetSelection(tree), alpha);
}

}  // namespace
}  // namespace wine_tests
